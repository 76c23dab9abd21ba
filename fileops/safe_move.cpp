// The move that loses no data: the file system's side of a rename run.
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "fileops/cross_device_move.h"
#include "fileops/os.h"
#include "fileops/os_support.h"
#include "fileops/posix_file_system.h"

namespace zentavo {

namespace {

constexpr int kTemporaryNameAttempts = 100;

std::string TemporaryName() {
    static std::atomic<unsigned> counter{0};
    return ".zentavo-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
}

bool SameFile(Os& os, const std::string& a, const std::string& b) {
    struct stat a_stat {};
    struct stat b_stat {};
    return os.Lstat(a.c_str(), a_stat) == 0 && os.Lstat(b.c_str(), b_stat) == 0 &&
           SameInode(a_stat, b_stat);
}

}  // namespace

int PosixFileSystem::MoveNoReplace(const std::string& from, const std::string& to) {
    if (from == to) {
        struct stat st {};
        return os_.Lstat(from.c_str(), st);
    }
    const int error = rename_.Move(from, to);
    if (error == EEXIST) {
        // A file system that ignores letter case finds the file itself under
        // a name that differs only in case.
        return SameFile(os_, from, to) ? MoveThroughTemporaryName(from, to) : EEXIST;
    }
    if (error == EXDEV) return MoveAcrossFileSystems(os_, from, to);
    return error;
}

// Two hard links of one file look the same as a case change; for them the
// second step meets the other link, fails with EEXIST and is rolled back.
int PosixFileSystem::MoveThroughTemporaryName(const std::string& from, const std::string& to) {
    const std::string folder = FolderOf(to);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string temporary = JoinPath(folder, TemporaryName());
        int error = rename_.Move(from, temporary);
        if (error == EEXIST) continue;
        if (error != 0) return error;
        error = rename_.Move(temporary, to);
        if (error == 0) return 0;
        // Should the way back fail too, the file keeps the temporary name:
        // still there, never replacing anything.
        rename_.Move(temporary, from);
        return error;
    }
    return EEXIST;
}

}  // namespace zentavo
