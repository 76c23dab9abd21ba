// The one door through which the POSIX file system and journal storage reach
// the operating system, so that tests can make any single system call fail.
#pragma once

#include <sys/stat.h>
#include <sys/statfs.h>
#include <fcntl.h>
#include <sys/types.h>

#include <csignal>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace zentavo {

// Every call returns 0 or the errno value it failed with, and hands results
// back through its reference parameters. EINTR comes back like any other
// error: whether a retry is right depends on the caller. A name is taken
// relative to the open folder before it (AT_FDCWD: the current folder), so
// that a move stays in the folder it opened whatever its path names now.
class Os {
public:
    virtual ~Os() = default;

    // renameat2
    virtual int RenameAt(int from_folder, const char* from, int to_folder, const char* to,
                         unsigned flags) = 0;
    // linkat
    virtual int LinkAt(int from_folder, const char* from, int to_folder, const char* to,
                       int flags) = 0;
    // unlinkat, without AT_REMOVEDIR
    virtual int UnlinkAt(int folder, const char* name) = 0;
    virtual int SymlinkAt(const char* target, int folder, const char* name) = 0;
    // length is the number of bytes placed in buffer; no terminator is added.
    virtual int ReadlinkAt(int folder, const char* name, char* buffer, size_t size,
                           size_t& length) = 0;
    // fcntl(F_SETLEASE) with F_WRLCK, F_RDLCK or F_UNLCK; no signal tells
    // of a break, which GetLease shows.
    virtual int SetLease(int fd, int lease) = 0;
    // fcntl(F_GETLEASE): the lease held, or F_UNLCK.
    virtual int GetLease(int fd, int& lease) = 0;
    // inotify_init1, and inotify_add_watch giving the watch's number: what
    // tells a run, at no cost per move, that a folder it holds has moved.
    virtual int InotifyInit(int flags, int& fd) = 0;
    virtual int InotifyAddWatch(int fd, const char* path, uint32_t mask, int& watch) = 0;
    // fcntl F_SETSIG, F_SETOWN_EX (the calling thread) and F_SETFL adding
    // O_ASYNC: input on fd sends signal to the calling thread alone.
    virtual int SignalOnInput(int fd, int signal) = 0;
    // sigaction: either of act and old may be null.
    virtual int SigAction(int signal, const struct sigaction* act, struct sigaction* old) = 0;
    // pthread_sigmask, asking only: the signals the calling thread blocks.
    virtual int BlockedSignals(sigset_t& blocked) = 0;

    int Unlink(const char* path) { return UnlinkAt(AT_FDCWD, path); }

    virtual int Lstat(const char* path, struct stat& st) = 0;
    virtual int Stat(const char* path, struct stat& st) = 0;
    // fstatat: name relative to the open folder.
    virtual int StatAt(int folder, const char* name, struct stat& st, int flags) = 0;
    virtual int Fstat(int fd, struct stat& st) = 0;
    // statx(AT_FDCWD, path, flags, mask): the birth time where the file
    // system keeps one.
    virtual int Statx(const char* path, int flags, unsigned mask, struct statx& st) = 0;
    virtual int Fstatfs(int fd, struct statfs& st) = 0;
    // pathconf(path, name): value is -1 where the system sets no limit.
    virtual int Pathconf(const char* path, int name, long& value) = 0;
    virtual int Mkdir(const char* path, mode_t mode) = 0;

    // openat
    virtual int OpenAt(int folder, const char* name, int flags, mode_t mode, int& fd) = 0;
    int Open(const char* path, int flags, mode_t mode, int& fd) {
        return OpenAt(AT_FDCWD, path, flags, mode, fd);
    }
    virtual int Close(int fd) = 0;
    virtual int Read(int fd, void* buffer, size_t size, size_t& done) = 0;
    virtual int Write(int fd, const void* buffer, size_t size, size_t& done) = 0;
    virtual int Pread(int fd, void* buffer, size_t size, off_t offset, size_t& done) = 0;
    // copy_file_range at both files' current offsets.
    virtual int CopyFileRange(int from, int to, size_t size, size_t& done) = 0;
    // lseek: whence is SEEK_SET, SEEK_DATA or SEEK_HOLE; offset is in and out.
    virtual int Lseek(int fd, off_t& offset, int whence) = 0;
    virtual int Ftruncate(int fd, off_t size) = 0;
    virtual int Fsync(int fd) = 0;
    // flock: operation is LOCK_SH or LOCK_EX, with LOCK_NB, or LOCK_UN.
    virtual int Flock(int fd, int operation) = 0;
    // getdents64: packed struct dirent64 records.
    virtual int ReadFolder(int fd, void* buffer, size_t size, size_t& done) = 0;

