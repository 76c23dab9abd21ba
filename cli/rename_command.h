// The whole job of zentavo-cli once its command line is read: the drop of the
// paths, "Set Filenames" with the pattern and, when asked, "Rename!".
#pragma once

#include <ostream>

#include "cli/command_line.h"
#include "core/code_page.h"
#include "engine/file_system.h"
#include "journal/journal_store.h"

namespace zentavo {

struct CliStreams {
    std::ostream& out;
    std::ostream& err;
    bool err_is_terminal = false;  // only then is a progress line shown
};

// options must hold a pattern; page reads it, the paths and the names. With -x
// the run keeps its journal in journals, unless that is null. Returns the exit
// status.
int RunRenameCommand(const CliOptions& options, FileSystem& fs, const CodePage& page,
                     JournalStore* journals, const CliStreams& io);

}  // namespace zentavo
