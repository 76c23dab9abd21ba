#include "posix/large_blocks.h"

#include <malloc.h>

namespace zentavo {

void GiveLargeBlocksBack() {
    // Setting it also stops glibc from adjusting it, or the heap's trim
    // threshold, as blocks are freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

}  // namespace zentavo
