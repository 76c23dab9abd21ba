#include "fileops/journal_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <unordered_map>

#include "fileops/journal_codec.h"
#include "fileops/journal_records.h"
#include "fileops/os_support.h"
#include "fileops/run_history.h"
#include "fileops/scoped_fd.h"

namespace zentavo {

namespace {

constexpr std::string_view kSuffix = ".journal";
constexpr size_t kHeadBytes = size_t{64} << 10;
constexpr size_t kTailBytes = size_t{4} << 10;
constexpr int kIdAttempts = 1000;
constexpr size_t kListingBufferSize = size_t{16} << 10;
constexpr int kHoldAttempts = 10;
constexpr std::chrono::milliseconds kHoldPause{10};

bool Absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// 20261207-142233-1f3a: sortable by time, safe in any file name.
std::string RunId(int64_t now_ns, unsigned serial) {
    const time_t seconds = static_cast<time_t>(now_ns / 1'000'000'000);
    tm local{};
    ::localtime_r(&seconds, &local);
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%04x", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  serial & 0xFFFF);
    return text;
}

int ReadAt(Os& os, int fd, uint64_t offset, size_t size, std::string& bytes) {
    bytes.resize(size);
    size_t at = 0;
    while (at < size) {
        size_t done = 0;
        const int error = RetryOnEintr(
            [&] { return os.Pread(fd, bytes.data() + at, size - at, off_t(offset + at), done); });
        if (error != 0) return error;
        if (done == 0) break;
        at += done;
    }
    bytes.resize(at);
    return 0;
}

// Whether only the journals of a chain (newest first, its rename run last)
// know where its files are: one is still being written, the run was cut
// short and never undone, or its last undo or redo left files where they
// were, so the run did not move in the history.
bool OnlyRecord(const std::vector<const RunSummary*>& chain) {
    for (const RunSummary* run : chain)
        if (run->state() == RunState::Running) return true;
    const RunSummary& root = *chain.back();
    const RunSummary& last = *chain.front();
    if (root.header.kind != RunKind::Rename) return !last.end;
    if (root.undone_ns) return last.header.kind == RunKind::Redo;
    return last.header.kind == RunKind::Undo || (&last == &root && !root.end);
}

}  // namespace

std::string DefaultJournalFolder() {
    std::string state;
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); Absolute(xdg)) {
        state = xdg;
    } else if (const char* home = std::getenv("HOME"); Absolute(home)) {
        state = JoinPath(home, ".local/state");
    } else if (const passwd* user = ::getpwuid(::getuid()); user && Absolute(user->pw_dir)) {
        state = JoinPath(user->pw_dir, ".local/state");
    } else {
        return {};
    }
    return JoinPath(state, "zentavo/journal");
}

JournalStore::JournalStore(Os& os, std::string folder, Retention retention,
                           JournalWriter::Clock clock)
    : os_(os), folder_(std::move(folder)), retention_(retention), clock_(std::move(clock)) {}

std::string JournalStore::PathOf(const std::string& id) const {
    return JoinPath(folder_, id + std::string(kSuffix));
}

int JournalStore::MakeFolders() {
    if (folder_.empty() || folder_.front() != '/') return ENOENT;
    // Every folder made here is private: the journal names the user's files.
    for (size_t slash = folder_.find('/', 1);; slash = folder_.find('/', slash + 1)) {
        const std::string part = folder_.substr(0, slash);
        const int error = os_.Mkdir(part.c_str(), 0700);
        if (error != 0 && error != EEXIST) return error;
        if (slash == std::string::npos) return 0;
    }
}

int JournalStore::CheckOwner(int fd, Holding holding, const std::string& path) {
    struct stat st {};
    if (const int error = os_.Fstat(fd, st); error != 0) return error;
    // In a sticky folder of the user's or the system's, such as /tmp, no
    // one else can rename or remove what the user made there.
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
    if (error != 0) untrusted_path_ = path;
    return error;
}

// Another user who can write the folder, or the one above it, could put a
// journal of their making in it, and an undo would move files as it says.
int JournalStore::CheckFolders() {
    untrusted_path_.clear();
    for (const std::string& path : {FolderOf(folder_), folder_}) {
        ScopedFd folder(os_);
        const int error =
            folder.Open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0);
        if (error == ELOOP || error == ENOTDIR) {
            untrusted_path_ = path;
            return ELOOP;
        }
        if (error == ENOENT) return 0;  // made when a run needs it
        if (error != 0) return error;
        const Holding holding = path == folder_ ? Holding::Journals : Holding::JournalFolder;
        if (const int untrusted = CheckOwner(folder.fd(), holding, path); untrusted != 0)
            return untrusted;
    }
    return 0;
}

