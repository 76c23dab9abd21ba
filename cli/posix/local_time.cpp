#include "cli/local_time.h"

namespace zentavo {

std::tm LocalTime(std::time_t seconds) {
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return local;
}

}  // namespace zentavo
