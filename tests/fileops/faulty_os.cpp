#include "tests/fileops/faulty_os.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace zentavo {

FaultyOs::Verdict FaultyOs::Judge(OsCall call, std::vector<const char**> paths) {
    ++counts_[static_cast<size_t>(call)];
    Verdict verdict;
    for (Armed& armed : faults_) {
        const Fault& fault = armed.fault;
        if (fault.call != call) continue;
        const char** named = nullptr;
        if (!fault.path.empty()) {
            const auto found = std::find_if(paths.begin(), paths.end(), [&](const char** path) {
                return *path != nullptr && fault.path == *path;
            });
            if (found == paths.end()) continue;
            named = *found;
        }
        ++armed.seen;
        if (fault.nth != 0 && armed.seen != fault.nth) continue;
        // Every matching fault counts this call, whichever of them decides it.
        if (verdict.error != 0) continue;
        if (fault.before) fault.before();
        if (named != nullptr && !fault.redirect.empty()) *named = fault.redirect.c_str();
        if (fault.error != 0) verdict.error = fault.error;
        if (fault.limit != 0) verdict.limit = fault.limit;
    }
    return verdict;
}

std::string FaultyOs::PathOf(int fd) const {
    const auto found = open_paths_.find(fd);
    return found == open_paths_.end() ? std::string() : found->second;
}

FaultyOs::Verdict FaultyOs::JudgeFd(OsCall call, int fd) {
    const std::string path = PathOf(fd);
    const char* name = path.c_str();
    return Judge(call, {&name});
}

namespace {

size_t Limited(size_t size, size_t limit) {
    return limit == 0 ? size : std::min(size, limit);
}

}  // namespace

int FaultyOs::Rename(const char* from, const char* to, unsigned flags) {
    const Verdict verdict = Judge(OsCall::Rename, {&from, &to});
    if (verdict.error != 0) return verdict.error;
    if (flags != 0 && refuse_rename_flags_) return EINVAL;
    return real_.Rename(from, to, flags);
}

int FaultyOs::Link(const char* from, const char* to, int flags) {
    const Verdict verdict = Judge(OsCall::Link, {&from, &to});
    return verdict.error != 0 ? verdict.error : real_.Link(from, to, flags);
}

int FaultyOs::Unlink(const char* path) {
    const Verdict verdict = Judge(OsCall::Unlink, {&path});
    return verdict.error != 0 ? verdict.error : real_.Unlink(path);
}

int FaultyOs::Symlink(const char* target, const char* path) {
    const Verdict verdict = Judge(OsCall::Symlink, {&path});
    return verdict.error != 0 ? verdict.error : real_.Symlink(target, path);
}

int FaultyOs::Readlink(const char* path, char* buffer, size_t size, size_t& length) {
    const Verdict verdict = Judge(OsCall::Readlink, {&path});
    return verdict.error != 0 ? verdict.error : real_.Readlink(path, buffer, size, length);
}

int FaultyOs::Lstat(const char* path, struct stat& st) {
    const Verdict verdict = Judge(OsCall::Lstat, {&path});
    return verdict.error != 0 ? verdict.error : real_.Lstat(path, st);
}

int FaultyOs::Stat(const char* path, struct stat& st) {
    const Verdict verdict = Judge(OsCall::Stat, {&path});
    return verdict.error != 0 ? verdict.error : real_.Stat(path, st);
}

int FaultyOs::StatAt(int folder, const char* name, struct stat& st, int flags) {
    const Verdict verdict = Judge(OsCall::StatAt, {&name});
    return verdict.error != 0 ? verdict.error : real_.StatAt(folder, name, st, flags);
}

int FaultyOs::Fstat(int fd, struct stat& st) {
    const Verdict verdict = JudgeFd(OsCall::Fstat, fd);
    return verdict.error != 0 ? verdict.error : real_.Fstat(fd, st);
}

int FaultyOs::Statx(const char* path, int flags, unsigned mask, struct statx& st) {
    const Verdict verdict = Judge(OsCall::Statx, {&path});
    return verdict.error != 0 ? verdict.error : real_.Statx(path, flags, mask, st);
}

int FaultyOs::Fstatfs(int fd, struct statfs& st) {
    const Verdict verdict = JudgeFd(OsCall::Fstatfs, fd);
    return verdict.error != 0 ? verdict.error : real_.Fstatfs(fd, st);
}

int FaultyOs::Pathconf(const char* path, int name, long& value) {
    const Verdict verdict = Judge(OsCall::Pathconf, {&path});
    return verdict.error != 0 ? verdict.error : real_.Pathconf(path, name, value);
}

int FaultyOs::Mkdir(const char* path, mode_t mode) {
    const Verdict verdict = Judge(OsCall::Mkdir, {&path});
    return verdict.error != 0 ? verdict.error : real_.Mkdir(path, mode);
}

int FaultyOs::Open(const char* path, int flags, mode_t mode, int& fd) {
    const std::string named = path;
    const Verdict verdict = Judge(OsCall::Open, {&path});
    if (verdict.error != 0) {
        fd = -1;
        return verdict.error;
    }
    const int error = real_.Open(path, flags, mode, fd);
    if (error == 0) open_paths_[fd] = named;
    return error;
}

int FaultyOs::Close(int fd) {
    const Verdict verdict = JudgeFd(OsCall::Close, fd);
    open_paths_.erase(fd);
    // Like close(2): the descriptor is gone even when the call reports an
    // error.
    const int error = real_.Close(fd);
    return verdict.error != 0 ? verdict.error : error;
}

