#include "cli/help_wording.h"

#include <string_view>

namespace zentavo {

namespace {

void Replace(std::string& text, std::string_view what, std::string_view with) {
    if (const size_t at = text.find(what); at != std::string::npos)
        text.replace(at, what.size(), with);
}

}  // namespace

// The help is English on Windows (see english_catalogue.cpp), so its POSIX
// wording is found as written.
std::string WordedForThisSystem(std::string help) {
    Replace(help, "$XDG_STATE_HOME/zentavo/journal (~/.local/state/zentavo/journal when unset)",
            "%LOCALAPPDATA%\\Zentavo\\journal");
    Replace(help, "gives rome-001.jpg.\n",
            "gives rome-001.jpg.\n"
            "  zentavo-cli -x -p \"%<1d-%3c.%<e\" C:\\Photos renames the files of\n"
            "  C:\\Photos to photos-001.jpg, photos-002.jpg, ...\n");
    return help;
}

}  // namespace zentavo
