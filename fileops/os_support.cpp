#include "fileops/os_support.h"

#include <fcntl.h>

#include "fileops/scoped_fd.h"

namespace zentavo {

std::string FolderOf(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos) return ".";
    const size_t end = path.find_last_not_of('/', slash);
    if (end == std::string_view::npos) return "/";
    return std::string(path.substr(0, end + 1));
}

bool StillNames(Os& os, int folder, const char* name, const struct stat& st) {
    struct stat now {};
    return os.StatAt(folder, name, now, AT_SYMLINK_NOFOLLOW) == 0 && SameInode(now, st);
}

void RemoveIfStill(Os& os, int folder, const char* name, const struct stat& st) {
    if (StillNames(os, folder, name, st)) os.UnlinkAt(folder, name);
}

// The folder is opened anew for reading: a descriptor that only locates it
// cannot be synced.
int SyncFolder(Os& os, int at, const char* name) {
    ScopedFd handle(os);
    if (const int error = handle.OpenAt(at, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        error != 0)
        return error;
    const int error = RetryOnEintr([&] { return os.Fsync(handle.fd()); });
    return error == EINVAL ? 0 : error;
}

}  // namespace zentavo
