#include "cli/help_wording.h"

namespace zentavo {

// The help is written for POSIX systems, and translated as it is.
std::string WordedForThisSystem(std::string help) {
    return help;
}

}  // namespace zentavo
