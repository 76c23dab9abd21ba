// Whether a descriptor has had input, known without a system call: the
// kernel signals the thread that asked each time input arrives, and the
// signals are counted in memory.
#pragma once

#include "posix/os.h"

namespace zentavo {

// Makes input on fd signal the calling thread, counted by
// InputSignalsCounted(). False where that cannot be had: the signal has a
// handler of someone else's, or the thread blocks it.
bool SignalInputToThisThread(Os& os, int fd);

// The input signals this process has had, of every descriptor: it only
// grows.
unsigned InputSignalsCounted();

}  // namespace zentavo
