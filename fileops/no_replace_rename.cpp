#include "fileops/no_replace_rename.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "fileops/os_support.h"
#include "fileops/scoped_fd.h"

namespace zentavo {

namespace {

// The file system, not this one file, refuses hard links.
bool LinksRefusedHere(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

}  // namespace

int NoReplaceRename::Move(const std::string& from, const std::string& to) {
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
    return OverPlaceholder(from, to);
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

int NoReplaceRename::OverPlaceholder(const std::string& from, const std::string& to) {
    struct stat placeholder {};
    {
        ScopedFd created(os_);
        if (const int error = created.Open(
                to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            error != 0)
            return error;
        if (const int error = os_.Fstat(created.fd(), placeholder); error != 0) return error;
    }
    // Between the check and the rename someone could still swap the name;
    // without the flag, this is the narrowest window the system offers.
    if (!StillNames(os_, to, placeholder)) return EEXIST;
    const int error = os_.Rename(from.c_str(), to.c_str(), 0);
    if (error != 0) RemoveIfStill(os_, to, placeholder);
    return error;
}

}  // namespace zentavo
