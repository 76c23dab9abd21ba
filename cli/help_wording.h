// What the help says that differs between systems: where the journal lies,
// and a whole command with a path as the system spells it. cli/posix/ and
// cli/win32/ each have one.
#pragma once

#include <string>

namespace zentavo {

// help, as zentavo-cli's help text, worded for the system it runs on.
std::string WordedForThisSystem(std::string help);

}  // namespace zentavo
