// zentavo-cli --undo and --list-runs: the journal of earlier runs.
#pragma once

#include "cli/command_line.h"
#include "cli/rename_command.h"
#include "core/code_page.h"
#include "fileops/file_system.h"
#include "fileops/journal_store.h"

namespace zentavo {

// Moves the files of the last run that is not undone yet, or of the run
// --undo names, back to their names. Returns the exit status: 0 when every
// file came back, 1 when some did not.
int RunUndoCommand(const CliOptions& options, FileSystem& fs, const CodePage& page,
                   JournalStore& journals, const CliStreams& io);

// The runs in the journal, newest first: a table, or tab-separated lines.
int RunListRunsCommand(const CliOptions& options, const CodePage& page, JournalStore& journals,
                       const CliStreams& io);

}  // namespace zentavo
