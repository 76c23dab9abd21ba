#include "cli/journal_commands.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "cli/local_time.h"
#include "cli/progress_line.h"
#include "cli/row_output.h"
#include "cli/terminal_text.h"
#include "cli/translated_text.h"
#include "core/code_page.h"
#include "core/rename_list.h"
#include "journal/undo_run.h"

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

std::string_view FolderPart(std::string_view path) {
    return path.substr(0, path.find_last_of(Separators(kNativeSyntax)));
}

std::string ReasonWords(const UndoProblem& problem, const CodePage& page) {
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
    if (problem.error != ESTALE) return std::strerror(problem.error);
    const std::string_view from = FolderPart(problem.at);
    return FolderReplacedWords(from, from != FolderPart(problem.original), page);
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
    std::vector<std::string_view> restored;
    restored.reserve(outcome.restored.size());
    for (size_t i = 0; i < outcome.restored.size(); ++i) restored.push_back(outcome.restored[i]);
    std::sort(restored.begin(), restored.end(), RenameList::PathLess);
    std::vector<UndoProblem> problems = outcome.problems;
    std::sort(problems.begin(), problems.end(), [](const UndoProblem& a, const UndoProblem& b) {
        return RenameList::PathLess(a.original, b.original);
    });
    if (tsv) {
        for (const std::string_view path : restored)
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
    for (const std::string_view path : restored) table.Add({Plain("restored"), Shown(path, page), {}});
    for (const UndoProblem& problem : problems) {
        ShownText at = Shown(problem.at, page);
        at.text += std::string(kColumnGap) + "(" + ReasonWords(problem, page) + ")";
        table.Add({Plain("failed"), Shown(problem.original, page), at});
    }
    table.Write(out);
}

std::string FormatTime(int64_t ns, const char* format) {
    const std::tm local = LocalTime(static_cast<std::time_t>(ns / 1'000'000'000));
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
        case RunState::Running:
            return "running";
    }
    return "interrupted";
}

std::string_view KindWord(RunKind kind) {
    switch (kind) {
        case RunKind::Rename:
            break;
        case RunKind::Undo:
            return "undo";
        case RunKind::Redo:
            return "redo";
    }
    return "rename";
}

// What the history takes next: "undo", "redo" or nothing.
std::string_view NextWord(const RunSummary& run, const History& history) {
    if (history.undo && history.undo->run_id == run.header.id) return "undo";
    if (history.redo && history.redo->run_id == run.header.id) return "redo";
    return {};
}

// A run without its end record got to record at least this many moves: it
// was cut short, or its journal could not be written to the end.
std::string RenamedCount(const RunSummary& run) {
    const std::string count = std::to_string(run.renamed());
    return run.end ? count : Fill(Tr("at least %1"), {count});
}

// A run cut short never wrote how many of its files failed.
std::string FailedCount(const RunSummary& run, std::string_view unknown) {
    return run.end ? std::to_string(run.end->failed) : std::string(unknown);
}

}  // namespace

bool TellUntrustedJournal(const JournalStore& journals, int error, std::string_view what,
                          const CliStreams& io) {
    const std::string& path = journals.untrusted_path();
    if (path.empty()) return false;
    const char* reason = error == ELOOP   ? Tr("refusing the journal: %1 is a symbolic link")
                         : error == EPERM ? Tr("refusing the journal: %1 belongs to another user")
                                          : Tr("refusing the journal: %1 is open to other users "
                                               "(a folder must be writable by you alone, a "
                                               "journal file mode 0600)");
    io.err << kProgramPrefix << Fill(reason, {path}) << '\n' << kProgramPrefix << what << '\n';
    return true;
}

int RunUndoCommand(const CliOptions& options, FileSystem& fs, const CodePage& page,
                   JournalStore& journals, const CliStreams& io) {
    const bool redo = options.redo;
    const std::string& id = options.undo_run;
    ProgressLine progress(io.err, io.err_is_terminal);
    const auto report = [&](size_t done, size_t total) {
        const char* text =
            redo ? TrN("Redoing: %1 of %2 file forward", "Redoing: %1 of %2 files forward", total)
                 : TrN("Undoing: %1 of %2 file back", "Undoing: %1 of %2 files back", total);
        progress.Show(Fill(text, {Grouped(done), Grouped(total)}));
    };
    UndoOutcome outcome;
    const int error = redo ? RedoRun(fs, journals, id, outcome, report)
                           : UndoRun(fs, journals, id, outcome, report);
    progress.Clear();
    const char* nothing_done = redo ? Tr("nothing was redone") : Tr("nothing was undone");
    if (TellUntrustedJournal(journals, error, nothing_done, io)) return kExitNoJournal;
    const std::string run = id.empty() ? outcome.run_id : id;
    switch (error) {
        case 0:
            break;
        case ENOENT:
            if (id.empty()) {
                io.err << kProgramPrefix
                       << Fill(redo ? Tr("there is no run to redo in %1")
                                    : Tr("there is no run to undo in %1"),
                               {journals.folder()})
                       << '\n';
                return kExitRenameFailed;
            }
            io.err << kProgramPrefix << Fill(Tr("no run '%1' in %2"), {id, journals.folder()})
                   << '\n';
            return kExitUsage;
        case ENOTSUP:
            io.err << kProgramPrefix
                   << Fill(Tr("run '%1' is an undo or a redo; --undo and --redo take the rename "
                              "run it acts on"),
                           {id})
                   << '\n';
            return kExitUsage;
        case EALREADY:
            io.err << kProgramPrefix
                   << Fill(Tr("run '%1' was never undone: there is nothing to redo"), {id}) << '\n';
            return kExitRenameFailed;
        case EBUSY:
            io.err << kProgramPrefix << Fill(Tr("run %1 is still running"), {run}) << '\n';
            return kExitRenameFailed;
        default:
            io.err << kProgramPrefix
                   << Fill(Tr("cannot read the journal of run '%1': %2"),
                           {run, std::strerror(error)})
                   << '\n';
            return kExitRenameFailed;
    }
    if (outcome.journal_error != 0) {
        io.err << kProgramPrefix
               << Fill(Tr("cannot write the journal in %1: %2"),
                       {journals.folder(), std::strerror(outcome.journal_error)})
               << '\n'
               << kProgramPrefix << nothing_done << '\n';
        return kExitNoJournal;
    }
    WriteUndoRows(outcome, options.tsv, page, io.out);
    if (outcome.damaged) {
        io.err << kProgramPrefix
               << Fill(TrN("the journal of run %1 is damaged after record %2; %3 of %4 file "
                           "brought back",
                           "the journal of run %1 is damaged after record %2; %3 of %4 files "
                           "brought back",
                           outcome.rows),
                       {outcome.run_id, Grouped(outcome.readable_rows),
                        Grouped(outcome.restored.size()), Grouped(outcome.rows)})
               << '\n';
        return kExitRenameFailed;
    }
    std::ostream& summary = options.tsv ? io.err : io.out;
    const size_t back = outcome.restored.size();
    if (outcome.problems.empty()) {
        const char* text =
            redo ? TrN("Redone: %1 file of run %2 is back under its new name.",
                       "Redone: %1 files of run %2 are back under their new names.", back)
                 : TrN("Undone: %1 file of run %2 is back under its name.",
                       "Undone: %1 files of run %2 are back under their names.", back);
        summary << Fill(text, {Grouped(back), outcome.run_id}) << '\n';
        return kExitSuccess;
    }
    const char* text =
        redo ? TrN("Redo incomplete: %1 file of run %2 is back, %3 could not be moved again.",
                   "Redo incomplete: %1 files of run %2 are back, %3 could not be moved again.",
                   back)
             : TrN("Undo incomplete: %1 file of run %2 is back, %3 could not be brought back.",
                   "Undo incomplete: %1 files of run %2 are back, %3 could not be brought back.",
                   back);
    summary << Fill(text, {Grouped(back), outcome.run_id, Grouped(outcome.problems.size())})
            << '\n';
    return kExitRenameFailed;
}

int RunListRunsCommand(const CliOptions& options, const CodePage& page, JournalStore& journals,
                       const CliStreams& io) {
    std::vector<RunSummary> runs;
    if (const int error = journals.List(runs); error != 0) {
        if (TellUntrustedJournal(journals, error, Tr("nothing was listed"), io))
            return kExitNoJournal;
        io.err << kProgramPrefix
               << Fill(Tr("cannot read %1: %2"), {journals.folder(), std::strerror(error)}) << '\n';
        return kExitRenameFailed;
    }
    if (runs.empty()) {
        io.err << kProgramPrefix << Fill(Tr("no runs in %1"), {journals.folder()}) << '\n';
        return kExitSuccess;
    }
    const History history = NextInHistory(runs);
    if (options.tsv) {
        for (const RunSummary& run : runs) {
            const RunHeader& header = run.header;
            io.out << header.id << '\t' << FormatTime(header.started_ns, "%Y-%m-%dT%H:%M:%S%z")
                   << '\t' << KindWord(header.kind) << '\t' << header.undoes << '\t'
                   << header.rows << '\t' << run.renamed() << '\t' << FailedCount(run, "")
                   << '\t' << StateWord(run.state()) << '\t'
                   << EscapeTsvField(header.first_folder) << '\t' << NextWord(run, history)
                   << '\n';
        }
        return kExitSuccess;
    }
    Table table;
    table.Add({Plain("Next"), Plain("Run"), Plain("Started"), Plain("What"), Plain("Files"),
               Plain("Renamed"), Plain("Failed"), Plain("State"), Plain("Folder")});
    for (const RunSummary& run : runs) {
        const RunHeader& header = run.header;
        const std::string what =
            header.kind == RunKind::Rename
                ? std::string("rename")
                : std::string(KindWord(header.kind)) + " of " + RenameRunOf(runs, header.id);
        table.Add({Plain(NextWord(run, history)), Plain(header.id),
                   Plain(FormatTime(header.started_ns, "%Y-%m-%d %H:%M:%S")), Plain(what),
                   Plain(std::to_string(header.rows)), Plain(RenamedCount(run)),
                   Plain(FailedCount(run, "-")), Plain(StateWord(run.state())),
                   Shown(header.first_folder, page)});
    }
    table.Write(io.out);
    return kExitSuccess;
}

}  // namespace zentavo
