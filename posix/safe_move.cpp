// The move that loses no data: the file system's side of a rename run.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "posix/cross_device_move.h"
#include "posix/os.h"
#include "posix/os_support.h"
#include "posix/posix_file_system.h"

namespace zentavo {

// A target that exists may be the source's own entry: under another spelling
// of its folder ("./a", "sub/../a"), or under a name the file system holds
// equal to the source's (another letter case where case is ignored). Two hard
// links of one file look alike but are two entries, and only a listing tells
// them apart when the file has more than one name.
PosixFileSystem::TargetIs PosixFileSystem::WhatTargetIs(const Place& from, const Place& to) {
    struct stat source {};
    struct stat target {};
    if (os_.StatAt(from.folder, from.name(), source, AT_SYMLINK_NOFOLLOW) != 0 ||
        os_.StatAt(to.folder, to.name(), target, AT_SYMLINK_NOFOLLOW) != 0 ||
        !SameInode(source, target))
        return TargetIs::AnotherFile;
    struct stat from_folder {};
    struct stat to_folder {};
    if (os_.Fstat(from.folder, from_folder) != 0 || os_.Fstat(to.folder, to_folder) != 0 ||
        !SameInode(from_folder, to_folder))
        return TargetIs::AnotherFile;
    if (std::strcmp(from.name(), to.name()) == 0) return TargetIs::ItsOwnName;
    if (source.st_nlink > 1) {
        std::vector<FolderEntry> entries;
        if (ListFolder(FolderOf(to.path, PathSyntax::Posix), entries) != 0)
            return TargetIs::AnotherFile;
        for (const FolderEntry& entry : entries) {
            if (entry.name == to.name()) return TargetIs::AnotherFile;
        }
    }
    return TargetIs::AnEqualName;
}

MoveResult PosixFileSystem::MoveNoReplace(const std::string& from, const std::string& to,
                                          const std::string& scratch_name) {
    MoveResult result;
    Place source;
    Place target;
    if ((result.error = folders_.PlacesOf(from, to, source, target)) != 0) return result;
    if (from == to) {
        struct stat st {};
        result.error = os_.StatAt(source.folder, source.name(), st, AT_SYMLINK_NOFOLLOW);
        return result;
    }
    result.error = rename_.Move(source, target, result.saved_other);
    if (result.error == EEXIST) {
        switch (WhatTargetIs(source, target)) {
            case TargetIs::ItsOwnName:
                result.error = 0;  // nothing to move
                break;
            case TargetIs::AnEqualName:
                MoveThroughScratchName(source, target, scratch_name, result);
                break;
            case TargetIs::AnotherFile:
                break;
        }
    } else if (result.error == EXDEV) {
        result.error = MoveAcrossFileSystems(os_, rename_, source, target, scratch_name, result);
    }
    return result;
}

void PosixFileSystem::MoveThroughScratchName(const Place& from, const Place& to,
                                             const std::string& scratch_name, MoveResult& result) {
    Place scratch{from.folder, from.path.substr(0, from.name_at) + scratch_name, from.name_at};
    result.error = rename_.Move(from, scratch, result.saved_other);
    if (result.error != 0) return;
    result.error = rename_.Move(scratch, to, result.saved_other);
    if (result.error == 0) return;
    // Should the way back fail too, the file keeps the scratch name: still
    // there, never replacing anything, and the user is told where.
    if (rename_.Move(scratch, from, result.saved_other) != 0) result.left_at = scratch.path;
}

}  // namespace zentavo
