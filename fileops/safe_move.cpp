// The move that loses no data: the file system's side of a rename run.
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

#include "fileops/cross_device_move.h"
#include "fileops/os.h"
#include "fileops/os_support.h"
#include "fileops/posix_file_system.h"

namespace zentavo {

namespace {

std::string_view NameOf(std::string_view path) {
    return path.substr(path.rfind('/') + 1);
}

}  // namespace

// A target that exists may be the source's own entry: under another spelling
// of its folder ("./a", "sub/../a"), or under a name the file system holds
// equal to the source's (another letter case where case is ignored). Two hard
// links of one file look alike but are two entries, and only a listing tells
// them apart when the file has more than one name.
PosixFileSystem::TargetIs PosixFileSystem::WhatTargetIs(const std::string& from,
                                                        const std::string& to) {
    struct stat source {};
    struct stat target {};
    if (os_.Lstat(from.c_str(), source) != 0 || os_.Lstat(to.c_str(), target) != 0 ||
        !SameInode(source, target))
        return TargetIs::AnotherFile;
    struct stat from_folder {};
    struct stat to_folder {};
    if (os_.Stat(FolderOf(from).c_str(), from_folder) != 0 ||
        os_.Stat(FolderOf(to).c_str(), to_folder) != 0 || !SameInode(from_folder, to_folder))
        return TargetIs::AnotherFile;
    const std::string_view name = NameOf(to);
    if (NameOf(from) == name) return TargetIs::ItsOwnName;
    if (source.st_nlink > 1) {
        std::vector<FolderEntry> entries;
        if (ListFolder(FolderOf(to), entries) != 0) return TargetIs::AnotherFile;
        for (const FolderEntry& entry : entries) {
            if (entry.name == name) return TargetIs::AnotherFile;
        }
    }
    return TargetIs::AnEqualName;
}

MoveResult PosixFileSystem::MoveNoReplace(const std::string& from, const std::string& to,
                                          const std::string& scratch_name) {
    MoveResult result;
    if (from == to) {
        struct stat st {};
        result.error = os_.Lstat(from.c_str(), st);
        return result;
    }
    result.error = rename_.Move(from, to, result.saved_other);
    if (result.error == EEXIST) {
        switch (WhatTargetIs(from, to)) {
            case TargetIs::ItsOwnName:
                result.error = 0;  // nothing to move
                break;
            case TargetIs::AnEqualName:
                MoveThroughScratchName(from, to, scratch_name, result);
                break;
            case TargetIs::AnotherFile:
                break;
        }
    } else if (result.error == EXDEV) {
        result.error = MoveAcrossFileSystems(os_, rename_, from, to, scratch_name, result);
    }
    return result;
}

void PosixFileSystem::MoveThroughScratchName(const std::string& from, const std::string& to,
                                             const std::string& scratch_name, MoveResult& result) {
    const std::string scratch = JoinPath(FolderOf(from), scratch_name);
    result.error = rename_.Move(from, scratch, result.saved_other);
    if (result.error != 0) return;
    result.error = rename_.Move(scratch, to, result.saved_other);
    if (result.error == 0) return;
    // Should the way back fail too, the file keeps the scratch name: still
    // there, never replacing anything, and the user is told where.
    if (rename_.Move(scratch, from, result.saved_other) != 0) result.left_at = scratch;
}

}  // namespace zentavo
