#pragma once

#include <cstddef>
#include <functional>

namespace zentavo {

// Told now and then how many items a long operation has handled; total is 0
// while it is not known yet.
using Progress = std::function<void(size_t done, size_t total)>;

}  // namespace zentavo
