// An in-memory file system for tests: folders, files and links to folders at
// absolute POSIX paths, with errno values injected per path, and a count of
// every move it is asked for.
#pragma once

#include <map>
#include <set>
#include <string>

#include "fileops/file_system.h"

namespace zentavo::testing {

class FakeFileSystem : public FileSystem {
public:
    explicit FakeFileSystem(std::string current_folder = "/work");

    // Creates the node and any missing folders above it.
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, std::string content = {});
    // A symbolic link at path that leads to the folder target.
    void AddFolderLink(const std::string& path, const std::string& target);
    void Remove(const std::string& path) { nodes_.erase(path); }

    // Every listing of folder fails with error.
    void FailListing(const std::string& folder, int error) { listing_errors_[folder] = error; }
    // Moves of the file at path (as source) fail with error: the first times
    // ones, or every one when times is 0.
    void FailMoveFrom(const std::string& path, int error, int times = 0) {
        move_errors_[path] = {error, times == 0 ? -1 : times};
    }

    bool Exists(const std::string& path) const { return nodes_.count(path) != 0; }
    // Path -> content of every file, folders and links shown as "<folder>" and
    // "<link>"; the whole observable state.
    const std::map<std::string, std::string>& nodes() const { return nodes_; }
    size_t moves() const { return moves_; }
    // How many paths were resolved by RealPath.
    size_t resolutions() const { return resolutions_; }

    int Search(const std::string& path, EntryKind& kind) override;
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
    int AbsolutePath(std::string_view path, std::string& absolute) override;
    int RealPath(const std::string& path, std::string& real) override;
    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override;

private:
    int Move(const std::string& from, const std::string& to);

    std::string current_folder_;
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
};

}  // namespace zentavo::testing
