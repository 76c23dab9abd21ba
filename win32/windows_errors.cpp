#include "win32/windows_errors.h"

#include <windows.h>

#include <iterator>

namespace zentavo {

namespace {

struct ErrorPair {
    DWORD windows;
    int errno_value;
};

// Only errors a file operation can meet; the rest are an I/O error to the
// user, which is what they are.
constexpr ErrorPair kErrors[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_INVALID_DRIVE, ENOENT},
    {ERROR_BAD_NETPATH, ENOENT},
    {ERROR_BAD_NET_NAME, ENOENT},
    {ERROR_DELETE_PENDING, ENOENT},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_CANT_ACCESS_FILE, EACCES},
    {ERROR_PRIVILEGE_NOT_HELD, EPERM},
    {ERROR_SHARING_VIOLATION, EBUSY},
    {ERROR_LOCK_VIOLATION, EBUSY},
    {ERROR_USER_MAPPED_FILE, EBUSY},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_NOT_SAME_DEVICE, EXDEV},
    {ERROR_WRITE_PROTECT, EROFS},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_INVALID_NAME, EINVAL},
    {ERROR_INVALID_PARAMETER, EINVAL},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
    {ERROR_CANT_RESOLVE_FILENAME, ELOOP},
    {ERROR_TOO_MANY_OPEN_FILES, EMFILE},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_OUTOFMEMORY, ENOMEM},
    {ERROR_OPERATION_ABORTED, ECANCELED},
    {ERROR_NOT_SUPPORTED, EOPNOTSUPP},
    {ERROR_INVALID_FUNCTION, EOPNOTSUPP},
};

}  // namespace

int ErrnoOfWindowsError(unsigned long error) {
    for (const ErrorPair& pair : kErrors)
        if (pair.windows == error) return pair.errno_value;
    return EIO;
}

int LastErrno() {
    return ErrnoOfWindowsError(GetLastError());
}

}  // namespace zentavo
