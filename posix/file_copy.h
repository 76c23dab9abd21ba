// Copying the bytes of one open file into another.
#pragma once

#include <sys/types.h>

#include "posix/os.h"

namespace zentavo {

// Copies the first size bytes of from (its size when the caller looked) into
// the empty file to: by copy_file_range where the kernel can, else by
// reading and writing, and only the parts that hold data, so that a sparse
// file stays sparse. Returns 0 or an errno value.
int CopyFileData(Os& os, int from, int to, off_t size);

}  // namespace zentavo
