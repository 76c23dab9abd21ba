#include "posix/cross_device_move.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

#include "posix/file_copy.h"
#include "posix/os_support.h"
#include "posix/scoped_fd.h"

namespace zentavo {

namespace {

// Kernels or file systems without O_TMPFILE.
bool UnnamedFilesUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// The target's file system has no room for this kind of metadata (FAT, some
// FUSE ones). ENOTSUP is EOPNOTSUPP on Linux.
bool CannotHold(int error) {
    return error == EOPNOTSUPP || error == ENOSYS;
}

// A copy loop that stopped early (a file system whose copy_file_range
// reports the end too soon, a source cut short meanwhile) must not cost the
// source.
int CheckComplete(Os& os, int from, int to) {
    struct stat source {};
    struct stat copy {};
    if (const int error = os.Fstat(from, source); error != 0) return error;
    if (const int error = os.Fstat(to, copy); error != 0) return error;
    return source.st_size == copy.st_size ? 0 : EIO;
}

// The list is read twice (size, then names); a name added in between makes
// the second read fail with ERANGE and start over.
int ListAttributes(Os& os, int fd, std::vector<char>& names) {
    while (true) {
        names.clear();
        size_t length = 0;
        int error = os.Flistxattr(fd, nullptr, 0, length);
        if (CannotHold(error)) return 0;  // no attributes here at all
        if (error != 0) return error;
        if (length == 0) return 0;
        names.resize(length);
        error = os.Flistxattr(fd, names.data(), names.size(), length);
        if (error == ERANGE) continue;
        if (error != 0) return error;
        names.resize(length);
        return 0;
    }
}

int CopyUserAttributes(Os& os, int from, int to) {
    std::vector<char> names;
    if (const int error = ListAttributes(os, from, names); error != 0) return error;
    std::vector<char> value;
    for (size_t at = 0; at < names.size();) {
        const char* name = names.data() + at;
        at += std::strlen(name) + 1;
        if (!std::string_view(name).starts_with("user.")) continue;
        size_t length = 0;
        int error = 0;
        do {
            error = os.Fgetxattr(from, name, nullptr, 0, length);
            if (error != 0) break;
            value.resize(length);
            error = os.Fgetxattr(from, name, value.data(), value.size(), length);
        } while (error == ERANGE);
        if (error == ENODATA) continue;  // removed since the list was read
        if (error != 0) return error;
        const int set_error = os.Fsetxattr(to, name, value.data(), length, 0);
        if (CannotHold(set_error)) return 0;
        if (set_error != 0) return set_error;
    }
    return 0;
}

// Like mv, the bytes, the size and their sync are required; mode, owner,
// times and attributes go where the target can hold them. Attributes go on
// before the mode, which may forbid writing them, and the times go on last,
// after the final write.
int FillCopy(Os& os, int from, int to, const struct stat& source) {
    if (const int error = CopyFileData(os, from, to, source.st_size); error != 0) return error;
    if (const int error = CheckComplete(os, from, to); error != 0) return error;
    if (const int error = CopyUserAttributes(os, from, to); error != 0) return error;
    // Only privileged processes may give files away; the copy then belongs
    // to whoever moves it, as with cp.
    os.Fchown(to, source.st_uid, source.st_gid);
    // The copy is our own file, so EPERM means the file system cannot store
    // the mode (FAT in the kernel).
    if (const int error = os.Fchmod(to, source.st_mode & 07777);
        error != 0 && error != EPERM && !CannotHold(error))
        return error;
    const timespec times[2] = {source.st_atim, source.st_mtim};
    if (const int error = os.Futimens(to, times); error != 0 && !CannotHold(error)) return error;
    return RetryOnEintr([&] { return os.Fsync(to); });
}

// The copy is complete and durable. If from no longer names the file that
// was copied, someone else has moved or replaced it meanwhile: what stands
// there now is not ours to remove, and the copy stays.
int RemoveSource(Os& os, const Place& from, const struct stat& copied) {
    struct stat now {};
    const int error = os.StatAt(from.folder, from.name(), now, AT_SYMLINK_NOFOLLOW);
    if (error == ENOENT) return 0;
    if (error != 0) return error;
    if (!SameInode(now, copied)) return 0;
    return os.UnlinkAt(from.folder, from.name());
}

bool ProcFdAvailable(Os& os) {
    struct stat st {};
    return os.Stat("/proc/self/fd", st) == 0 && S_ISDIR(st.st_mode);
}

FileIdentity IdentityOf(const struct stat& st) {
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

int MoveRegularFile(Os& os, NoReplaceRename& rename, const Place& from, const Place& to,
                    const std::string& scratch_name, MoveResult& result) {
    ScopedFd source(os);
    // Reading without touching the access time leaves a source that stays
    // behind exactly as it was; only the owner may ask for that.
    constexpr int kReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int open_error = source.OpenAt(from.folder, from.name(), kReadFlags | O_NOATIME, 0);
    if (open_error == EPERM) open_error = source.OpenAt(from.folder, from.name(), kReadFlags, 0);
    if (open_error != 0) return open_error;
    struct stat source_stat {};
    if (const int error = os.Fstat(source.fd(), source_stat); error != 0) return error;
    if (!S_ISREG(source_stat.st_mode)) return EXDEV;

    struct stat existing {};
    if (const int lookup = os.StatAt(to.folder, to.name(), existing, AT_SYMLINK_NOFOLLOW);
        lookup != ENOENT)
        return lookup == 0 ? EEXIST : lookup;

    // The copy gets the real name only once it is complete and on disk, so
    // no half copy is ever visible under it, even if the process is killed:
    // an unnamed file in the target folder where the system has them, else
    // the hidden scratch name, known before the move began.
    const Place scratch{to.folder, to.path.substr(0, to.name_at) + scratch_name, to.name_at};
    ScopedFd target(os);
    bool unnamed = false;
    if (ProcFdAvailable(os)) {
        const int error = target.OpenAt(to.folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (error == 0) {
            unnamed = true;
        } else if (!UnnamedFilesUnsupported(error)) {
            return error;
        }
    }
    if (!unnamed) {
        if (const int error = target.OpenAt(scratch.folder, scratch.name(),
                                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                            0600);
            error != 0)
            return error;
    }
    struct stat created {};
    // Without the identity of the new file, nothing may be removed.
    if (const int error = os.Fstat(target.fd(), created); error != 0) return error;

    int error = FillCopy(os, source.fd(), target.fd(), source_stat);
    if (unnamed) {
        if (error == 0) {
            const std::string handle = "/proc/self/fd/" + std::to_string(target.fd());
            error = os.LinkAt(AT_FDCWD, handle.c_str(), to.folder, to.name(), AT_SYMLINK_FOLLOW);
        }
        // An unnamed file vanishes with its descriptor: nothing to clean up.
        if (error != 0) return error;
    } else {
        if (error == 0) error = rename.Move(scratch, to, result.saved_other);
        if (error != 0) {
            RemoveIfStill(os, scratch.folder, scratch.name(), created);
            return error;
        }
    }
    if (error == 0) error = SyncFolder(os, to.folder, ".");
    if (error == 0) error = RemoveSource(os, from, source_stat);
    if (error != 0) {
        RemoveIfStill(os, to.folder, to.name(), created);
        return error;
    }
    result.new_identity = IdentityOf(created);
    return 0;
}

int ReadLinkText(Os& os, const Place& link, off_t size_hint, std::string& text) {
    // Some file systems report a size of 0 for links.
    size_t size = size_hint > 0 ? static_cast<size_t>(size_hint) + 1 : 256;
    while (true) {
        text.resize(size);
        size_t length = 0;
        if (const int error = os.ReadlinkAt(link.folder, link.name(), text.data(), text.size(), length);
            error != 0)
            return error;
        if (length < size) {
            text.resize(length);
            return 0;
        }
        size *= 2;  // possibly cut short: the link grew
    }
}

int MoveSymlink(Os& os, const Place& from, const Place& to, const struct stat& source,
                FileIdentity& moved_to) {
    std::string text;
    if (const int error = ReadLinkText(os, from, source.st_size, text); error != 0) return error;
    if (const int error = os.SymlinkAt(text.c_str(), to.folder, to.name()); error != 0)
        return error;
    struct stat created {};
    if (const int error = os.StatAt(to.folder, to.name(), created, AT_SYMLINK_NOFOLLOW);
        error != 0)
        return error;

    os.LchownAt(to.folder, to.name(), source.st_uid, source.st_gid);  // as for files: where allowed
    const timespec times[2] = {source.st_atim, source.st_mtim};
    int error = os.UtimensAt(to.folder, to.name(), times, AT_SYMLINK_NOFOLLOW);
    if (CannotHold(error)) error = 0;
    if (error == 0) error = SyncFolder(os, to.folder, ".");
    if (error == 0) error = RemoveSource(os, from, source);
    if (error != 0) {
        RemoveIfStill(os, to.folder, to.name(), created);
        return error;
    }
    moved_to = IdentityOf(created);
    return 0;
}

}  // namespace

int MoveAcrossFileSystems(Os& os, NoReplaceRename& rename, const Place& from, const Place& to,
                          const std::string& scratch_name, MoveResult& result) {
    struct stat source {};
    if (const int error = os.StatAt(from.folder, from.name(), source, AT_SYMLINK_NOFOLLOW);
        error != 0)
        return error;
    if (S_ISREG(source.st_mode)) return MoveRegularFile(os, rename, from, to, scratch_name, result);
    if (S_ISLNK(source.st_mode)) return MoveSymlink(os, from, to, source, result.new_identity);
    return EXDEV;
}

}  // namespace zentavo
