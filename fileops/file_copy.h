// Copying the bytes of one open file into another.
#pragma once

#include "fileops/os.h"

namespace zentavo {

// Copies everything from the current offset of from to the current offset of
// to, by copy_file_range where the kernel can, else by reading and writing.
// Returns 0 or an errno value.
int CopyBytes(Os& os, int from, int to);

}  // namespace zentavo
