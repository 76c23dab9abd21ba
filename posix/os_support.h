// Small tools for the code that reaches the system through Os.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lexical_path.h"
#include "posix/os.h"

namespace zentavo {

// Repeats a call that a signal cut short. Only for calls where a retry is
// harmless: never close(), whose descriptor is gone even when it fails.
template <typename Call>
int RetryOnEintr(Call call) {
    int error = 0;
    do {
        error = call();
    } while (error == EINTR);
    return error;
}

inline bool SameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Calls each(name, type, inode) for every entry of the open folder fd, "."
// and ".." included, reading through buffer. Returns 0 or an errno value.
template <typename Each>
int ForEachEntry(Os& os, int fd, std::vector<char>& buffer, Each each) {
    while (true) {
        size_t filled = 0;
        if (const int error = RetryOnEintr(
                [&] { return os.ReadFolder(fd, buffer.data(), buffer.size(), filled); });
            error != 0)
            return error;
        if (filled == 0) return 0;
        // Records are read field by field: the buffer holds bytes, not
        // dirent64 objects.
        for (size_t at = 0; at < filled;) {
            const char* record = buffer.data() + at;
            unsigned short length = 0;
            unsigned char type = DT_UNKNOWN;
            uint64_t inode = 0;
            std::memcpy(&length, record + offsetof(dirent64, d_reclen), sizeof length);
            std::memcpy(&type, record + offsetof(dirent64, d_type), sizeof type);
            std::memcpy(&inode, record + offsetof(dirent64, d_ino), sizeof inode);
            each(record + offsetof(dirent64, d_name), type, inode);
            at += length;
        }
    }
}

// Whether the inode numbers of the open folder's listing are those that
// stat reports. Overlay file systems list other numbers once a file has been
// copied up, and FUSE ones often list numbers of their own; only file
// systems known to agree are trusted.
bool ListingInodesHold(Os& os, int folder);

// Whether name in the open folder names, right now, the very file that st
// describes.
bool StillNames(Os& os, int folder, const char* name, const struct stat& st);

// Removes name only while it still names the file st describes: a file that
// someone else put there in the meantime is not ours to remove.
void RemoveIfStill(Os& os, int folder, const char* name, const struct stat& st);

// Makes the entries of the folder name in the open folder at durable. A
// file system that cannot sync folders (EINVAL) counts as synced.
int SyncFolder(Os& os, int at, const char* name);
inline int SyncFolder(Os& os, const std::string& folder) {
    return SyncFolder(os, AT_FDCWD, folder.c_str());
}

}  // namespace zentavo