int FaultyOs::Read(int fd, void* buffer, size_t size, size_t& done) {
    const Verdict verdict = JudgeFd(OsCall::Read, fd);
    if (verdict.error != 0) return verdict.error;
    return real_.Read(fd, buffer, Limited(size, verdict.limit), done);
}

int FaultyOs::Write(int fd, const void* buffer, size_t size, size_t& done) {
    const Verdict verdict = JudgeFd(OsCall::Write, fd);
    if (verdict.error != 0) return verdict.error;
    return real_.Write(fd, buffer, Limited(size, verdict.limit), done);
}

int FaultyOs::Pread(int fd, void* buffer, size_t size, off_t offset, size_t& done) {
    const Verdict verdict = JudgeFd(OsCall::Pread, fd);
    if (verdict.error != 0) return verdict.error;
    return real_.Pread(fd, buffer, Limited(size, verdict.limit), offset, done);
}

int FaultyOs::CopyFileRange(int from, int to, size_t size, size_t& done) {
    const Verdict verdict = JudgeFd(OsCall::CopyFileRange, to);
    if (verdict.error != 0) return verdict.error;
    return real_.CopyFileRange(from, to, Limited(size, verdict.limit), done);
}

int FaultyOs::Lseek(int fd, off_t& offset, int whence) {
    const Verdict verdict = JudgeFd(OsCall::Lseek, fd);
    return verdict.error != 0 ? verdict.error : real_.Lseek(fd, offset, whence);
}

int FaultyOs::Ftruncate(int fd, off_t size) {
    const Verdict verdict = JudgeFd(OsCall::Ftruncate, fd);
    return verdict.error != 0 ? verdict.error : real_.Ftruncate(fd, size);
}

int FaultyOs::Fsync(int fd) {
    const Verdict verdict = JudgeFd(OsCall::Fsync, fd);
    return verdict.error != 0 ? verdict.error : real_.Fsync(fd);
}

int FaultyOs::Flock(int fd, int operation) {
    const Verdict verdict = JudgeFd(OsCall::Flock, fd);
    return verdict.error != 0 ? verdict.error : real_.Flock(fd, operation);
}

int FaultyOs::ReadFolder(int fd, void* buffer, size_t size, size_t& done) {
    const Verdict verdict = JudgeFd(OsCall::ReadFolder, fd);
    if (verdict.error != 0) return verdict.error;
    const int error = real_.ReadFolder(fd, buffer, Limited(size, verdict.limit), done);
    if (error != 0 || !hide_entry_types_) return error;
    auto* bytes = static_cast<unsigned char*>(buffer);
    for (size_t at = 0; at < done;) {
        unsigned short length = 0;
        std::copy_n(bytes + at + offsetof(dirent64, d_reclen), sizeof length,
                    reinterpret_cast<unsigned char*>(&length));
        bytes[at + offsetof(dirent64, d_type)] = DT_UNKNOWN;
        at += length;
    }
    return 0;
}

int FaultyOs::Fchmod(int fd, mode_t mode) {
    const Verdict verdict = JudgeFd(OsCall::Fchmod, fd);
    return verdict.error != 0 ? verdict.error : real_.Fchmod(fd, mode);
}

int FaultyOs::Fchown(int fd, uid_t owner, gid_t group) {
    const Verdict verdict = JudgeFd(OsCall::Fchown, fd);
    return verdict.error != 0 ? verdict.error : real_.Fchown(fd, owner, group);
}

int FaultyOs::Lchown(const char* path, uid_t owner, gid_t group) {
    const Verdict verdict = Judge(OsCall::Lchown, {&path});
    return verdict.error != 0 ? verdict.error : real_.Lchown(path, owner, group);
}

int FaultyOs::Futimens(int fd, const timespec times[2]) {
    const Verdict verdict = JudgeFd(OsCall::Futimens, fd);
    return verdict.error != 0 ? verdict.error : real_.Futimens(fd, times);
}

int FaultyOs::Utimensat(const char* path, const timespec times[2], int flags) {
    const Verdict verdict = Judge(OsCall::Utimensat, {&path});
    return verdict.error != 0 ? verdict.error : real_.Utimensat(path, times, flags);
}

int FaultyOs::Flistxattr(int fd, char* names, size_t size, size_t& length) {
    const Verdict verdict = JudgeFd(OsCall::Flistxattr, fd);
    return verdict.error != 0 ? verdict.error : real_.Flistxattr(fd, names, size, length);
}

int FaultyOs::Fgetxattr(int fd, const char* name, void* value, size_t size, size_t& length) {
    const Verdict verdict = JudgeFd(OsCall::Fgetxattr, fd);
    return verdict.error != 0 ? verdict.error : real_.Fgetxattr(fd, name, value, size, length);
}

int FaultyOs::Fsetxattr(int fd, const char* name, const void* value, size_t size, int flags) {
    const Verdict verdict = JudgeFd(OsCall::Fsetxattr, fd);
    return verdict.error != 0 ? verdict.error : real_.Fsetxattr(fd, name, value, size, flags);
}

int FaultyOs::Getcwd(char* buffer, size_t size) {
    const Verdict verdict = Judge(OsCall::Getcwd, {});
    return verdict.error != 0 ? verdict.error : real_.Getcwd(buffer, size);
}

int FaultyOs::RealPath(const char* path, std::string& resolved) {
    const Verdict verdict = Judge(OsCall::RealPath, {&path});
    return verdict.error != 0 ? verdict.error : real_.RealPath(path, resolved);
}

}  // namespace zentavo