    virtual int Fchmod(int fd, mode_t mode) = 0;
    virtual int Fchown(int fd, uid_t owner, gid_t group) = 0;
    // fchownat with AT_SYMLINK_NOFOLLOW: the entry itself.
    virtual int LchownAt(int folder, const char* name, uid_t owner, gid_t group) = 0;
    virtual int Futimens(int fd, const timespec times[2]) = 0;
    virtual int UtimensAt(int folder, const char* name, const timespec times[2], int flags) = 0;

    virtual int Flistxattr(int fd, char* names, size_t size, size_t& length) = 0;
    virtual int Fgetxattr(int fd, const char* name, void* value, size_t size, size_t& length) = 0;
    virtual int Fsetxattr(int fd, const char* name, const void* value, size_t size, int flags) = 0;

    virtual int Getcwd(char* buffer, size_t size) = 0;
    // realpath(path): every link, "." and ".." resolved.
    virtual int RealPath(const char* path, std::string& resolved) = 0;
};

class PosixOs final : public Os {
public:
    int RenameAt(int from_folder, const char* from, int to_folder, const char* to,
                 unsigned flags) override;
    int LinkAt(int from_folder, const char* from, int to_folder, const char* to,
               int flags) override;
    int UnlinkAt(int folder, const char* name) override;
    int SymlinkAt(const char* target, int folder, const char* name) override;
    int ReadlinkAt(int folder, const char* name, char* buffer, size_t size,
                   size_t& length) override;
    int SetLease(int fd, int lease) override;
    int GetLease(int fd, int& lease) override;
    int InotifyInit(int flags, int& fd) override;
    int InotifyAddWatch(int fd, const char* path, uint32_t mask, int& watch) override;
    int SignalOnInput(int fd, int signal) override;
    int SigAction(int signal, const struct sigaction* act, struct sigaction* old) override;
    int BlockedSignals(sigset_t& blocked) override;

    int Lstat(const char* path, struct stat& st) override;
    int Stat(const char* path, struct stat& st) override;
    int StatAt(int folder, const char* name, struct stat& st, int flags) override;
    int Fstat(int fd, struct stat& st) override;
    int Statx(const char* path, int flags, unsigned mask, struct statx& st) override;
    int Fstatfs(int fd, struct statfs& st) override;
    int Pathconf(const char* path, int name, long& value) override;
    int Mkdir(const char* path, mode_t mode) override;

    int OpenAt(int folder, const char* name, int flags, mode_t mode, int& fd) override;
    int Close(int fd) override;
    int Read(int fd, void* buffer, size_t size, size_t& done) override;
    int Write(int fd, const void* buffer, size_t size, size_t& done) override;
    int Pread(int fd, void* buffer, size_t size, off_t offset, size_t& done) override;
    int CopyFileRange(int from, int to, size_t size, size_t& done) override;
    int Lseek(int fd, off_t& offset, int whence) override;
    int Ftruncate(int fd, off_t size) override;
    int Fsync(int fd) override;
    int Flock(int fd, int operation) override;
    int ReadFolder(int fd, void* buffer, size_t size, size_t& done) override;

    int Fchmod(int fd, mode_t mode) override;
    int Fchown(int fd, uid_t owner, gid_t group) override;
    int LchownAt(int folder, const char* name, uid_t owner, gid_t group) override;
    int Futimens(int fd, const timespec times[2]) override;
    int UtimensAt(int folder, const char* name, const timespec times[2], int flags) override;

    int Flistxattr(int fd, char* names, size_t size, size_t& length) override;
    int Fgetxattr(int fd, const char* name, void* value, size_t size, size_t& length) override;
    int Fsetxattr(int fd, const char* name, const void* value, size_t size, int flags) override;

    int Getcwd(char* buffer, size_t size) override;
    int RealPath(const char* path, std::string& resolved) override;
};

// The process's PosixOs.
Os& SystemOs();

}  // namespace zentavo
