// An in-memory file system for tests: folders, files and links to folders at
// absolute POSIX paths, with errno values injected per path, and a count of
// every move it is asked for.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "engine/file_system.h"

namespace zentavo::testing {

class FakeFileSystem : public FileSystem {
public:
    explicit FakeFileSystem(std::string current_folder = "/work");

    // Creates the node and any missing folders above it.
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, std::string content = {});
    // A symbolic link at path that leads to the folder target.
    void AddFolderLink(const std::string& path, const std::string& target);
    // A second name of the file at existing, with its inode (and a copy of
    // its content: a later change shows under one name only).
    void AddHardLink(const std::string& path, const std::string& existing) {
        nodes_[path] = nodes_.at(existing);
        inodes_[path] = inodes_.at(existing);
    }
    void Remove(const std::string& path) {
        nodes_.erase(path);
        inodes_.erase(path);
    }
    // Removes the file at path and makes a new one there that gets the same
    // inode number, as file systems often do.
    void Recreate(const std::string& path, std::string content);
    // Everything below folder from now on lies on a device of its own: a
    // move onto it or off it is a copy, with a new inode.
    void Mount(const std::string& folder) { devices_[folder] = next_device_++; }
    // Every move asked for after the first count ones throws Killed, as if
    // the process died there.
    struct Killed {};
    void KillAfterMoves(size_t count) { kill_after_ = count; }
    // The time stamps from now on: the birth of a file made, the status
    // change of one made, moved or changed. Without birth times (keep_birth
    // false) files are born at 0, as stamps tell where none is kept.
    void SetClock(int64_t now_ns, bool keep_birth = true) {
        now_ns_ = now_ns;
        keep_birth_ = keep_birth;
    }

    // Every listing of folder fails with error.
    void FailListing(const std::string& folder, int error) { listing_errors_[folder] = error; }
    // Moves of the file at path (as source) fail with error: the first times
    // ones, or every one when times is 0.
    void FailMoveFrom(const std::string& path, int error, int times = 0) {
        move_errors_[path] = {error, times == 0 ? -1 : times};
    }

    void ClearMoveFailures() { move_errors_.clear(); }

    bool Exists(const std::string& path) const { return nodes_.count(path) != 0; }
    // Path -> content of every file, folders and links shown as "<folder>" and
    // "<link>"; the whole observable state.
    const std::map<std::string, std::string>& nodes() const { return nodes_; }
    size_t moves() const { return moves_; }
    // How many paths were resolved by RealPath.
    size_t resolutions() const { return resolutions_; }

    PathSyntax syntax() const override { return PathSyntax::Posix; }
    int Search(const std::string& path, EntryKind& kind) override;
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
    int AbsolutePath(std::string_view path, std::string& absolute) override;
    int RealPath(const std::string& path, std::string& real) override;
    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override;
    int Stamp(const std::string& path, FileStamp& stamp) override;
    // Every folder holds names of up to name_max bytes (0: any length), or
    // UTF-16 units once counted as Windows counts them.
    int NameMax(const std::string& folder, size_t& longest) override;
    void SetNameMax(size_t name_max) { name_max_ = name_max; }
    size_t NameLength(std::string_view name) override;
    void CountNamesInUtf16Units() { utf16_names_ = true; }
    int RemoveIfSame(const std::string& path, const FileIdentity& identity) override;
    int SameBytes(const std::string& a, const std::string& b, bool& same) override;

private:
    int Move(const std::string& from, const std::string& to, MoveResult& result);
    uint64_t DeviceOf(const std::string& path) const;
    void Made(const std::string& path);

    std::string current_folder_;
    size_t name_max_ = 255;
    bool utf16_names_ = false;
    std::map<std::string, std::string> nodes_;
    std::map<std::string, std::string> link_targets_;
    std::map<std::string, int> listing_errors_;
    struct MoveError {
        int error = 0;
        int times_left = -1;  // -1: for ever
    };
    std::map<std::string, MoveError> move_errors_;
    size_t moves_ = 0;
    size_t resolutions_ = 0;
    struct Inode {
        uint64_t number = 0;
        int64_t born_ns = 0;
        int64_t changed_ns = 0;
    };
    std::map<std::string, Inode> inodes_;
    uint64_t next_inode_ = 100;
    int64_t now_ns_ = 0;
    bool keep_birth_ = true;
    std::map<std::string, uint64_t> devices_;  // mount folder -> device
    uint64_t next_device_ = 2;
    size_t kill_after_ = SIZE_MAX;
};

}  // namespace zentavo::testing
