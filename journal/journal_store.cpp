#include "journal/journal_store.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <random>
#include <thread>
#include <unordered_map>

#include "engine/lexical_path.h"
#include "journal/journal_codec.h"
#include "journal/journal_records.h"
#include "journal/run_history.h"

namespace zentavo {

namespace {

constexpr std::string_view kSuffix = ".journal";
constexpr size_t kHeadBytes = size_t{64} << 10;
constexpr size_t kTailBytes = size_t{4} << 10;
constexpr int kIdAttempts = 1000;
constexpr int kHoldAttempts = 10;
constexpr std::chrono::milliseconds kHoldPause{10};

std::string NameOf(const std::string& id) {
    return id + std::string(kSuffix);
}

// 20261207-142233-1f3a: sortable by time, safe in any file name.
std::string RunId(int64_t now_ns, unsigned serial) {
    const std::time_t seconds = static_cast<std::time_t>(now_ns / 1'000'000'000);
    std::tm local{};
    {
        // std::localtime shares one result between its callers.
        static std::mutex shared_result;
        const std::lock_guard lock(shared_result);
        local = *std::localtime(&seconds);
    }
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%04x", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  serial & 0xFFFF);
    return text;
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

JournalStore::JournalStore(std::unique_ptr<JournalStorage> storage, Retention retention,
                           JournalWriter::Clock clock)
    : storage_(std::move(storage)), retention_(retention), clock_(std::move(clock)) {}

std::string JournalStore::PathOf(const std::string& id) const {
    // The storage is the platform's, so its folder is spelled natively.
    return JoinPath(storage_->folder(), NameOf(id), kNativeSyntax);
}

// Another user who can write the folder, or the one above it, could put a
// journal of their making in it, and an undo would move files as it says.
int JournalStore::CheckFolder() {
    untrusted_path_.clear();
    return storage_->CheckFolder(untrusted_path_);
}

int JournalStore::Open(const std::string& name, bool append, std::unique_ptr<JournalFile>& file) {
    return storage_->Open(name, append, file, untrusted_path_);
}

int JournalStore::Create(RunHeader& header, JournalWriter& writer) {
    if (storage_->folder().empty()) return ENOENT;
    if (const int error = storage_->MakeFolder(); error != 0) return error;
    if (const int error = CheckFolder(); error != 0) return error;
    header.started_ns = clock_();
    const unsigned seed = std::random_device{}() ^ unsigned(header.started_ns / 1000);
    for (int attempt = 0; attempt < kIdAttempts; ++attempt) {
        header.id = RunId(header.started_ns, seed + unsigned(attempt));
        const std::string name = NameOf(header.id);
        std::unique_ptr<JournalFile> file;
        const int error = storage_->Create(name, file);
        if (error == EEXIST) continue;
        if (error != 0) return error;
        // Where the file system has no locks, the run goes on unguarded.
        file->Lock();
        return writer.Start(std::move(file), *storage_, name, PathOf(header.id), header);
    }
    return EEXIST;
}

int JournalStore::ReadWhole(const std::string& name, std::string& bytes) {
    std::unique_ptr<JournalFile> file;
    if (const int error = Open(name, false, file); error != 0) return error;
    uint64_t size = 0;
    if (const int error = file->Size(size); error != 0) return error;
    return file->ReadAt(0, size_t(size), bytes);
}

int JournalStore::Read(const std::string& id, RunRecord& run) {
    if (const int error = CheckFolder(); error != 0) return error;
    std::string bytes;
    if (const int error = ReadWhole(NameOf(id), bytes); error != 0) return error;
    return ParseJournal(bytes, run) ? 0 : EINVAL;
}

int JournalStore::Summarise(const std::string& name, RunSummary& summary) {
    std::unique_ptr<JournalFile> file;
    if (const int error = Open(name, false, file); error != 0) return error;
    summary.running = file->LockedElsewhere();
    if (const int error = file->Size(summary.bytes); error != 0) return error;
    std::string head;
    if (const int error = file->ReadAt(0, std::min(kHeadBytes, size_t(summary.bytes)), head);
        error != 0)
        return error;
    if (!ParseHeader(head, summary.header)) return EINVAL;
    std::string tail;
    const size_t tail_size = std::min(kTailBytes, size_t(summary.bytes));
    if (const int error = file->ReadAt(summary.bytes - tail_size, tail_size, tail); error != 0)
        return error;
    ParseTail(tail, summary.bytes, summary.end, summary.undone_ns);
    if (summary.end) return 0;
    // Only a run without its end is read whole, to count the moves it recorded.
    std::string bytes;
    if (const int error = file->ReadAt(0, size_t(summary.bytes), bytes); error != 0) return error;
    RunRecord run;
    ParseJournal(bytes, run);
    summary.steps = run.steps.size();
    summary.undone_ns = run.undone_ns;
    return 0;
}

int JournalStore::List(std::vector<RunSummary>& runs) {
    runs.clear();
    if (const int error = CheckFolder(); error != 0) return error;
    std::vector<std::string> names;
    if (const int error = storage_->List(names); error != 0) return error == ENOENT ? 0 : error;
    std::erase_if(names, [](std::string_view name) {
        return name.size() <= kSuffix.size() || !name.ends_with(kSuffix);
    });
    for (const std::string& name : names) {
        RunSummary summary;
        // A file that is not a journal, or went away meanwhile, is no run;
        // one that is not the user's alone stops the listing.
        const int error = Summarise(name, summary);
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
    if (const int error = CheckFolder(); error != 0) return error;
    if (const int error = Open(NameOf(id), true, held.file_); error != 0) return error;
    // A listing probes each journal for a moment; a run holds it for its life.
    int locked = 0;
    for (int attempt = 0; attempt < kHoldAttempts; ++attempt) {
        locked = held.file_->Lock();
        if (locked != EWOULDBLOCK) break;
        std::this_thread::sleep_for(kHoldPause);
    }
    if (locked == EWOULDBLOCK) {
        held.file_.reset();
        return EBUSY;
    }
    uint64_t size = 0;
    std::string bytes;
    if (const int error = held.file_->Size(size); error != 0) return error;
    if (const int error = held.file_->ReadAt(0, size_t(size), bytes); error != 0) return error;
    return ParseJournal(bytes, held.run) ? 0 : EINVAL;
}

int JournalStore::Mark(HeldRun& held, bool undone, int64_t when) {
    if (!held.file_) return EBADF;
    uint64_t size = 0;
    if (const int error = held.file_->Size(size); error != 0) return error;
    const std::string record = HistoryRecord(undone, when, size);
    size_t written = 0;
    if (const int error = held.file_->Append(record, written); error != 0) return error;
    if (const int error = held.file_->Sync(); error != 0) return error;
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
            for (const RunSummary* run : chain) storage_->Remove(NameOf(run->header.id));
            continue;
        }
        ++kept;
        kept_bytes += bytes;
    }
}

}  // namespace zentavo
