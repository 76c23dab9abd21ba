#include "posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "engine/lexical_path.h"
#include "posix/os.h"
#include "posix/os_support.h"
#include "posix/scoped_fd.h"

namespace zentavo {

namespace {

constexpr size_t kListingBufferSize = size_t{64} << 10;
constexpr size_t kFirstCwdBufferSize = 4096;

EntryKind KindOfTarget(Os& os, int folder, const char* name) {
    struct stat target {};
    if (os.StatAt(folder, name, target, 0) == 0 && S_ISDIR(target.st_mode))
        return EntryKind::FolderLink;
    return EntryKind::File;  // a link to a file, or one that leads nowhere
}

}  // namespace

PosixFileSystem::PosixFileSystem() : PosixFileSystem(SystemOs()) {}

PosixFileSystem::PosixFileSystem(Os& os)
    : os_(os), folders_(os), rename_(os), listing_buffer_(kListingBufferSize) {}

int PosixFileSystem::Search(const std::string& path, EntryKind& kind) {
    struct stat st {};
    if (const int error = os_.Lstat(path.c_str(), st); error != 0) return error;
    if (S_ISDIR(st.st_mode)) {
        kind = EntryKind::Folder;
    } else if (S_ISLNK(st.st_mode)) {
        kind = KindOfTarget(os_, AT_FDCWD, path.c_str());
    } else {
        kind = EntryKind::File;
    }
    return 0;
}

// The listing's own entry type answers for nearly every entry; only links,
// and entries of file systems that leave the type out, cost a stat.
EntryKind PosixFileSystem::KindOfListed(int folder, const char* name, unsigned char type) {
    switch (type) {
        case DT_DIR:
            return EntryKind::Folder;
        case DT_LNK:
            return KindOfTarget(os_, folder, name);
        case DT_UNKNOWN: {
            struct stat st {};
            // One that vanished since the listing is still listed: a later
            // move reports it missing.
            if (os_.StatAt(folder, name, st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::File;
            if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
            if (S_ISLNK(st.st_mode)) return KindOfTarget(os_, folder, name);
            return EntryKind::File;
        }
        default:
            return EntryKind::File;
    }
}

int PosixFileSystem::ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    ScopedFd handle(os_);
    if (const int error = handle.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        error != 0)
        return error;
    const bool inodes_hold = ListingInodesHold(os_, handle.fd());
    return ForEachEntry(os_, handle.fd(), listing_buffer_,
                        [&](const char* name, unsigned char type, uint64_t inode) {
                            entries.push_back({name, KindOfListed(handle.fd(), name, type),
                                               inodes_hold ? inode : 0});
                        });
}

int PosixFileSystem::NameMax(const std::string& folder, size_t& longest) {
    long value = 0;
    if (const int error = os_.Pathconf(folder.c_str(), _PC_NAME_MAX, value); error != 0)
        return error;
    longest = value < 0 ? 0 : size_t(value);
    return 0;
}

int PosixFileSystem::RealPath(const std::string& path, std::string& real) {
    return os_.RealPath(path.c_str(), real);
}

int PosixFileSystem::AbsolutePath(std::string_view path, std::string& absolute) {
    // An empty path names nothing, not the current folder.
    if (path.empty()) return ENOENT;
    if (path.front() == '/') {
        absolute = LexicallyAbsolute("/", path);
        return 0;
    }
    std::string cwd(kFirstCwdBufferSize, '\0');
    while (true) {
        const int error = os_.Getcwd(cwd.data(), cwd.size());
        if (error == 0) break;
        if (error != ERANGE) return error;
        cwd.resize(cwd.size() * 2);
    }
    cwd.resize(std::strlen(cwd.c_str()));
    absolute = LexicallyAbsolute(cwd, path);
    return 0;
}

}  // namespace zentavo
