#include "cli/journal_commands.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "cli/progress_line.h"
#include "cli/row_output.h"
#include "cli/terminal_text.h"
#include "cli/translated_text.h"
#include "core/code_page.h"
#include "core/rename_list.h"
#include "fileops/undo_run.h"

namespace zentavo {

namespace {

constexpr std::string_view kProgramPrefix = "zentavo-cli: ";
constexpr std::string_view kColumnGap = "  ";

// A table whose columns are as wide as their widest cell; the last column is
// not padded.
class Table {
public:
    void Add(std::vector<ShownText> cells) { rows_.push_back(std::move(cells)); }

    void Write(std::ostream& out) const {
        std::vector<size_t> widths;
        for (const auto& row : rows_) {
            widths.resize(std::max(widths.size(), row.size()), 0);
            for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].columns);
        }
        for (const auto& row : rows_) {
            size_t last = row.size();
            while (last > 0 && row[last - 1].text.empty()) --last;
            for (size_t i = 0; i < last; ++i) {
                if (i > 0) out << kColumnGap;
                out << row[i].text;
                if (i + 1 < last)
                    for (size_t pad = row[i].columns; pad < widths[i]; ++pad) out << ' ';
            }
            out << '\n';
        }
    }

private:
    std::vector<std::vector<ShownText>> rows_;
};

ShownText Plain(std::string_view text) {
    return {std::string(text), text.size()};
}

ShownText Shown(std::string_view text, const CodePage& page) {
    return ShowForTerminal(text, page);
}

std::string ReasonWords(const UndoProblem& problem) {
    switch (problem.reason) {
        case UndoReason::Gone:
            return Tr("it is gone");
        case UndoReason::Replaced:
            return Tr("it is no longer the same file");
        case UndoReason::NameTaken:
            return Tr("its original name is taken");
        case UndoReason::Failed:
            break;
    }
    return std::strerror(problem.error);
}

std::string_view ReasonKey(const UndoProblem& problem) {
    switch (problem.reason) {
        case UndoReason::Gone:
            return "gone";
        case UndoReason::Replaced:
            return "replaced";
        case UndoReason::NameTaken:
            return "taken";
        case UndoReason::Failed:
            break;
    }
    return std::strerror(problem.error);
}

void WriteUndoRows(const UndoOutcome& outcome, bool tsv, const CodePage& page, std::ostream& out) {
    std::vector<std::string> restored = outcome.restored;
    std::sort(restored.begin(), restored.end(), RenameList::PathLess);
    std::vector<UndoProblem> problems = outcome.problems;
    std::sort(problems.begin(), problems.end(), [](const UndoProblem& a, const UndoProblem& b) {
        return RenameList::PathLess(a.original, b.original);
    });
    if (tsv) {
        for (const std::string& path : restored)
            out << "restored\t" << EscapeTsvField(path) << "\t\t\n";
        for (const UndoProblem& problem : problems) {
            out << "failed\t" << EscapeTsvField(problem.original) << '\t'
                << EscapeTsvField(problem.at) << '\t' << ReasonKey(problem) << '\n';
        }
        return;
    }
    if (restored.empty() && problems.empty()) return;
    Table table;
    table.Add({Plain("Mark"), Plain("Original Path"), Plain("Now At")});
    for (const std::string& path : restored) table.Add({Plain("restored"), Shown(path, page), {}});
    for (const UndoProblem& problem : problems) {
        ShownText at = Shown(problem.at, page);
        at.text += std::string(kColumnGap) + "(" + ReasonWords(problem) + ")";
        table.Add({Plain("failed"), Shown(problem.original, page), at});
    }
    table.Write(out);
}

