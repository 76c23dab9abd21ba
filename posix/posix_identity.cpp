// What the undo asks of the files it finds: who they are, and whether a
// leftover copy may go.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <vector>

#include "posix/os_support.h"
#include "posix/posix_file_system.h"
#include "posix/scoped_fd.h"

namespace zentavo {

namespace {

constexpr size_t kCompareBytes = size_t{256} << 10;

int64_t Nanoseconds(const statx_timestamp& time) {
    return int64_t(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

int ReadSome(Os& os, int fd, char* buffer, size_t size, size_t& got) {
    got = 0;
    while (got < size) {
        size_t done = 0;
        if (const int error =
                RetryOnEintr([&] { return os.Read(fd, buffer + got, size - got, done); });
            error != 0)
            return error;
        if (done == 0) break;
        got += done;
    }
    return 0;
}

}  // namespace

// Whether the inode numbers of a device stay with their files, learnt from
// the first file looked at there: a second look at its name must give the
// same number, and so must the folder's listing, unless the file system is
// one known to agree with it.
bool PosixFileSystem::InodesHold(dev_t device, const std::string& path, uint64_t inode) {
    if (const auto known = inodes_hold_.find(device); known != inodes_hold_.end())
        return known->second;
    bool hold = true;
    struct statx again {};
    if (os_.Statx(path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_INO, again) == 0 &&
        again.stx_ino != inode) {
        hold = false;
    } else if (ScopedFd folder(os_); folder.Open(FolderOf(path, PathSyntax::Posix).c_str(),
                                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0) == 0 &&
                                     !ListingInodesHold(os_, folder.fd())) {
        // A path that ends in a folder's separator names no entry to compare:
        // the next file looked at decides.
        const std::string name = path.substr(path.find_last_of('/') + 1);
        bool listed = false;
        ForEachEntry(os_, folder.fd(), listing_buffer_,
                     [&](const char* entry, unsigned char, uint64_t number) {
                         if (name != entry) return;
                         listed = true;
                         hold = number == inode;
                     });
        if (!listed) return true;
    }
    inodes_hold_[device] = hold;
    return hold;
}

int PosixFileSystem::Stamp(const std::string& path, FileStamp& stamp) {
    struct statx st {};
    if (const int error =
            os_.Statx(path.c_str(), AT_SYMLINK_NOFOLLOW,
                      STATX_INO | STATX_CTIME | STATX_BTIME | STATX_SIZE | STATX_MTIME, st);
        error != 0)
        return error;
    const dev_t device = makedev(st.stx_dev_major, st.stx_dev_minor);
    stamp.identity = {device, st.stx_ino};
    if (!InodesHold(device, path, st.stx_ino)) {
        const uint64_t key =
            (st.stx_size * 0x9E3779B97F4A7C15ull) ^ uint64_t(Nanoseconds(st.stx_mtime));
        stamp.identity.inode = kWeakInode | (key & ~kWeakInode);
    }
    stamp.born_ns = (st.stx_mask & STATX_BTIME) ? Nanoseconds(st.stx_btime) : 0;
    stamp.changed_ns = Nanoseconds(st.stx_ctime);
    stamp.empty_file = S_ISREG(st.stx_mode) && st.stx_size == 0;
    return 0;
}

int PosixFileSystem::RemoveIfSame(const std::string& path, const FileIdentity& identity) {
    FileStamp stamp;
    if (const int error = Stamp(path, stamp); error != 0) return error;
    if (!(stamp.identity == identity)) return ESTALE;
    return os_.Unlink(path.c_str());
}

int PosixFileSystem::SameBytes(const std::string& a, const std::string& b, bool& same) {
    same = false;
    ScopedFd first(os_);
    ScopedFd second(os_);
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    if (const int error = first.Open(a.c_str(), kFlags, 0); error != 0) return error;
    if (const int error = second.Open(b.c_str(), kFlags, 0); error != 0) return error;
    struct stat first_stat {};
    struct stat second_stat {};
    if (const int error = os_.Fstat(first.fd(), first_stat); error != 0) return error;
    if (const int error = os_.Fstat(second.fd(), second_stat); error != 0) return error;
    if (!S_ISREG(first_stat.st_mode) || !S_ISREG(second_stat.st_mode) ||
        first_stat.st_size != second_stat.st_size)
        return 0;
    std::vector<char> first_bytes(kCompareBytes);
    std::vector<char> second_bytes(kCompareBytes);
    while (true) {
        size_t first_got = 0;
        size_t second_got = 0;
        if (const int error =
                ReadSome(os_, first.fd(), first_bytes.data(), kCompareBytes, first_got);
            error != 0)
            return error;
        if (const int error =
                ReadSome(os_, second.fd(), second_bytes.data(), kCompareBytes, second_got);
            error != 0)
            return error;
        if (first_got != second_got ||
            !std::equal(first_bytes.begin(), first_bytes.begin() + long(first_got),
                        second_bytes.begin()))
            return 0;
        if (first_got == 0) {
            same = true;
            return 0;
        }
    }
}

}  // namespace zentavo
