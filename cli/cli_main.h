// zentavo-cli from its arguments to its exit status, with the file system and
// the streams passed in so that tests can run it in-process.
#pragma once

#include <span>
#include <string>

#include "cli/console.h"
#include "cli/rename_command.h"
#include "core/code_page.h"
#include "engine/file_system.h"
#include "journal/journal_store.h"

namespace zentavo {

// args are the arguments after the program name; page is the code page of the
// user's locale; journals is where rename runs keep their journals.
int CliMain(std::span<const std::string> args, FileSystem& fs, const CodePage& page,
            JournalStore& journals, const CliStreams& io);

// CliMain with the arguments and streams of the console the program runs in.
int CliMain(Console& console, FileSystem& fs, const CodePage& page, JournalStore& journals);

}  // namespace zentavo
