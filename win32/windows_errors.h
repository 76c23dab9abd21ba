// The errno values that Windows errors stand for: the engine and the front
// ends speak errno values on every system.
#pragma once

#include "engine/file_system.h"  // the errno values, ESTALE too

namespace zentavo {

// The errno value for a Windows error code (a DWORD); EIO for one that
// no errno value describes.
int ErrnoOfWindowsError(unsigned long error);

// ErrnoOfWindowsError of GetLastError().
int LastErrno();

}  // namespace zentavo
