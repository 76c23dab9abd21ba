#include "posix/posix_journal_storage.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "engine/lexical_path.h"
#include "posix/os_support.h"
#include "posix/scoped_fd.h"

namespace zentavo {

namespace {

constexpr size_t kListingBufferSize = size_t{16} << 10;

bool Absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

class PosixJournalFile final : public JournalFile {
public:
    explicit PosixJournalFile(Os& os) : os_(os), fd_(os) {}

    ScopedFd& fd() { return fd_; }

    int Append(std::string_view bytes, size_t& written) override {
        written = 0;
        while (written < bytes.size()) {
            size_t done = 0;
            const int error = RetryOnEintr([&] {
                return os_.Write(fd_.fd(), bytes.data() + written, bytes.size() - written, done);
            });
            if (error != 0) return error;
            if (done == 0) return EIO;
            written += done;
        }
        return 0;
    }

    int Sync() override {
        return RetryOnEintr([&] { return os_.Fsync(fd_.fd()); });
    }

    int Size(uint64_t& size) override {
        struct stat st {};
        if (const int error = os_.Fstat(fd_.fd(), st); error != 0) return error;
        size = uint64_t(st.st_size);
        return 0;
    }

    int ReadAt(uint64_t offset, size_t size, std::string& bytes) override {
        bytes.resize(size);
        size_t at = 0;
        while (at < size) {
            size_t done = 0;
            const int error = RetryOnEintr([&] {
                return os_.Pread(fd_.fd(), bytes.data() + at, size - at, off_t(offset + at), done);
            });
            if (error != 0) return error;
            if (done == 0) break;
            at += done;
        }
        bytes.resize(at);
        return 0;
    }

    int Lock() override { return os_.Flock(fd_.fd(), LOCK_EX | LOCK_NB); }

    // The shared lock is only a probe: held on, it would keep an undo out.
    bool LockedElsewhere() override {
        const bool held = os_.Flock(fd_.fd(), LOCK_SH | LOCK_NB) == EWOULDBLOCK;
        if (!held) os_.Flock(fd_.fd(), LOCK_UN);
        return held;
    }

private:
    Os& os_;
    ScopedFd fd_;
};

}  // namespace

std::string DefaultJournalFolder() {
    std::string state;
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); Absolute(xdg)) {
        state = xdg;
    } else if (const char* home = std::getenv("HOME"); Absolute(home)) {
        state = JoinPath(home, ".local/state", PathSyntax::Posix);
    } else if (const passwd* user = ::getpwuid(::getuid()); user && Absolute(user->pw_dir)) {
        state = JoinPath(user->pw_dir, ".local/state", PathSyntax::Posix);
    } else {
        return {};
    }
    return JoinPath(state, "zentavo/journal", PathSyntax::Posix);
}

int PosixJournalStorage::MakeFolder() {
    if (folder_.empty() || folder_.front() != '/') return ENOENT;
    // Every folder made here is private: the journal names the user's files.
    for (size_t slash = folder_.find('/', 1);; slash = folder_.find('/', slash + 1)) {
        const std::string part = folder_.substr(0, slash);
        const int error = os_.Mkdir(part.c_str(), 0700);
        if (error != 0 && error != EEXIST) return error;
        if (slash == std::string::npos) return 0;
    }
}

int PosixJournalStorage::CheckOwner(int fd, Holding holding, const std::string& path,
                                    std::string& untrusted) {
    struct stat st {};
    if (const int error = os_.Fstat(fd, st); error != 0) return error;
    if (holding == Holding::JournalFolder && (st.st_mode & S_ISVTX) != 0 &&
        (st.st_uid == ::geteuid() || st.st_uid == 0))
        return 0;
    const bool folder = holding != Holding::Journal;
    int error = 0;
    if (st.st_uid != ::geteuid()) {
        error = EPERM;
    } else if (folder ? (st.st_mode & 022) != 0 : (st.st_mode & 0777) != 0600) {
        error = EACCES;
    }
    if (error != 0) untrusted = path;
    return error;
}

int PosixJournalStorage::CheckFolder(std::string& untrusted) {
    for (const std::string& path : {FolderOf(folder_, PathSyntax::Posix), folder_}) {
        ScopedFd folder(os_);
        const int error =
            folder.Open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0);
        if (error == ELOOP || error == ENOTDIR) {
            untrusted = path;
            return ELOOP;
        }
        if (error == ENOENT) return 0;  // made when a run needs it
        if (error != 0) return error;
        const Holding holding = path == folder_ ? Holding::Journals : Holding::JournalFolder;
        if (const int refused = CheckOwner(folder.fd(), holding, path, untrusted); refused != 0)
            return refused;
    }
    return 0;
}

int PosixJournalStorage::Create(const std::string& name, std::unique_ptr<JournalFile>& file) {
    const std::string path = JoinPath(folder_, name, PathSyntax::Posix);
    auto created = std::make_unique<PosixJournalFile>(os_);
    if (const int error = created->fd().Open(
            path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        error != 0)
        return error;
    // Whatever the umask, the journal is the user's alone.
    os_.Fchmod(created->fd().fd(), 0600);
    file = std::move(created);
    return 0;
}

int PosixJournalStorage::Open(const std::string& name, bool append,
                              std::unique_ptr<JournalFile>& file, std::string& untrusted) {
    const std::string path = JoinPath(folder_, name, PathSyntax::Posix);
    auto opened = std::make_unique<PosixJournalFile>(os_);
    const int flags = (append ? O_RDWR | O_APPEND : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC;
    if (const int error = opened->fd().Open(path.c_str(), flags, 0); error != 0) {
        if (error == ELOOP) untrusted = path;
        return error;
    }
    if (const int error = CheckOwner(opened->fd().fd(), Holding::Journal, path, untrusted);
        error != 0)
        return error;
    file = std::move(opened);
    return 0;
}

int PosixJournalStorage::List(std::vector<std::string>& names) {
    ScopedFd folder(os_);
    if (const int error = folder.Open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        error != 0)
        return error;
    std::vector<char> buffer(kListingBufferSize);
    return ForEachEntry(os_, folder.fd(), buffer,
                        [&](const char* name, unsigned char, uint64_t) {
                            const std::string_view entry = name;
                            if (entry != "." && entry != "..") names.emplace_back(entry);
                        });
}

int PosixJournalStorage::Remove(const std::string& name) {
    return os_.Unlink(JoinPath(folder_, name, PathSyntax::Posix).c_str());
}

int PosixJournalStorage::SyncFolder() {
    return zentavo::SyncFolder(os_, folder_);
}

JournalStore PosixJournals(Os& os, std::string folder, Retention retention,
                           JournalWriter::Clock clock) {
    return JournalStore(std::make_unique<PosixJournalStorage>(os, std::move(folder)), retention,
                        std::move(clock));
}

}  // namespace zentavo
