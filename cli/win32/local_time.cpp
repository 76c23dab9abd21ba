#include "cli/local_time.h"

namespace zentavo {

std::tm LocalTime(std::time_t seconds) {
    std::tm local{};
    ::localtime_s(&local, &seconds);
    return local;
}

}  // namespace zentavo
