// The texts of zentavo-cli that describe the program itself.
#pragma once

#include <string>

namespace zentavo {

// The synopsis and the options; shown on standard error after a usage error.
std::string UsageText();

// The usage followed by the pattern codes, the output forms and the exit
// status: what --help shows.
std::string HelpText();

// "Zentavo 1.0" and the full version number, one per line.
std::string VersionText();

}  // namespace zentavo
