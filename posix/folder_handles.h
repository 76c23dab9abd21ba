// The folders a run's moves go through, each opened once and held, so that a
// move stays in the folder it began in whatever its path names meanwhile.
#pragma once

#include <cstddef>
#include <string>
#include <thread>
#include <unordered_map>

#include "engine/file_system.h"
#include "posix/os.h"

namespace zentavo {

// A name in an open folder, with its whole path for what the user is told.
struct Place {
    int folder = AT_FDCWD;
    std::string path;
    size_t name_at = 0;  // where the name begins in path

    const char* name() const { return path.c_str() + name_at; }
};

// Each folder is opened from the root (or the current folder) one name at
// a time without following a symbolic link, and must be the folder the drop
// read (or, for one it did not read, the one first opened), and stay so
// under its path, checked before every move through it (by a watch on it
// and the folders above it): the files were listed under their folders' real
// paths and the journal keeps those, so a link on the way, or another folder
// under the name, is a folder replaced since. Past a few hundred folders the oldest descriptors are closed; a
// folder opened again is checked likewise.
class FolderHandles {
public:
    explicit FolderHandles(Os& os) : os_(os) {}
    ~FolderHandles() { Release(); }
    FolderHandles(const FolderHandles&) = delete;
    FolderHandles& operator=(const FolderHandles&) = delete;

    // The folders' identities as a drop read them, until Release.
    void Expect(const FolderIdentities& listed) { listed_ = &listed; }

    // The places of a move's two paths, both held until the next call.
    // Returns 0 or an errno value: ESTALE for a folder replaced.
    int PlacesOf(const std::string& from, const std::string& to, Place& source, Place& target);

    // Closes every folder and forgets what each was and was expected to be:
    // the next run may find other folders under the same paths.
    void Release();

private:
    struct Handle {
        int fd = -1;  // -1: closed to make room, or never kept open
        FileIdentity identity;
        // false where the file system numbers a folder anew at every look:
        // no number then tells one folder from another.
        bool numbers_hold = true;
        bool watched = false;   // a move of it away shows on watch_
        bool moved = false;     // it has been moved away, or the folder holding it has
        Handle* parent = nullptr;  // when open too; handles stay put until Release
    };

    static void NameAt(const std::string& path, Place& place);
    int Open(const std::string& folder, int& fd);
    bool StillUnderItsPath(const std::string& folder, Handle& handle);
    void Watch(Handle& handle, int fd);
    void ReadMoves();
    bool NothingSignalled();
    int OpenOne(int parent, const std::string& folder, bool asked_for, int& fd, bool& kept);
    void CloseAll();

    Os& os_;
    std::unordered_map<std::string, Handle> handles_;
    const FolderIdentities* listed_ = nullptr;
    size_t open_ = 0;
    int watch_ = -1;  // inotify; -2: none to be had this run
    // Whether watch_'s input signals signalled_thread_, and the count of
    // signals as of the last read of watch_.
    bool signalled_ = false;
    std::thread::id signalled_thread_;
    unsigned signals_read_ = 0;
    std::unordered_map<int, Handle*> watched_;
};

}  // namespace zentavo
