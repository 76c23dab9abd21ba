#include "posix/folder_handles.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "posix/input_signal.h"
#include "posix/os_support.h"

namespace zentavo {

namespace {

// Well below the usual limit of 1024 descriptors a process may hold.
constexpr size_t kMostOpen = 256;
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool IsTop(const std::string& folder) {
    return folder == "/" || folder == ".";
}

const char* LastName(const std::string& folder) {
    return IsTop(folder) ? folder.c_str() : folder.c_str() + folder.find_last_of('/') + 1;
}

FileIdentity IdentityOf(const struct stat& st) {
    return {uint64_t(st.st_dev), uint64_t(st.st_ino)};
}

}  // namespace

int FolderHandles::PlacesOf(const std::string& from, const std::string& to, Place& source,
                            Place& target) {
    // Room is made before either is opened, so that neither closes the other.
    if (open_ >= kMostOpen) CloseAll();
    ReadMoves();
    NameAt(from, source);
    NameAt(to, target);
    const std::string from_folder = FolderOf(from, PathSyntax::Posix);
    if (const int error = Open(from_folder, source.folder); error != 0) return error;
    const std::string to_folder = FolderOf(to, PathSyntax::Posix);
    if (to_folder == from_folder) {
        target.folder = source.folder;
        return 0;
    }
    return Open(to_folder, target.folder);
}

void FolderHandles::NameAt(const std::string& path, Place& place) {
    const size_t slash = path.find_last_of('/');
    place.name_at = slash == std::string::npos ? 0 : slash + 1;
    place.path = path;
}

int FolderHandles::Open(const std::string& folder, int& fd) {
    if (const auto known = handles_.find(folder);
        known != handles_.end() && known->second.fd >= 0) {
        if (!StillUnderItsPath(folder, known->second)) return ESTALE;
        fd = known->second.fd;
        return 0;
    }
    // The folders between the nearest one open and this one, innermost first.
    std::vector<std::string> chain{folder};
    int parent = -1;
    while (!IsTop(chain.back())) {
        std::string up = FolderOf(chain.back(), PathSyntax::Posix);
        if (const auto known = handles_.find(up);
            known != handles_.end() && known->second.fd >= 0) {
            parent = known->second.fd;
            break;
        }
        chain.push_back(std::move(up));
    }
    bool parent_kept = true;
    for (size_t i = chain.size(); i-- > 0;) {
        int below = -1;
        bool kept = false;
        const int error = OpenOne(parent, chain[i], i == 0, below, kept);
        // A folder on the way that there was no room to keep is closed once
        // the one below it is open.
        if (!parent_kept) os_.Close(parent);
        if (error != 0) return error;
        parent = below;
        parent_kept = kept;
    }
    fd = parent;
    return 0;
}

// A folder held open may have been moved away since, and another folder or a
// link put under its name: what moves in it then would be where the journal's
// paths no longer lead. Its watch tells, and those of the folders above it
// that the run holds; where a folder could not be watched, one look at its
// name in its parent (held open too, but for a folder with too many beside
// it) does.
bool FolderHandles::StillUnderItsPath(const std::string& folder, Handle& handle) {
    if (!handle.numbers_hold || IsTop(folder)) return true;
    if (handle.watched) {
        for (const Handle* at = &handle; at != nullptr; at = at->parent)
            if (at->moved) return false;
        return true;
    }
    struct stat st {};
    const int error = handle.parent != nullptr && handle.parent->fd >= 0
                          ? os_.StatAt(handle.parent->fd, LastName(folder), st, AT_SYMLINK_NOFOLLOW)
                          : os_.Lstat(folder.c_str(), st);
    return error == 0 && IdentityOf(st) == handle.identity;
}

// The watch is on the folder itself, through its descriptor, whatever its
// path names by now.
void FolderHandles::Watch(Handle& handle, int fd) {
    if (watch_ == -2) return;
    if (watch_ == -1) {
        if (os_.InotifyInit(IN_NONBLOCK | IN_CLOEXEC, watch_) != 0) {
            watch_ = -2;
            return;
        }
        signals_read_ = InputSignalsCounted();
        signalled_ = SignalInputToThisThread(os_, watch_);
        signalled_thread_ = std::this_thread::get_id();
    }
    const std::string itself = "/proc/self/fd/" + std::to_string(fd);
    int number = -1;
    if (os_.InotifyAddWatch(watch_, itself.c_str(), IN_MOVE_SELF | IN_DELETE_SELF | IN_ONLYDIR,
                            number) != 0)
        return;
    handle.watched = true;
    watched_[number] = &handle;
}

// One read where the watch may have something to tell, and none in the
// common case, where it has nothing.
void FolderHandles::ReadMoves() {
    if (watch_ < 0 || NothingSignalled()) return;
    alignas(inotify_event) char events[4096];
    size_t got = 0;
    while (os_.Read(watch_, events, sizeof events, got) == 0 && got > 0) {
        for (size_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            at += sizeof(inotify_event) + event->len;
            if ((event->mask & IN_Q_OVERFLOW) != 0) {
                // Some moves went untold: every folder is looked at instead.
                for (auto& [number, handle] : watched_) handle->watched = false;
                continue;
            }
            if (const auto found = watched_.find(event->wd); found != watched_.end())
                found->second->moved = true;
        }
    }
}

// Whether the watch has had nothing to tell since it was last read, known
// without a system call. The kernel queues a watch's event and then, in the
// same call of the program that moved the folder, makes the signal pending
// on this thread, whose handler counts it. A pending signal is handled
// before the thread runs any more of its own code: on its way out of the
// system call it is in (one of the run's moves, or a wait), or at the
// interrupt the kernel sends to its processor while it runs. An unchanged
// count thus misses no event that a read would have found, but one queued
// while that interrupt is on its way: a window shorter than the
// microseconds between a check and its rename, which a read leaves open
// too. The signal goes to one thread: on any other, the watch is read.
bool FolderHandles::NothingSignalled() {
    if (!signalled_ || std::this_thread::get_id() != signalled_thread_) return false;
    const unsigned counted = InputSignalsCounted();
    if (counted == signals_read_) return true;
    signals_read_ = counted;
    return false;
}

// Opens one folder in parent (-1: the top one, from the current folder),
// checks it against what the drop read there (or what it was when first
// opened), and keeps it open if it is the one asked for or there is room.
int FolderHandles::OpenOne(int parent, const std::string& folder, bool asked_for, int& fd,
                           bool& kept) {
    const char* name = LastName(folder);
    int error = RetryOnEintr(
        [&] { return os_.OpenAt(parent >= 0 ? parent : AT_FDCWD, name, kFolderFlags, 0, fd); });
    if (error == ENOTDIR || error == ELOOP) {
        struct stat entry {};
        if (os_.StatAt(parent >= 0 ? parent : AT_FDCWD, name, entry, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(entry.st_mode))
            error = ESTALE;
    }
    if (error != 0) return error;
    struct stat st {};
    if (error = os_.Fstat(fd, st); error != 0) {
        os_.Close(fd);
        return error;
    }
    const auto [handle, added] = handles_.try_emplace(folder);
    if (added) {
        if (!IsTop(folder)) {
            if (const auto up = handles_.find(FolderOf(folder, PathSyntax::Posix));
                up != handles_.end())
                handle->second.parent = &up->second;
        }
        // Two looks at one folder that disagree: the file system makes its
        // numbers up.
        struct stat again {};
        handle->second.numbers_hold =
            os_.StatAt(parent >= 0 ? parent : AT_FDCWD, name, again, AT_SYMLINK_NOFOLLOW) == 0 &&
            again.st_ino == st.st_ino;
        handle->second.identity = IdentityOf(st);
        if (listed_ != nullptr) {
            if (const auto listed = listed_->find(folder); listed != listed_->end())
                handle->second.identity = listed->second;
        }
    }
    if (handle->second.numbers_hold && !(handle->second.identity == IdentityOf(st))) {
        os_.Close(fd);
        return ESTALE;
    }
    if (added && handle->second.numbers_hold) Watch(handle->second, fd);
    kept = asked_for || open_ < kMostOpen;
    if (kept) {
        handle->second.fd = fd;
        ++open_;
    }
    return 0;
}

void FolderHandles::CloseAll() {
    for (auto& [folder, handle] : handles_) {
        if (handle.fd < 0) continue;
        os_.Close(handle.fd);
        handle.fd = -1;
    }
    open_ = 0;
}

void FolderHandles::Release() {
    CloseAll();
    if (watch_ >= 0) os_.Close(watch_);
    watch_ = -1;
    signalled_ = false;
    watched_.clear();
    handles_.clear();
    listed_ = nullptr;
}

}  // namespace zentavo
