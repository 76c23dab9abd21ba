#include "tests/posix/faulty_os.h"

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

FaultyOs::Named FaultyOs::At(int folder, const char* name) const {
    Named named{folder, name, name};
    if (folder != AT_FDCWD && name[0] != '/') {
        named.path = PathOf(folder);
        if (named.path.empty() || named.path.back() != '/') named.path += '/';
        named.path += name;
    }
    return named;
}

// A fault that redirects sends the call to its path from the current folder.
FaultyOs::Verdict FaultyOs::JudgeAt(OsCall call, std::vector<Named*> names) {
    std::vector<const char*> paths;
    for (Named* named : names) paths.push_back(named->path.c_str());
    std::vector<const char**> pointers;
    for (const char*& path : paths) pointers.push_back(&path);
    const Verdict verdict = Judge(call, pointers);
    for (size_t i = 0; i < names.size(); ++i) {
        if (paths[i] == names[i]->path.c_str()) continue;
        names[i]->folder = AT_FDCWD;
        names[i]->name = paths[i];
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

int FaultyOs::RenameAt(int from_folder, const char* from, int to_folder, const char* to,
                       unsigned flags) {
    Named source = At(from_folder, from);
    Named target = At(to_folder, to);
    const Verdict verdict = JudgeAt(OsCall::Rename, {&source, &target});
    if (verdict.error != 0) return verdict.error;
    if (flags != 0 && refuse_rename_flags_) return EINVAL;
    return real_.RenameAt(source.folder, source.name, target.folder, target.name, flags);
}

int FaultyOs::LinkAt(int from_folder, const char* from, int to_folder, const char* to,
                     int flags) {
    Named source = At(from_folder, from);
    Named target = At(to_folder, to);
    const Verdict verdict = JudgeAt(OsCall::Link, {&source, &target});
    if (verdict.error != 0) return verdict.error;
    return real_.LinkAt(source.folder, source.name, target.folder, target.name, flags);
}

int FaultyOs::UnlinkAt(int folder, const char* name) {
    Named named = At(folder, name);
    const Verdict verdict = JudgeAt(OsCall::Unlink, {&named});
    return verdict.error != 0 ? verdict.error : real_.UnlinkAt(named.folder, named.name);
}

int FaultyOs::SymlinkAt(const char* target, int folder, const char* name) {
    Named named = At(folder, name);
    const Verdict verdict = JudgeAt(OsCall::Symlink, {&named});
    return verdict.error != 0 ? verdict.error : real_.SymlinkAt(target, named.folder, named.name);
}

int FaultyOs::ReadlinkAt(int folder, const char* name, char* buffer, size_t size,
                         size_t& length) {
    Named named = At(folder, name);
    const Verdict verdict = JudgeAt(OsCall::Readlink, {&named});
    if (verdict.error != 0) return verdict.error;
    return real_.ReadlinkAt(named.folder, named.name, buffer, size, length);
}

int FaultyOs::SetLease(int fd, int lease) {
    const Verdict verdict = JudgeFd(OsCall::SetLease, fd);
    return verdict.error != 0 ? verdict.error : real_.SetLease(fd, lease);
}

int FaultyOs::GetLease(int fd, int& lease) {
    const Verdict verdict = JudgeFd(OsCall::GetLease, fd);
    return verdict.error != 0 ? verdict.error : real_.GetLease(fd, lease);
}

int FaultyOs::InotifyInit(int flags, int& fd) {
    const Verdict verdict = Judge(OsCall::InotifyInit, {});
    return verdict.error != 0 ? verdict.error : real_.InotifyInit(flags, fd);
}

int FaultyOs::InotifyAddWatch(int fd, const char* path, uint32_t mask, int& watch) {
    const Verdict verdict = Judge(OsCall::InotifyAddWatch, {&path});
    return verdict.error != 0 ? verdict.error : real_.InotifyAddWatch(fd, path, mask, watch);
}

int FaultyOs::SignalOnInput(int fd, int signal) {
    const Verdict verdict = JudgeFd(OsCall::SignalOnInput, fd);
    return verdict.error != 0 ? verdict.error : real_.SignalOnInput(fd, signal);
}

int FaultyOs::SigAction(int signal, const struct sigaction* act, struct sigaction* old) {
    const Verdict verdict = Judge(OsCall::SigAction, {});
    return verdict.error != 0 ? verdict.error : real_.SigAction(signal, act, old);
}

int FaultyOs::BlockedSignals(sigset_t& blocked) {
    const Verdict verdict = Judge(OsCall::BlockedSignals, {});
    return verdict.error != 0 ? verdict.error : real_.BlockedSignals(blocked);
}

int FaultyOs::Lstat(const char* path, struct stat& st) {
    const Verdict verdict = Judge(OsCall::Lstat, {&path});
    if (verdict.error != 0) return verdict.error;
    const int error = real_.Lstat(path, st);
    if (error == 0 && renumber_) st.st_ino += ++looks_ << 32;
    return error;
}

int FaultyOs::Stat(const char* path, struct stat& st) {
    const Verdict verdict = Judge(OsCall::Stat, {&path});
    return verdict.error != 0 ? verdict.error : real_.Stat(path, st);
}

int FaultyOs::StatAt(int folder, const char* name, struct stat& st, int flags) {
    Named named = At(folder, name);
    const Verdict verdict = JudgeAt(OsCall::StatAt, {&named});
    if (verdict.error != 0) return verdict.error;
    const int error = real_.StatAt(named.folder, named.name, st, flags);
    if (error == 0 && renumber_) st.st_ino += ++looks_ << 32;
    return error;
}

int FaultyOs::Fstat(int fd, struct stat& st) {
    const Verdict verdict = JudgeFd(OsCall::Fstat, fd);
    return verdict.error != 0 ? verdict.error : real_.Fstat(fd, st);
}

int FaultyOs::Statx(const char* path, int flags, unsigned mask, struct statx& st) {
    const Verdict verdict = Judge(OsCall::Statx, {&path});
    if (verdict.error != 0) return verdict.error;
    const int error = real_.Statx(path, flags, mask, st);
    if (error == 0 && renumber_) st.stx_ino += ++looks_ << 32;
    return error;
}

int FaultyOs::Fstatfs(int fd, struct statfs& st) {
    const Verdict verdict = JudgeFd(OsCall::Fstatfs, fd);
    if (verdict.error != 0) return verdict.error;
    const int error = real_.Fstatfs(fd, st);
    if (error == 0 && renumber_) st.f_type = 0x65735546;  // FUSE
    return error;
}

int FaultyOs::Pathconf(const char* path, int name, long& value) {
    const Verdict verdict = Judge(OsCall::Pathconf, {&path});
    return verdict.error != 0 ? verdict.error : real_.Pathconf(path, name, value);
}

int FaultyOs::Mkdir(const char* path, mode_t mode) {
    const Verdict verdict = Judge(OsCall::Mkdir, {&path});
    return verdict.error != 0 ? verdict.error : real_.Mkdir(path, mode);
}

int FaultyOs::OpenAt(int folder, const char* name, int flags, mode_t mode, int& fd) {
    Named named = At(folder, name);
    const std::string path = named.path;
    const Verdict verdict = JudgeAt(OsCall::Open, {&named});
    if (verdict.error != 0) {
        fd = -1;
        return verdict.error;
    }
    const int error = real_.OpenAt(named.folder, named.name, flags, mode, fd);
    if (error == 0) open_paths_[fd] = path;
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

int FaultyOs::LchownAt(int folder, const char* name, uid_t owner, gid_t group) {
    Named named = At(folder, name);
    const Verdict verdict = JudgeAt(OsCall::Lchown, {&named});
    return verdict.error != 0 ? verdict.error
                              : real_.LchownAt(named.folder, named.name, owner, group);
}

int FaultyOs::Futimens(int fd, const timespec times[2]) {
    const Verdict verdict = JudgeFd(OsCall::Futimens, fd);
    return verdict.error != 0 ? verdict.error : real_.Futimens(fd, times);
}

int FaultyOs::UtimensAt(int folder, const char* name, const timespec times[2], int flags) {
    Named named = At(folder, name);
    const Verdict verdict = JudgeAt(OsCall::Utimensat, {&named});
    return verdict.error != 0 ? verdict.error
                              : real_.UtimensAt(named.folder, named.name, times, flags);
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
