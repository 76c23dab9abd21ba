// What the undo asks of the files it finds: who they are, and whether a
// leftover copy may go.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <vector>

#include "fileops/os_support.h"
#include "fileops/posix_file_system.h"
#include "fileops/scoped_fd.h"

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

int PosixFileSystem::Stamp(const std::string& path, FileStamp& stamp) {
    struct statx st {};
    if (const int error =
            os_.Statx(path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_CTIME | STATX_BTIME, st);
        error != 0)
        return error;
    stamp.identity = {makedev(st.stx_dev_major, st.stx_dev_minor), st.stx_ino};
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
