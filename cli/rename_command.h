// The whole job of zentavo-cli once its command line is read: the drop of the
// paths, "Set Filenames" with the pattern and, when asked, "Rename!".
#pragma once

#include <ostream>

#include "cli/command_line.h"
#include "fileops/file_system.h"

namespace zentavo {

struct CliStreams {
    std::ostream& out;
    std::ostream& err;
    bool err_is_terminal = false;  // only then is a progress line shown
};

// options must hold a pattern. Returns the exit status.
int RunRenameCommand(const CliOptions& options, FileSystem& fs, const CliStreams& io);

}  // namespace zentavo