int JournalStore::Create(RunHeader& header, JournalWriter& writer) {
    if (const int error = MakeFolders(); error != 0) return error;
    if (const int error = CheckFolders(); error != 0) return error;
    header.started_ns = clock_();
    const unsigned seed = unsigned(::getpid()) ^ unsigned(header.started_ns / 1000);
    for (int attempt = 0; attempt < kIdAttempts; ++attempt) {
        header.id = RunId(header.started_ns, seed + unsigned(attempt));
        const std::string path = PathOf(header.id);
        int fd = -1;
        const int error = RetryOnEintr([&] {
            return os_.Open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            0600, fd);
        });
        if (error == EEXIST) continue;
        if (error != 0) return error;
        // Whatever the umask, the journal is the user's alone.
        os_.Fchmod(fd, 0600);
        // Where the file system has no locks, the run goes on unguarded.
        os_.Flock(fd, LOCK_EX | LOCK_NB);
        return writer.Start(fd, path, folder_, header);
    }
    return EEXIST;
}

int JournalStore::ReadWhole(const std::string& path, std::string& bytes) {
    ScopedFd file(os_);
    if (const int error = file.Open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC, 0); error != 0)
        return error == ELOOP ? Untrusted(path) : error;
    if (const int error = CheckOwner(file.fd(), Holding::Journal, path); error != 0) return error;
    struct stat st {};
    if (const int error = os_.Fstat(file.fd(), st); error != 0) return error;
    return ReadAt(os_, file.fd(), 0, size_t(st.st_size), bytes);
}

int JournalStore::Untrusted(const std::string& path) {
    untrusted_path_ = path;
    return ELOOP;
}

int JournalStore::Read(const std::string& id, RunRecord& run) {
    if (const int error = CheckFolders(); error != 0) return error;
    std::string bytes;
    if (const int error = ReadWhole(PathOf(id), bytes); error != 0) return error;
    return ParseJournal(bytes, run) ? 0 : EINVAL;
}

int JournalStore::Summarise(const std::string& path, RunSummary& summary) {
    ScopedFd file(os_);
    if (const int error = file.Open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC, 0); error != 0)
        return error == ELOOP ? Untrusted(path) : error;
    if (const int error = CheckOwner(file.fd(), Holding::Journal, path); error != 0) return error;
    // The shared lock is only a probe: held on, it would keep an undo out.
    summary.running = os_.Flock(file.fd(), LOCK_SH | LOCK_NB) == EWOULDBLOCK;
    if (!summary.running) os_.Flock(file.fd(), LOCK_UN);
    struct stat st {};
    if (const int error = os_.Fstat(file.fd(), st); error != 0) return error;
    summary.bytes = uint64_t(st.st_size);
    std::string head;
    if (const int error =
            ReadAt(os_, file.fd(), 0, std::min(kHeadBytes, size_t(summary.bytes)), head);
        error != 0)
        return error;
    if (!ParseHeader(head, summary.header)) return EINVAL;
    std::string tail;
    const size_t tail_size = std::min(kTailBytes, size_t(summary.bytes));
    if (const int error = ReadAt(os_, file.fd(), summary.bytes - tail_size, tail_size, tail);
        error != 0)
        return error;
    ParseTail(tail, summary.bytes, summary.end, summary.undone_ns);
    if (summary.end) return 0;
    // Only a run without its end is read whole, to count the moves it recorded.
    std::string bytes;
    if (const int error = ReadAt(os_, file.fd(), 0, size_t(summary.bytes), bytes); error != 0)
        return error;
    RunRecord run;
    ParseJournal(bytes, run);
    summary.steps = run.steps.size();
    summary.undone_ns = run.undone_ns;
    return 0;
}

