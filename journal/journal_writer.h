// Writes the journal of one run: the plan, made durable before the first
// move, then the moves as they happen, then the end.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/move_log.h"
#include "journal/journal.h"
#include "journal/journal_records.h"
#include "journal/journal_storage.h"

namespace zentavo {

// Nanoseconds since the epoch, by the wall clock the file system's times use.
int64_t WallClockNs();

// Steps are kept in memory and written in batches: a crash loses at most the
// last batch, and the plan's identities find those files again. A sync per
// move would cost more than the moves; the steps are synced about once a
// second and at the end, and at once after a file was left under a scratch
// name.
class JournalWriter final : public MoveLog {
public:
    using Clock = std::function<int64_t()>;

    explicit JournalWriter(Clock clock = WallClockNs);
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Takes over a journal file just created in storage under name (empty,
    // open for writing) and writes the magic and the header.
    int Start(std::unique_ptr<JournalFile> file, JournalStorage& storage, std::string name,
              std::string path, const RunHeader& header);
    void Plan(std::string_view source, std::string_view target, const FileIdentity& identity);
    // Writes what is left of the plan and makes the file and its folder
    // durable: after this, moves may begin.
    int SealPlan();

    // A move of the run, as the run tells it.
    void Moved(size_t row, const MoveResult& moved) override;

    // Writes the end record and closes the file. A run that moved nothing
    // leaves no journal: its file is removed instead.
    int Finish(uint64_t renamed, uint64_t failed);

    const std::string& path() const { return path_; }
    const std::string& run_id() const { return run_id_; }
    uint64_t steps() const { return steps_; }
    // The first error met since Start; the run goes on regardless, since the
    // plan already on disk keeps it recoverable.
    int error() const { return error_; }

private:
    void FlushPlan();
    void FlushSteps();
    int WriteOut();
    int Sync();
    void Note(int error);
    void Close();

    Clock clock_;
    std::unique_ptr<JournalFile> file_;
    JournalStorage* storage_ = nullptr;
    std::string name_;
    std::string path_;
    std::string run_id_;
    uint64_t rows_ = 0;
    uint64_t planned_ = 0;
    std::string out_;       // framed records not written yet
    uint64_t written_ = 0;  // bytes already in the file
    PlanBatch plan_batch_;
    std::string steps_batch_;
    uint64_t steps_ = 0;
    int64_t last_sync_ns_ = 0;
    int error_ = 0;
};

}  // namespace zentavo
