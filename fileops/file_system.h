// The file-system operations that gathering and renaming files need. The real
// one is PosixFileSystem; tests put an in-memory fake in its place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

enum class EntryKind {
    File,  // anything that is not a folder: regular file, symlink to a
           // file, dangling symlink, FIFO, socket, device
    Folder,
    FolderLink,  // a symbolic link that leads to a folder
};

struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::File;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // What the path itself names. Returns 0 or an errno value (ENOENT, ...).
    virtual int Search(const std::string& path, EntryKind& kind) = 0;

    // Every entry of a folder, "." and ".." and hidden ones included, in the
    // order the file system gives them. Returns 0 or an errno value.
    virtual int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) = 0;

    // The absolute, normalised form of a path, made lexically (symbolic links
    // are not resolved).
    virtual std::string AbsolutePath(std::string_view path) = 0;

    // Moves a file to a new path, across file systems if need be, and never
    // replaces anything: EEXIST when the target exists. A move onto the
    // file's own path succeeds and changes nothing. Returns 0 or an errno value.
    virtual int MoveNoReplace(const std::string& from, const std::string& to) = 0;
};

}  // namespace zentavo
