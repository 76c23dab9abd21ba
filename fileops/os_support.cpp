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

bool StillNames(Os& os, const std::string& path, const struct stat& st) {
    struct stat now {};
    return os.Lstat(path.c_str(), now) == 0 && SameInode(now, st);
}

void RemoveIfStill(Os& os, const std::string& path, const struct stat& st) {
    if (StillNames(os, path, st)) os.Unlink(path.c_str());
}

int SyncFolder(Os& os, const std::string& folder) {
    ScopedFd handle(os);
    if (const int error = handle.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        error != 0)
        return error;
    const int error = RetryOnEintr([&] { return os.Fsync(handle.fd()); });
    return error == EINVAL ? 0 : error;
}

}  // namespace zentavo
