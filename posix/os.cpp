#include "posix/os.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
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

int PosixOs::RenameAt(int from_folder, const char* from, int to_folder, const char* to,
                      unsigned flags) {
    return Status(::renameat2(from_folder, from, to_folder, to, flags));
}

int PosixOs::LinkAt(int from_folder, const char* from, int to_folder, const char* to, int flags) {
    return Status(::linkat(from_folder, from, to_folder, to, flags));
}

int PosixOs::UnlinkAt(int folder, const char* name) {
    return Status(::unlinkat(folder, name, 0));
}

int PosixOs::SymlinkAt(const char* target, int folder, const char* name) {
    return Status(::symlinkat(target, folder, name));
}

int PosixOs::ReadlinkAt(int folder, const char* name, char* buffer, size_t size,
                        size_t& length) {
    return Count(::readlinkat(folder, name, buffer, size), length);
}

// Taking a lease makes this process the one signalled when it is broken,
// with SIGIO, which would end it. The signal is SIGURG instead, which does
// nothing unless asked for, until no one is signalled at all: the holder
// asks with GetLease.
int PosixOs::SetLease(int fd, int lease) {
    if (lease != F_UNLCK && ::fcntl(fd, F_SETSIG, SIGURG) != 0) return errno;
    if (::fcntl(fd, F_SETLEASE, lease) != 0) return errno;
    if (lease != F_UNLCK) ::fcntl(fd, F_SETOWN, 0);
    return 0;
}

int PosixOs::GetLease(int fd, int& lease) {
    lease = ::fcntl(fd, F_GETLEASE);
    return lease < 0 ? errno : 0;
}

int PosixOs::InotifyInit(int flags, int& fd) {
    fd = ::inotify_init1(flags);
    return fd < 0 ? errno : 0;
}

int PosixOs::InotifyAddWatch(int fd, const char* path, uint32_t mask, int& watch) {
    watch = ::inotify_add_watch(fd, path, mask);
    return watch < 0 ? errno : 0;
}

int PosixOs::SignalOnInput(int fd, int signal) {
    const f_owner_ex owner{F_OWNER_TID, ::gettid()};
    if (::fcntl(fd, F_SETSIG, signal) != 0 || ::fcntl(fd, F_SETOWN_EX, &owner) != 0) return errno;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0) return errno;
    return Status(::fcntl(fd, F_SETFL, flags | O_ASYNC));
}

int PosixOs::SigAction(int signal, const struct sigaction* act, struct sigaction* old) {
    return Status(::sigaction(signal, act, old));
}

int PosixOs::BlockedSignals(sigset_t& blocked) {
    return ::pthread_sigmask(SIG_BLOCK, nullptr, &blocked);
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

int PosixOs::OpenAt(int folder, const char* name, int flags, mode_t mode, int& fd) {
    fd = ::openat(folder, name, flags, mode);
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

int PosixOs::LchownAt(int folder, const char* name, uid_t owner, gid_t group) {
    return Status(::fchownat(folder, name, owner, group, AT_SYMLINK_NOFOLLOW));
}

int PosixOs::Futimens(int fd, const timespec times[2]) {
    return Status(::futimens(fd, times));
}

int PosixOs::UtimensAt(int folder, const char* name, const timespec times[2], int flags) {
    return Status(::utimensat(folder, name, times, flags));
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
