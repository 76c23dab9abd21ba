// zentavo-cli from its arguments to its exit status, with the file system and
// the streams passed in so that tests can run it in-process.
#pragma once

#include <span>
#include <string>

#include "cli/rename_command.h"
#include "fileops/file_system.h"

namespace zentavo {

// args are the arguments after the program name.
int CliMain(std::span<const std::string> args, FileSystem& fs, const CliStreams& io);

}  // namespace zentavo
