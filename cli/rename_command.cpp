#include "cli/rename_command.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/exit_status.h"
#include "cli/journal_commands.h"
#include "cli/progress_line.h"
#include "cli/row_output.h"
#include "cli/translated_text.h"
#include "core/code_page.h"
#include "core/rename_pattern.h"
#include "session/rename_session.h"

namespace zentavo {

namespace {

constexpr std::string_view kProgramPrefix = "zentavo-cli: ";

void ReportUnreadable(std::ostream& err, std::string_view path, int error) {
    err << kProgramPrefix << Fill(Tr("cannot read %1: %2"), {path, std::strerror(error)}) << '\n';
}

void ReportUnnamed(const RenameList& list, std::ostream& err) {
    for (size_t i = 0; i < list.count(); ++i) {
        if (list.new_name(i).empty())
            err << kProgramPrefix << Fill(Tr("no new name for %1"), {list.path(i)}) << '\n';
    }
}

// The rare rows whose mark does not say it all.
void ReportNotes(const RenameOutcome& outcome, const RenameList& list, const CodePage& page,
                 std::ostream& err) {
    for (const RowNote& note : outcome.notes) {
        const std::string_view path = list.path(note.row);
        if (!note.left_at.empty()) {
            err << kProgramPrefix
                << Fill(Tr("%1 could not be renamed nor put back: it is now %2"),
                        {path, note.left_at})
                << '\n';
        }
        if (!note.saved_other.empty()) {
            const std::string target =
                RenameTarget(path, list.new_name(note.row), list.syntax(), page);
            err << kProgramPrefix
                << Fill(Tr("another program wrote to %1 while it was being renamed; its data was "
                           "saved as %2"),
                        {target, note.saved_other})
                << '\n';
        }
    }
}

void WriteRows(const CliOptions& options, const RenameList& list, const CodePage& page,
               std::ostream& out) {
    if (options.tsv) {
        WriteTsvRows(list, out);
    } else {
        WriteTable(list, page, out);
    }
}

}  // namespace

int RunRenameCommand(const CliOptions& options, FileSystem& fs, const CodePage& page,
                     JournalStore* journals, const CliStreams& io) {
    ProgressLine progress(io.err, io.err_is_terminal);
    RenameSession session(fs, page);

    std::vector<std::string> paths;
    paths.reserve(options.paths.size());
    for (const std::string& path : options.paths) {
        // Made absolute, an empty argument (an unset shell variable, say)
        // would name the current folder and rename all of it.
        if (path.empty()) {
            ReportUnreadable(io.err, path, ENOENT);
        } else {
            paths.push_back(path);
        }
    }
    const DropOutcome drop = session.Drop(paths, options.recurse, [&](size_t found, size_t) {
        progress.Show(Fill(TrN("Searching: %1 file found", "Searching: %1 files found", found),
                           {Grouped(found)}));
    });
    progress.Clear();
    for (const ReadProblem& problem : drop.problems) {
        ReportUnreadable(io.err, problem.path, problem.error);
    }
    // A PATH that could not be read is a failure, told by the exit status
    // once everything else is done.
    const bool unreadable = !drop.problems.empty() || paths.size() < options.paths.size();
    const int done = unreadable ? kExitRenameFailed : kExitSuccess;

    RenameList& list = session.list();
    const bool all_named = SetFilenames(list, *options.pattern, page);
    if (!all_named || !options.execute) {
        WriteRows(options, list, page, io.out);
        if (all_named) return done;
        ReportUnnamed(list, io.err);
        if (options.execute) io.err << kProgramPrefix << Tr("nothing was renamed") << '\n';
        return kExitEmptyName;
    }

    const RenameOutcome outcome = session.Rename(
        [&](size_t renamed, size_t total) {
            progress.Show(Fill(
                TrN("Renaming: %1 of %2 file renamed", "Renaming: %1 of %2 files renamed", total),
                {Grouped(renamed), Grouped(total)}));
        },
        journals);
    progress.Clear();
    if (outcome.journal_error != 0) {
        WriteRows(options, list, page, io.out);
        if (TellUntrustedJournal(*journals, outcome.journal_error, Tr("nothing was renamed"), io))
            return kExitNoJournal;
        io.err << kProgramPrefix
               << Fill(Tr("cannot write the journal in %1: %2"),
                       {journals->folder(), std::strerror(outcome.journal_error)})
               << '\n'
               << kProgramPrefix
               << Tr("nothing was renamed (--no-journal renames without a journal)") << '\n';
        return kExitNoJournal;
    }
    if (outcome.journal_write_error != 0) {
        io.err << kProgramPrefix
               << Fill(Tr("the journal of this run is incomplete: %1"),
                       {std::strerror(outcome.journal_write_error)})
               << '\n';
    }
    WriteRows(options, list, page, io.out);
    ReportNotes(outcome, list, page, io.err);
    (options.tsv ? io.err : io.out)
        << Fill(Tr("%1 renamed, %2 failed"), {Grouped(outcome.renamed), Grouped(outcome.failed)})
        << '\n';
    return outcome.failed > 0 ? kExitRenameFailed : done;
}

}  // namespace zentavo
