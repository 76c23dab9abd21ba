// zentavo-cli --undo, --redo and --list-runs: the journal of earlier runs.
#pragma once

#include <string_view>

#include "cli/command_line.h"
#include "cli/rename_command.h"
#include "core/code_page.h"
#include "engine/file_system.h"
#include "journal/journal_store.h"

namespace zentavo {

// Moves the files of the run Undo takes next (or of the run --undo names)
// back to their names, or with --redo those of the run Redo takes next (or
// of the run it names) forward again. Returns the exit status: 0 when every
// file came back, 1 when some did not.
int RunUndoCommand(const CliOptions& options, FileSystem& fs, const CodePage& page,
                   JournalStore& journals, const CliStreams& io);

// When the journal was refused (error) because someone else could change
// it, tells why and that nothing was done (what: "renamed", "undone", ...),
// and returns true: the command then exits with kExitNoJournal.
bool TellUntrustedJournal(const JournalStore& journals, int error, std::string_view what,
                          const CliStreams& io);

// The runs in the journal, newest first, marking those Undo and Redo take
// next: a table, or tab-separated lines.
int RunListRunsCommand(const CliOptions& options, const CodePage& page, JournalStore& journals,
                       const CliStreams& io);

}  // namespace zentavo
