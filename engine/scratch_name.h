// Names of the hidden intermediates a rename run may create, fixed before the
// run begins so that a record of the run can hold them before any is used.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentavo {

// A token that tells this run from every other run on the machine: a random
// number and the time it was made.
std::string NewRunToken();

// ".zentavo-<run_token>-<row>.tmp": unique per run and row.
std::string ScratchName(std::string_view run_token, size_t row);

}  // namespace zentavo
