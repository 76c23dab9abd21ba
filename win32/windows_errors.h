// The errno values that Windows errors stand for: the engine and the front
// ends speak errno values on every system.
#pragma once

#include <cerrno>

namespace zentavo {

// A folder replaced since it was first opened. MinGW's <errno.h> lacks it;
// the value is Linux's, outside the range MinGW numbers.
#ifndef ESTALE
#define ESTALE 116
#endif

// The errno value for a Windows error code (a DWORD); EIO for one that
// no errno value describes.
int ErrnoOfWindowsError(unsigned long error);

// ErrnoOfWindowsError of GetLastError().
int LastErrno();

}  // namespace zentavo
