// The move that loses no data: the file system's side of a rename run.
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "fileops/cross_device_move.h"
#include "fileops/os.h"
#include "fileops/os_support.h"
#include "fileops/posix_file_system.h"

namespace zentavo {

namespace {

bool SameFile(Os& os, const std::string& a, const std::string& b) {
    struct stat a_stat {};
    struct stat b_stat {};
    return os.Lstat(a.c_str(), a_stat) == 0 && os.Lstat(b.c_str(), b_stat) == 0 &&
           SameInode(a_stat, b_stat);
}

}  // namespace

MoveResult PosixFileSystem::MoveNoReplace(const std::string& from, const std::string& to,
                                          const std::string& scratch_name) {
    MoveResult result;
    if (from == to) {
        struct stat st {};
        result.error = os_.Lstat(from.c_str(), st);
        return result;
    }
    result.error = rename_.Move(from, to);
    if (result.error == EEXIST && SameFile(os_, from, to)) {
        // A file system that ignores letter case finds the file itself under
        // a name that differs only in case.
        MoveThroughScratchName(from, to, scratch_name, result);
    } else if (result.error == EXDEV) {
        result.error = MoveAcrossFileSystems(os_, from, to, result.new_identity);
    }
    return result;
}

// Two hard links of one file look the same as a case change; for them the
// second step meets the other link, fails with EEXIST and is rolled back.
void PosixFileSystem::MoveThroughScratchName(const std::string& from, const std::string& to,
                                             const std::string& scratch_name, MoveResult& result) {
    const std::string scratch = JoinPath(FolderOf(from), scratch_name);
    result.error = rename_.Move(from, scratch);
    if (result.error != 0) return;
    result.error = rename_.Move(scratch, to);
    if (result.error == 0) return;
    // Should the way back fail too, the file keeps the scratch name: still
    // there, never replacing anything, and the user is told where.
    if (rename_.Move(scratch, from) != 0) result.left_at = scratch;
}

}  // namespace zentavo
