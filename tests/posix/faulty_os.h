// An Os that passes every call to the real one, except those a test has
// chosen to fail, cut short or aim elsewhere.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "posix/os.h"

namespace zentavo {

enum class OsCall {
    Rename,
    Link,
    Unlink,
    Symlink,
    Readlink,
    Lstat,
    Stat,
    StatAt,
    Fstat,
    Statx,
    Fstatfs,
    Pathconf,
    Mkdir,
    Open,
    Close,
    Read,
    Write,
    Pread,
    CopyFileRange,
    Lseek,
    Ftruncate,
    Fsync,
    Flock,
    ReadFolder,
    Fchmod,
    Fchown,
    Lchown,
    Futimens,
    Utimensat,
    Flistxattr,
    Fgetxattr,
    Fsetxattr,
    Getcwd,
    RealPath,
    SetLease,
    GetLease,
    InotifyInit,
    InotifyAddWatch,
    SignalOnInput,
    SigAction,
    BlockedSignals,
    kCount,
};

struct Fault {
    OsCall call = OsCall::Rename;
    // Only calls naming this path (either path of a rename or link; for a
    // descriptor, the path it was opened with; for a name in an open folder,
    // the folder's path and the name). Empty: any path.
    std::string path = {};
    int nth = 0;                // only the nth matching call, counting from 1; 0: every one
    int error = 0;              // fail with this errno without making the call
    size_t limit = 0;           // Read, Write, CopyFileRange, ReadFolder: at most this many bytes
    std::string redirect = {};  // make the call on this path instead of path
    std::function<void()> before = {};  // runs just before the call is made
};

class FaultyOs : public Os {
public:
    explicit FaultyOs(Os& real = SystemOs()) : real_(real) {}

    void Add(Fault fault) { faults_.push_back({std::move(fault), 0}); }
    // How many calls of this kind were asked for, failed ones included.
    size_t count(OsCall call) const { return counts_[static_cast<size_t>(call)]; }
    // Makes listings report DT_UNKNOWN for every entry, as some file
    // systems do.
    void HideEntryTypes() { hide_entry_types_ = true; }
    // Makes every rename with flags fail with EINVAL, as on a file system
    // without renameat2 (FUSE, NFS, sshfs).
    void RefuseRenameFlags() { refuse_rename_flags_ = true; }
    // Makes statx and every stat of a name (not of an open descriptor) give
    // a file another inode number at every look, and
    // folders tell of a FUSE file system, as sshfs does without use_ino.
    void RenumberEveryLook() { renumber_ = true; }

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

private:
    struct Armed {
        Fault fault;
        int seen = 0;
    };
    // What a call is to do: fail, or go ahead on paths and sizes that a
    // matching fault may have changed.
    struct Verdict {
        int error = 0;
        size_t limit = 0;
    };

    // A name in an open folder, with the path faults match and redirect.
    struct Named {
        int folder = AT_FDCWD;
        std::string path;  // the folder's path and the name
        const char* name = nullptr;
    };

    Verdict Judge(OsCall call, std::vector<const char**> paths);
    Verdict JudgeFd(OsCall call, int fd);
    Verdict JudgeAt(OsCall call, std::vector<Named*> names);
    Named At(int folder, const char* name) const;
    std::string PathOf(int fd) const;

    Os& real_;
    std::vector<Armed> faults_;
    std::array<size_t, static_cast<size_t>(OsCall::kCount)> counts_{};
    std::map<int, std::string> open_paths_;
    bool hide_entry_types_ = false;
    bool refuse_rename_flags_ = false;
    bool renumber_ = false;
    uint64_t looks_ = 0;
};

}  // namespace zentavo
