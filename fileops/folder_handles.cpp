#include "fileops/folder_handles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "fileops/os_support.h"

namespace zentavo {

namespace {

// Well below the usual limit of 1024 descriptors a process may hold.
constexpr size_t kMostOpen = 256;
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool IsTop(const std::string& folder) {
    return folder == "/" || folder == ".";
}

}  // namespace

int FolderHandles::PlacesOf(const std::string& from, const std::string& to, Place& source,
                            Place& target) {
    // Room is made before either is opened, so that neither closes the other.
    if (open_ >= kMostOpen) CloseAll();
    if (const int error = PlaceOf(from, source); error != 0) return error;
    return PlaceOf(to, target);
}

int FolderHandles::PlaceOf(const std::string& path, Place& place) {
    const size_t slash = path.find_last_of('/');
    place.name_at = slash == std::string::npos ? 0 : slash + 1;
    place.path = path;
    return Open(FolderOf(path), place.folder);
}

int FolderHandles::Open(const std::string& folder, int& fd) {
    if (const auto known = handles_.find(folder); known != handles_.end() && known->second.fd >= 0) {
        fd = known->second.fd;
        return 0;
    }
    // The folders between the nearest one open and this one, innermost first.
    std::vector<std::string> chain{folder};
    int parent = -1;
    while (!IsTop(chain.back())) {
        std::string up = FolderOf(chain.back());
        if (const auto known = handles_.find(up); known != handles_.end() && known->second.fd >= 0) {
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

// Opens one folder in parent (-1: the top one, from the current folder),
// checks it against what it was when first opened, and keeps it open if it
// is the one asked for or there is room.
int FolderHandles::OpenOne(int parent, const std::string& folder, bool asked_for, int& fd,
                           bool& kept) {
    const char* name = IsTop(folder) ? folder.c_str() : folder.c_str() + folder.find_last_of('/') + 1;
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
    if (!added && (handle->second.device != st.st_dev || handle->second.inode != st.st_ino)) {
        os_.Close(fd);
        return ESTALE;
    }
    handle->second.device = st.st_dev;
    handle->second.inode = st.st_ino;
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
    handles_.clear();
}

}  // namespace zentavo
