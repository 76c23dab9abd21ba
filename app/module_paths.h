// Names the program takes from the path of its own executable.
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

// The full path of the running executable, as the system spells it; empty
// when it cannot be read.
std::string ExecutablePath();

// The executable's file name without its extension.
std::string ExecutableTitle(std::string_view executable_path);

// The help file lies beside the executable and is named like it with the
// extension ".HLP" in place of the executable's own, or appended when it has
// none. Only the file name is looked at for the extension, so a dot in a
// folder name ("/home/u/.local/bin/zentavo") is not one, nor is the dot that
// starts a hidden file's name.
std::string HelpFilePath(std::string_view executable_path);

}  // namespace zentavo
