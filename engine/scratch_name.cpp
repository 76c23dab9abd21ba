#include "engine/scratch_name.h"

#include <chrono>
#include <cstdio>
#include <random>

namespace zentavo {

std::string NewRunToken() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    char token[48];
    std::snprintf(token, sizeof token, "%u-%llx", std::random_device{}(),
                  static_cast<unsigned long long>(nanoseconds));
    return token;
}

std::string ScratchName(std::string_view run_token, size_t row) {
    std::string name = ".zentavo-";
    name += run_token;
    name += '-';
    name += std::to_string(row);
    name += ".tmp";
    return name;
}

}  // namespace zentavo