int JournalStore::List(std::vector<RunSummary>& runs) {
    runs.clear();
    if (const int error = CheckFolders(); error != 0) return error;
    ScopedFd folder(os_);
    if (const int error = folder.Open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        error != 0)
        return error == ENOENT ? 0 : error;
    std::vector<char> buffer(kListingBufferSize);
    std::vector<std::string> names;
    if (const int error =
            ForEachEntry(os_, folder.fd(), buffer,
                         [&](const char* name, unsigned char, uint64_t) {
                             const std::string_view text = name;
                             if (text.size() > kSuffix.size() && text.ends_with(kSuffix))
                                 names.emplace_back(text);
                         });
        error != 0)
        return error;
    for (const std::string& name : names) {
        RunSummary summary;
        // A file that is not a journal, or went away meanwhile, is no run;
        // one that is not the user's alone stops the listing.
        const int error = Summarise(JoinPath(folder_, name), summary);
        if (!untrusted_path_.empty()) return error;
        if (error == 0) runs.push_back(std::move(summary));
    }
    std::sort(runs.begin(), runs.end(), [](const RunSummary& a, const RunSummary& b) {
        if (a.header.started_ns != b.header.started_ns)
            return a.header.started_ns > b.header.started_ns;
        return a.header.id > b.header.id;
    });
    return 0;
}

int JournalStore::Hold(const std::string& id, HeldRun& held) {
    if (const int error = CheckFolders(); error != 0) return error;
    const std::string path = PathOf(id);
    if (const int error =
            held.file_.Open(path.c_str(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0);
        error != 0)
        return error == ELOOP ? Untrusted(path) : error;
    if (const int error = CheckOwner(held.file_.fd(), Holding::Journal, path); error != 0) return error;
    // A listing probes each journal for a moment; a run holds it for its life.
    int locked = 0;
    for (int attempt = 0; attempt < kHoldAttempts; ++attempt) {
        locked = os_.Flock(held.file_.fd(), LOCK_EX | LOCK_NB);
        if (locked != EWOULDBLOCK) break;
        std::this_thread::sleep_for(kHoldPause);
    }
    if (locked == EWOULDBLOCK) {
        held.file_.Close();
        return EBUSY;
    }
    struct stat st {};
    std::string bytes;
    if (const int error = os_.Fstat(held.file_.fd(), st); error != 0) return error;
    if (const int error = ReadAt(os_, held.file_.fd(), 0, size_t(st.st_size), bytes); error != 0)
        return error;
    return ParseJournal(bytes, held.run) ? 0 : EINVAL;
}

int JournalStore::Mark(HeldRun& held, bool undone, int64_t when) {
    const int fd = held.file_.fd();
    if (fd < 0) return EBADF;
    struct stat st {};
    if (const int error = os_.Fstat(fd, st); error != 0) return error;
    const std::string record = HistoryRecord(undone, when, uint64_t(st.st_size));
    size_t at = 0;
    while (at < record.size()) {
        size_t done = 0;
        const int error =
            RetryOnEintr([&] { return os_.Write(fd, record.data() + at, record.size() - at, done); });
        if (error != 0) return error;
        if (done == 0) return EIO;
        at += done;
    }
    if (const int error = RetryOnEintr([&] { return os_.Fsync(fd); }); error != 0) return error;
    if (undone) {
        held.run.undone_ns = when;
    } else {
        held.run.undone_ns.reset();
    }
    return 0;
}

void JournalStore::Prune(const std::string& spare) {
    std::vector<RunSummary> runs;
    if (List(runs) != 0) return;
    // Each rename run with its undos and redos, the chain touched last first.
    std::vector<std::string> roots;
    std::unordered_map<std::string, std::vector<const RunSummary*>> chains;
    for (const RunSummary& run : runs) {
        std::string root = RenameRunOf(runs, run.header.id);
        if (root.empty()) root = run.header.id;
        auto [chain, added] = chains.try_emplace(root);
        if (added) roots.push_back(root);
        chain->second.push_back(&run);
    }
    std::string spare_root = RenameRunOf(runs, spare);
    if (spare_root.empty()) spare_root = spare;
    uint64_t kept_bytes = 0;
    size_t kept = 0;
    bool full = false;
    for (const std::string& root : roots) {
        const std::vector<const RunSummary*>& chain = chains[root];
        uint64_t bytes = 0;
        for (const RunSummary* run : chain) bytes += run->bytes;
        full = full || kept == retention_.runs || kept_bytes + bytes > retention_.bytes;
        if (full && root != spare_root && !OnlyRecord(chain)) {
            for (const RunSummary* run : chain) os_.Unlink(PathOf(run->header.id).c_str());
            continue;
        }
        ++kept;
        kept_bytes += bytes;
    }
}

}  // namespace zentavo
