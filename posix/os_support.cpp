#include "posix/os_support.h"

#include <fcntl.h>
#include <sys/statfs.h>

#include "posix/scoped_fd.h"

namespace zentavo {

bool ListingInodesHold(Os& os, int folder) {
    struct statfs st {};
    if (os.Fstatfs(folder, st) != 0) return false;
    switch (static_cast<unsigned long>(st.f_type)) {
        case 0xEF53:      // ext2, ext3, ext4
        case 0x58465342:  // xfs
        case 0x9123683E:  // btrfs
        case 0x01021994:  // tmpfs
        case 0xF2F52010:  // f2fs
        case 0x2FC12FC1:  // zfs
            return true;
        default:
            return false;
    }
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
