// The file-system operations that gathering and renaming files need. The real
// one is PosixFileSystem; tests put an in-memory fake in its place.
#pragma once

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/path_syntax.h"

// A folder replaced since a run first held it: what a move fails with then.
// MinGW's <errno.h> lacks it; the value is Linux's, outside the range MinGW
// numbers.
#ifndef ESTALE
#define ESTALE 116
#endif

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
    uint64_t inode = 0;  // as the listing gives it; 0 where it cannot be trusted
};

// Device and inode of a file: what finds it again whatever its name.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;  // 0: unknown

    bool operator==(const FileIdentity&) const = default;
};

// The identity of every folder a drop read, by the path it was read under:
// what a run's moves must still find there.
using FolderIdentities = std::unordered_map<std::string, FileIdentity>;

// Where a file system numbers a file anew at every lookup (sshfs and other
// FUSE mounts without use_ino, some SMB and NFS set-ups), its inode is made
// of its size and modification time instead, marked by the top bit. That
// identity is weaker: it tells a file only at the name where it is expected.
inline constexpr uint64_t kWeakInode = uint64_t{1} << 63;
inline bool IsWeak(const FileIdentity& identity) {
    return (identity.inode & kWeakInode) != 0;
}

// What tells whether the file under a name is still the one a journal saw.
struct FileStamp {
    FileIdentity identity;
    int64_t born_ns = 0;      // birth time; 0 where the file system keeps none
    int64_t changed_ns = 0;   // last status change
    bool empty_file = false;  // a regular file of no bytes
};

struct MoveResult {
    int error = 0;  // 0 or an errno value
    // Set when the file itself now lies here instead of at either name: a
    // case-only detour that could neither finish nor go back.
    std::string left_at;
    // Set when another program's data that landed in a placeholder of this
    // move was saved here; the move itself still succeeded.
    std::string saved_other;
    // Set when the move gave the file a new identity: a copy to another file
    // system.
    FileIdentity new_identity;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // How the paths this file system takes and gives are spelled.
    virtual PathSyntax syntax() const = 0;

    // What the path itself names. Returns 0 or an errno value (ENOENT, ...).
    virtual int Search(const std::string& path, EntryKind& kind) = 0;

    // Every entry of a folder, "." and ".." and hidden ones included, in the
    // order the file system gives them. Returns 0 or an errno value.
    virtual int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) = 0;

    // The absolute, normalised form of a path, made lexically (symbolic links
    // are not resolved). Returns 0 or an errno value: ENOENT for an empty
    // path, which names nothing, or why the current folder is unknown.
    virtual int AbsolutePath(std::string_view path, std::string& absolute) = 0;

    // The path with every symbolic link, "." and ".." resolved; the path must
    // exist. Returns 0 or an errno value.
    virtual int RealPath(const std::string& path, std::string& real) = 0;

    // Moves a file to a new path, across file systems if need be, and never
    // replaces anything: EEXIST when the target exists. A move onto the
    // file's own path succeeds and changes nothing. scratch_name is the bare
    // name of any hidden intermediate the move needs: the temporary name of a
    // case-only rename (in the source's folder) and of a copy to another file
    // system (in the target's folder). Callers make it with ScratchName, so
    // that it is known before the move begins.
    virtual MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                                     const std::string& scratch_name) = 0;

    // Moves go through folders opened at their first move and held, which
    // must stay the folders they were then, under the paths they were opened
    // by (else the move fails with ESTALE); a run lets them go when it ends.
    virtual void ReleaseFolders() {}

    // The folders as a drop read them, which the moves until ReleaseFolders
    // must find under their paths rather than whatever is there at their
    // first move. listed must outlive those moves.
    virtual void ExpectFolders(const FolderIdentities& listed) { (void)listed; }

    // The entry itself (a link is not followed). Returns 0 or an errno value.
    virtual int Stamp(const std::string& path, FileStamp& stamp) = 0;

    // Removes path if it still names the file identity names.
    virtual int RemoveIfSame(const std::string& path, const FileIdentity& identity) = 0;

    // Whether two regular files hold the same bytes.
    virtual int SameBytes(const std::string& a, const std::string& b, bool& same) = 0;

    // The longest name that folder can hold (its NAME_MAX), counted as
    // NameLength counts; 0 when it sets no limit.
    virtual int NameMax(const std::string& folder, size_t& longest) = 0;

    // The length of a name in the units its file system limits: bytes on
    // POSIX, UTF-16 units on Windows, where "é" is two bytes but one unit.
    virtual size_t NameLength(std::string_view name) { return name.size(); }
};

}  // namespace zentavo
