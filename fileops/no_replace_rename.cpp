#include "fileops/no_replace_rename.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "fileops/file_copy.h"
#include "fileops/os_support.h"
#include "fileops/scoped_fd.h"

namespace zentavo {

namespace {

constexpr int kSaveAttempts = 100;

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The file system, not this one file, refuses hard links.
bool LinksRefusedHere(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

}  // namespace

int NoReplaceRename::Move(const std::string& from, const std::string& to,
                          std::string& saved_other) {
    Method method = Method::Flag;
    struct stat source {};
    if (!fallbacks_.empty()) {
        if (const int error = os_.Lstat(from.c_str(), source); error != 0) return error;
        if (const auto found = fallbacks_.find(source.st_dev); found != fallbacks_.end())
            method = found->second;
    }

    if (method == Method::Flag) {
        const int error = os_.Rename(from.c_str(), to.c_str(), RENAME_NOREPLACE);
        if (error != EINVAL) return error;
        // EINVAL may mean the flag, or a name this file system cannot hold
        // (FAT: *?:"<>|), or for a folder a move into itself, which no
        // fallback should attempt.
        if (const int lstat_error = os_.Lstat(from.c_str(), source); lstat_error != 0)
            return lstat_error;
        if (S_ISDIR(source.st_mode) || flag_proven_.count(source.st_dev) != 0) return EINVAL;
        switch (ProbeFlag(FolderOf(to))) {
            case Probe::FlagTaken:
                flag_proven_.insert(source.st_dev);
                return EINVAL;
            case Probe::FlagRefused:
                break;
            case Probe::Unknown:
                return EINVAL;
        }
        method = fallbacks_[source.st_dev] = Method::LinkThenUnlink;
    }

    if (method == Method::LinkThenUnlink) {
        const int error = LinkThenUnlink(from, to);
        if (error != EMLINK && !LinksRefusedHere(error)) return error;
        if (error != EMLINK) fallbacks_[source.st_dev] = Method::Placeholder;
    }
    return OverPlaceholder(from, to, saved_other);
}

// Moves an empty file of its own between two plain names with the flag: only
// the flag can make that fail with EINVAL.
NoReplaceRename::Probe NoReplaceRename::ProbeFlag(const std::string& folder) {
    const std::string stem =
        ".zentavo-probe-" + std::to_string(::getpid()) + "-" + std::to_string(++probes_);
    const std::string first = JoinPath(folder, stem + "a");
    const std::string second = JoinPath(folder, stem + "b");
    struct stat probe {};
    {
        ScopedFd created(os_);
        if (created.Open(first.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         0600) != 0 ||
            os_.Fstat(created.fd(), probe) != 0)
            return Probe::Unknown;
    }
    const int error = os_.Rename(first.c_str(), second.c_str(), RENAME_NOREPLACE);
    RemoveIfStill(os_, error == 0 ? second : first, probe);
    if (error == 0) return Probe::FlagTaken;
    return error == EINVAL ? Probe::FlagRefused : Probe::Unknown;
}

int NoReplaceRename::LinkThenUnlink(const std::string& from, const std::string& to) {
    if (const int error = os_.Link(from.c_str(), to.c_str(), 0); error != 0) return error;
    const int error = os_.Unlink(from.c_str());
    if (error == 0) return 0;
    // Undo the link, but only while the source still holds the same file:
    // otherwise the new name may be its only name left.
    struct stat source {};
    if (os_.Lstat(from.c_str(), source) == 0) RemoveIfStill(os_, to, source);
    return error;
}

// The placeholder stays open to the end. Another program that saves to the
// name meanwhile without O_EXCL (as a shell's ">" does) writes into it: right
// before the rename it must still be ours, empty and untouched, or the name
// is theirs. A write that lands after that check, in the narrowest window the
// system offers without the flag, goes into the file the rename unlinks, and
// is saved from the open descriptor.
int NoReplaceRename::OverPlaceholder(const std::string& from, const std::string& to,
                                     std::string& saved_other) {
    ScopedFd placeholder(os_);
    if (const int error =
            placeholder.Open(to.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        error != 0)
        return error;
    struct stat made {};
    if (const int error = os_.Fstat(placeholder.fd(), made); error != 0) return error;
    if (!Untouched(placeholder.fd(), made) || !StillNames(os_, to, made)) return EEXIST;
    if (const int error = os_.Rename(from.c_str(), to.c_str(), 0); error != 0) {
        if (Untouched(placeholder.fd(), made)) RemoveIfStill(os_, to, made);
        return error;
    }
    struct stat after {};
    if (os_.Fstat(placeholder.fd(), after) == 0 && after.st_size > 0)
        saved_other = SaveOther(placeholder.fd(), to, after.st_size);
    return 0;
}

bool NoReplaceRename::Untouched(int fd, const struct stat& made) {
    struct stat now {};
    return os_.Fstat(fd, now) == 0 && SameInode(now, made) && now.st_size == 0 &&
           SameTime(now.st_mtim, made.st_mtim) && SameTime(now.st_ctim, made.st_ctim);
}

// A visible name beside the target, so that the user finds it. Returns the
// path the data was saved under, or an empty path if it could not be saved.
std::string NoReplaceRename::SaveOther(int fd, const std::string& to, off_t size) {
    for (int attempt = 1; attempt <= kSaveAttempts; ++attempt) {
        std::string path = to + " (saved by zentavo";
        if (attempt > 1) path += " " + std::to_string(attempt);
        path += ")";
        ScopedFd saved(os_);
        const int error =
            saved.Open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (error == EEXIST) continue;
        if (error != 0) return {};
        CopyFileData(os_, fd, saved.fd(), size);
        RetryOnEintr([&] { return os_.Fsync(saved.fd()); });
        return path;
    }
    return {};
}

}  // namespace zentavo
