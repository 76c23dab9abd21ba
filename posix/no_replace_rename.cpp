#include "posix/no_replace_rename.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include "posix/file_copy.h"
#include "posix/os_support.h"
#include "posix/scoped_fd.h"

namespace zentavo {

namespace {

constexpr int kSaveAttempts = 100;
// How long a program that opened a placeholder just before it was renamed
// over has to finish writing before what it wrote so far is saved.
constexpr int kCloseWaits = 2000;
constexpr auto kCloseWait = std::chrono::milliseconds(1);

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The file system, not this one file, refuses hard links.
bool LinksRefusedHere(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

}  // namespace

int NoReplaceRename::Move(const Place& from, const Place& to, std::string& saved_other) {
    Method method = Method::Flag;
    struct stat source {};
    if (!fallbacks_.empty()) {
        if (const int error = os_.StatAt(from.folder, from.name(), source, AT_SYMLINK_NOFOLLOW);
            error != 0)
            return error;
        if (const auto found = fallbacks_.find(source.st_dev); found != fallbacks_.end())
            method = found->second;
    }

    if (method == Method::Flag) {
        const int error =
            os_.RenameAt(from.folder, from.name(), to.folder, to.name(), RENAME_NOREPLACE);
        if (error != EINVAL) return error;
        // EINVAL may mean the flag, or a name this file system cannot hold
        // (FAT: *?:"<>|), or for a folder a move into itself, which no
        // fallback should attempt.
        if (const int stat_error =
                os_.StatAt(from.folder, from.name(), source, AT_SYMLINK_NOFOLLOW);
            stat_error != 0)
            return stat_error;
        if (S_ISDIR(source.st_mode) || flag_proven_.count(source.st_dev) != 0) return EINVAL;
        switch (ProbeFlag(to.folder)) {
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
NoReplaceRename::Probe NoReplaceRename::ProbeFlag(int folder) {
    const std::string stem =
        ".zentavo-probe-" + std::to_string(::getpid()) + "-" + std::to_string(++probes_);
    const std::string first = stem + "a";
    const std::string second = stem + "b";
    struct stat probe {};
    {
        ScopedFd created(os_);
        if (created.OpenAt(folder, first.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600) != 0 ||
            os_.Fstat(created.fd(), probe) != 0)
            return Probe::Unknown;
    }
    const int error =
        os_.RenameAt(folder, first.c_str(), folder, second.c_str(), RENAME_NOREPLACE);
    RemoveIfStill(os_, folder, (error == 0 ? second : first).c_str(), probe);
    if (error == 0) return Probe::FlagTaken;
    return error == EINVAL ? Probe::FlagRefused : Probe::Unknown;
}

int NoReplaceRename::LinkThenUnlink(const Place& from, const Place& to) {
    if (const int error = os_.LinkAt(from.folder, from.name(), to.folder, to.name(), 0);
        error != 0)
        return error;
    const int error = os_.UnlinkAt(from.folder, from.name());
    if (error == 0) return 0;
    // Undo the link, but only while the source still holds the same file:
    // otherwise the new name may be its only name left.
    struct stat source {};
    if (os_.StatAt(from.folder, from.name(), source, AT_SYMLINK_NOFOLLOW) == 0)
        RemoveIfStill(os_, to.folder, to.name(), source);
    return error;
}

// The placeholder stays open to the end, under a write lease where the file
// system grants one: another program that opens the name meanwhile (without
// O_EXCL, as a shell's ">" does) then waits in its open until the lease is
// let go, and the lease shows it coming. Right before the rename the
// placeholder must still be ours, empty, untouched and unclaimed, or the
// name is theirs. One who opened it in the last moment before the rename
// gets the placeholder once it is unnamed: it may write and close, and what
// it wrote is saved beside the target. Without a lease, a write that lands
// after the check goes into the file the rename unlinks, and is saved only
// if it lands before the descriptor is looked at.
int NoReplaceRename::OverPlaceholder(const Place& from, const Place& to,
                                     std::string& saved_other) {
    ScopedFd placeholder(os_);
    if (const int error = placeholder.OpenAt(
            to.folder, to.name(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        error != 0)
        return error;
    const int fd = placeholder.fd();
    struct stat made {};
    if (const int error = os_.Fstat(fd, made); error != 0) return error;
    // Someone has it open already (EAGAIN): the name is theirs. Any other
    // refusal is the file system's, which keeps no leases.
    const int lease_error = os_.SetLease(fd, F_WRLCK);
    if (lease_error == EAGAIN) return EEXIST;
    bool leased = lease_error == 0;
    const auto let_go = [&] {
        if (leased) os_.SetLease(fd, F_UNLCK);
        leased = false;
    };
    if (leased && WriterComing(fd)) {
        let_go();
        return EEXIST;
    }
    if (!Untouched(fd, made) || !StillNames(os_, to.folder, to.name(), made)) {
        let_go();
        return EEXIST;
    }
    if (const int error = os_.RenameAt(from.folder, from.name(), to.folder, to.name(), 0);
        error != 0) {
        if (Untouched(fd, made)) RemoveIfStill(os_, to.folder, to.name(), made);
        let_go();
        return error;
    }
    if (leased && WriterComing(fd)) {
        let_go();
        WaitUntilClosed(fd);
    }
    let_go();
    struct stat after {};
    if (os_.Fstat(fd, after) == 0 && after.st_size > 0)
        saved_other = SaveOther(fd, to, after.st_size);
    return 0;
}

bool NoReplaceRename::Untouched(int fd, const struct stat& made) {
    struct stat now {};
    return os_.Fstat(fd, now) == 0 && SameInode(now, made) && now.st_size == 0 &&
           SameTime(now.st_mtim, made.st_mtim) && SameTime(now.st_ctim, made.st_ctim);
}

// Whether the lease is being broken by someone opening the placeholder to
// write. One who only reads cannot lose data: the lease is let go for them
// and the move goes on as where there are no leases.
bool NoReplaceRename::WriterComing(int fd) {
    int lease = F_UNLCK;
    if (os_.GetLease(fd, lease) != 0 || lease == F_WRLCK) return false;
    if (lease == F_RDLCK) {
        os_.SetLease(fd, F_UNLCK);
        return false;
    }
    return true;
}

// A write lease is granted again only once no one else has the file open.
void NoReplaceRename::WaitUntilClosed(int fd) {
    for (int wait = 0; wait < kCloseWaits; ++wait) {
        if (os_.SetLease(fd, F_WRLCK) == 0) return;
        std::this_thread::sleep_for(kCloseWait);
    }
}

// A visible name beside the target, so that the user finds it. Returns the
// path the data was saved under, or an empty path unless all of it was
// copied and made durable there.
std::string NoReplaceRename::SaveOther(int fd, const Place& to, off_t size) {
    for (int attempt = 1; attempt <= kSaveAttempts; ++attempt) {
        std::string suffix = " (saved by zentavo";
        if (attempt > 1) suffix += " " + std::to_string(attempt);
        suffix += ")";
        const std::string name = to.name() + suffix;
        ScopedFd saved(os_);
        const int error = saved.OpenAt(to.folder, name.c_str(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (error == EEXIST) continue;
        if (error != 0) return {};
        if (CopyFileData(os_, fd, saved.fd(), size) != 0 ||
            RetryOnEintr([&] { return os_.Fsync(saved.fd()); }) != 0)
            return {};
        return to.path + suffix;
    }
    return {};
}

}  // namespace zentavo