std::string FormatTime(int64_t ns, const char* format) {
    const time_t seconds = static_cast<time_t>(ns / 1'000'000'000);
    tm local{};
    ::localtime_r(&seconds, &local);
    char text[64];
    const size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

std::string_view StateWord(RunState state) {
    switch (state) {
        case RunState::Complete:
            return "complete";
        case RunState::Interrupted:
            return "interrupted";
        case RunState::Undone:
            return "undone";
    }
    return "interrupted";
}

// A run cut short never wrote how many of its files failed.
std::string FailedCount(const RunSummary& run, std::string_view unknown) {
    return run.end ? std::to_string(run.end->failed) : std::string(unknown);
}

}  // namespace

int RunUndoCommand(const CliOptions& options, FileSystem& fs, const CodePage& page,
                   JournalStore& journals, const CliStreams& io) {
    ProgressLine progress(io.err, io.err_is_terminal);
    UndoOutcome outcome;
    const int error =
        UndoRun(fs, page, journals, options.undo_run, outcome, [&](size_t done, size_t total) {
            progress.Show(
                Fill(TrN("Undoing: %1 of %2 file back", "Undoing: %1 of %2 files back", total),
                     {Grouped(done), Grouped(total)}));
        });
    progress.Clear();
    if (error == ENOENT && options.undo_run.empty()) {
        io.err << kProgramPrefix << Fill(Tr("there is no run to undo in %1"), {journals.folder()})
               << '\n';
        return kExitRenameFailed;
    }
    if (error == ENOENT) {
        io.err << kProgramPrefix
               << Fill(Tr("no run '%1' in %2"), {options.undo_run, journals.folder()}) << '\n';
        return kExitUsage;
    }
    if (error != 0) {
        io.err << kProgramPrefix
               << Fill(Tr("cannot read the journal of run '%1': %2"),
                       {options.undo_run.empty() ? outcome.run_id : options.undo_run,
                        std::strerror(error)})
               << '\n';
        return kExitRenameFailed;
    }
    if (outcome.journal_error != 0) {
        io.err << kProgramPrefix
               << Fill(Tr("cannot write the journal in %1: %2"),
                       {journals.folder(), std::strerror(outcome.journal_error)})
               << '\n'
               << kProgramPrefix << Tr("nothing was undone") << '\n';
        return kExitNoJournal;
    }
    WriteUndoRows(outcome, options.tsv, page, io.out);
    std::ostream& summary = options.tsv ? io.err : io.out;
    if (outcome.problems.empty()) {
        summary << Fill(TrN("Undone: %1 file of run %2 is back under its name.",
                            "Undone: %1 files of run %2 are back under their names.",
                            outcome.restored.size()),
                        {Grouped(outcome.restored.size()), outcome.run_id})
                << '\n';
        return kExitSuccess;
    }
    summary << Fill(TrN("Undo incomplete: %1 file of run %2 is back, %3 could not be brought "
                        "back.",
                        "Undo incomplete: %1 files of run %2 are back, %3 could not be brought "
                        "back.",
                        outcome.restored.size()),
                    {Grouped(outcome.restored.size()), outcome.run_id,
                     Grouped(outcome.problems.size())})
            << '\n';
    return kExitRenameFailed;
}

int RunListRunsCommand(const CliOptions& options, const CodePage& page, JournalStore& journals,
                       const CliStreams& io) {
    std::vector<RunSummary> runs;
    if (const int error = journals.List(runs); error != 0) {
        io.err << kProgramPrefix
               << Fill(Tr("cannot read %1: %2"), {journals.folder(), std::strerror(error)}) << '\n';
        return kExitRenameFailed;
    }
    if (runs.empty()) {
        io.err << kProgramPrefix << Fill(Tr("no runs in %1"), {journals.folder()}) << '\n';
        return kExitSuccess;
    }
    if (options.tsv) {
        for (const RunSummary& run : runs) {
            const RunHeader& header = run.header;
            io.out << header.id << '\t' << FormatTime(header.started_ns, "%Y-%m-%dT%H:%M:%S%z")
                   << '\t' << (header.kind == RunKind::Undo ? "undo" : "rename") << '\t'
                   << header.undoes << '\t' << header.rows << '\t' << run.renamed() << '\t'
                   << FailedCount(run, "") << '\t' << StateWord(run.state()) << '\t'
                   << EscapeTsvField(header.first_folder) << '\n';
        }
        return kExitSuccess;
    }
    Table table;
    table.Add({Plain("Run"), Plain("Started"), Plain("What"), Plain("Files"), Plain("Renamed"),
               Plain("Failed"), Plain("State"), Plain("Folder")});
    for (const RunSummary& run : runs) {
        const RunHeader& header = run.header;
        const std::string what =
            header.kind == RunKind::Undo ? "undo of " + header.undoes : std::string("rename");
        table.Add({Plain(header.id), Plain(FormatTime(header.started_ns, "%Y-%m-%d %H:%M:%S")),
                   Plain(what), Plain(std::to_string(header.rows)),
                   Plain(std::to_string(run.renamed())), Plain(FailedCount(run, "-")),
                   Plain(StateWord(run.state())), Shown(header.first_folder, page)});
    }
    table.Write(io.out);
    return kExitSuccess;
}

}  // namespace zentavo
