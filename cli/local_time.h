// The wall-clock time of the user's time zone, which each platform reads in
// its own way; cli/posix/ and cli/win32/ each have one.
#pragma once

#include <ctime>

namespace zentavo {

// seconds since 1970 in the local time zone.
std::tm LocalTime(std::time_t seconds);

}  // namespace zentavo
