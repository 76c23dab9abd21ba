// Real files in throwaway folders for the tests of PosixFileSystem. These
// helpers call the system directly, never through the code under test.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/temp_folder.h"

namespace zentavo {

class FileSystem;

// The scratch name the tests hand to every move.
inline constexpr char kTestScratchName[] = ".zentavo-test-0.tmp";

// fs.MoveNoReplace with kTestScratchName; returns its error.
int Move(FileSystem& fs, const std::string& from, const std::string& to);

// A small tmpfs mounted on a folder, for moves to another file system; it
// needs root, so it may not be available.
class ScratchMount {
public:
    ScratchMount(const std::string& folder, const std::string& options);
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const { return why_not_.empty(); }
    const std::string& why_not() const { return why_not_; }

private:
    std::string folder_;
    std::string why_not_;
};

// A FAT image of its own mounted through FUSE (fusefat, with stable inode
// numbers) on a folder: no RENAME_NOREPLACE, no hard links, no unnamed
// files, no Unix modes, letter case ignored. Needs fusefat, mkfs.vfat and
// /dev/fuse, so it may not be available.
class FatMount {
public:
    // image is the path of the image file to make, folder the mount point.
    FatMount(const std::string& image, const std::string& folder);
    ~FatMount();
    FatMount(const FatMount&) = delete;
    FatMount& operator=(const FatMount&) = delete;

    bool mounted() const { return why_not_.empty(); }
    const std::string& why_not() const { return why_not_; }

private:
    std::string folder_;
    std::string why_not_;
};

void WriteFile(const std::string& path, std::string_view content);
std::optional<std::string> ReadFile(const std::string& path);
bool Exists(const std::string& path);  // without following a final link
struct stat LstatOf(const std::string& path);
// The entries of a folder without "." and "..", sorted.
std::vector<std::string> NamesIn(const std::string& folder);
std::string LinkText(const std::string& path);
// Deterministic bytes, every one of them significant.
std::string PatternBytes(size_t size);

// Sets or clears the immutable flag (chattr +i / -i). Returns 0 or errno.
int SetImmutable(const std::string& path, bool immutable);

}  // namespace zentavo
