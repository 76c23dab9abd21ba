// zentavo.exe [--] [PATH...]: the paths the program opens with, as a drop.
#pragma once

#include <string>
#include <vector>

namespace zentavo {

// The paths of a command line as Windows splits it (CommandLineToArgvW), the
// program's own name aside and a first "--" dropped, each in WTF-8.
std::vector<std::string> CommandLinePaths(const wchar_t* command_line);

}  // namespace zentavo
