#include "fileops/os.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace zentavo {

namespace {

int Status(int result) {
    return result == 0 ? 0 : errno;
}

int Count(ssize_t result, size_t& count) {
    if (result < 0) {
        count = 0;
        return errno;
    }
    count = static_cast<size_t>(result);
    return 0;
}

}  // namespace

int PosixOs::Rename(const char* from, const char* to, unsigned flags) {
    return Status(::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags));
}

int PosixOs::Link(const char* from, const char* to, int flags) {
    return Status(::linkat(AT_FDCWD, from, AT_FDCWD, to, flags));
}

int PosixOs::Unlink(const char* path) {
    return Status(::unlink(path));
}

int PosixOs::Symlink(const char* target, const char* path) {
    return Status(::symlink(target, path));
}

int PosixOs::Readlink(const char* path, char* buffer, size_t size, size_t& length) {
    return Count(::readlink(path, buffer, size), length);
}

int PosixOs::Lstat(const char* path, struct stat& st) {
    return Status(::lstat(path, &st));
}

int PosixOs::Stat(const char* path, struct stat& st) {
    return Status(::stat(path, &st));
}

int PosixOs::StatAt(int folder, const char* name, struct stat& st, int flags) {
    return Status(::fstatat(folder, name, &st, flags));
}

int PosixOs::Fstat(int fd, struct stat& st) {
    return Status(::fstat(fd, &st));
}

int PosixOs::Statx(const char* path, int flags, unsigned mask, struct statx& st) {
    return Status(::statx(AT_FDCWD, path, flags, mask, &st));
}

int PosixOs::Fstatfs(int fd, struct statfs& st) {
    return Status(::fstatfs(fd, &st));
}

int PosixOs::Pathconf(const char* path, int name, long& value) {
    // -1 with errno untouched means no limit.
    errno = 0;
    value = ::pathconf(path, name);
    return value == -1 ? errno : 0;
}

int PosixOs::Mkdir(const char* path, mode_t mode) {
    return Status(::mkdir(path, mode));
}

int PosixOs::Open(const char* path, int flags, mode_t mode, int& fd) {
    fd = ::open(path, flags, mode);
    return fd < 0 ? errno : 0;
}

int PosixOs::Close(int fd) {
    return Status(::close(fd));
}

int PosixOs::Read(int fd, void* buffer, size_t size, size_t& done) {
    return Count(::read(fd, buffer, size), done);
}

int PosixOs::Write(int fd, const void* buffer, size_t size, size_t& done) {
    return Count(::write(fd, buffer, size), done);
}

int PosixOs::Pread(int fd, void* buffer, size_t size, off_t offset, size_t& done) {
    return Count(::pread(fd, buffer, size, offset), done);
}

int PosixOs::CopyFileRange(int from, int to, size_t size, size_t& done) {
    return Count(::copy_file_range(from, nullptr, to, nullptr, size, 0), done);
}

int PosixOs::Lseek(int fd, off_t& offset, int whence) {
    const off_t result = ::lseek(fd, offset, whence);
    if (result < 0) return errno;
    offset = result;
    return 0;
}

int PosixOs::Ftruncate(int fd, off_t size) {
    return Status(::ftruncate(fd, size));
}

int PosixOs::Fsync(int fd) {
    return Status(::fsync(fd));
}

int PosixOs::Flock(int fd, int operation) {
    return Status(::flock(fd, operation));
}

int PosixOs::ReadFolder(int fd, void* buffer, size_t size, size_t& done) {
    return Count(::getdents64(fd, buffer, size), done);
}

int PosixOs::Fchmod(int fd, mode_t mode) {
    return Status(::fchmod(fd, mode));
}

int PosixOs::Fchown(int fd, uid_t owner, gid_t group) {
    return Status(::fchown(fd, owner, group));
}

int PosixOs::Lchown(const char* path, uid_t owner, gid_t group) {
    return Status(::lchown(path, owner, group));
}

int PosixOs::Futimens(int fd, const timespec times[2]) {
    return Status(::futimens(fd, times));
}

int PosixOs::Utimensat(const char* path, const timespec times[2], int flags) {
    return Status(::utimensat(AT_FDCWD, path, times, flags));
}

int PosixOs::Flistxattr(int fd, char* names, size_t size, size_t& length) {
    return Count(::flistxattr(fd, names, size), length);
}

int PosixOs::Fgetxattr(int fd, const char* name, void* value, size_t size, size_t& length) {
    return Count(::fgetxattr(fd, name, value, size), length);
}

int PosixOs::Fsetxattr(int fd, const char* name, const void* value, size_t size, int flags) {
    return Status(::fsetxattr(fd, name, value, size, flags));
}

int PosixOs::Getcwd(char* buffer, size_t size) {
    return ::getcwd(buffer, size) != nullptr ? 0 : errno;
}

int PosixOs::RealPath(const char* path, std::string& resolved) {
    char* const real = ::realpath(path, nullptr);
    if (real == nullptr) return errno;
    resolved = real;
    std::free(real);
    return 0;
}

Os& SystemOs() {
    static PosixOs os;
    return os;
}

}  // namespace zentavo
