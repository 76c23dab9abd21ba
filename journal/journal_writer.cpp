#include "journal/journal_writer.h"

#include <cerrno>
#include <chrono>

#include "journal/journal_codec.h"

namespace zentavo {

namespace {

constexpr size_t kBatchBytes = size_t{64} << 10;
constexpr size_t kWriteBytes = size_t{256} << 10;
constexpr int64_t kSyncEveryNs = 1'000'000'000;

}  // namespace

int64_t WallClockNs() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

JournalWriter::JournalWriter(Clock clock) : clock_(std::move(clock)) {}

void JournalWriter::Close() {
    file_.reset();
}

void JournalWriter::Note(int error) {
    if (error_ == 0) error_ = error;
}

int JournalWriter::Start(std::unique_ptr<JournalFile> file, JournalStorage& storage,
                         std::string name, std::string path, const RunHeader& header) {
    file_ = std::move(file);
    storage_ = &storage;
    name_ = std::move(name);
    path_ = std::move(path);
    rows_ = header.rows;
    run_id_ = header.id;
    out_.assign(journal_codec::kMagic);
    out_ += EncodeHeader(header);
    plan_batch_.Start(0);
    return WriteOut();
}

void JournalWriter::Plan(std::string_view source, std::string_view target,
                         const FileIdentity& identity) {
    plan_batch_.Add(source, target, identity);
    ++planned_;
    if (plan_batch_.size() >= kBatchBytes) FlushPlan();
}

void JournalWriter::FlushPlan() {
    if (plan_batch_.empty()) return;
    journal_codec::AppendRecord(out_, journal_codec::kPlan, plan_batch_.Take());
    if (out_.size() >= kWriteBytes) Note(WriteOut());
}

int JournalWriter::SealPlan() {
    if (planned_ != rows_) return EINVAL;
    FlushPlan();
    if (const int error = WriteOut(); error != 0) return error;
    if (const int error = Sync(); error != 0) return error;
    // The file's name must be as durable as its bytes.
    return storage_->SyncFolder();
}

void JournalWriter::Moved(size_t row, const MoveResult& moved) {
    EncodeStep(steps_batch_, uint32_t(row), moved);
    ++steps_;
    // A file left under a scratch name is found by that name only, so its
    // step is made durable at once. A copy's new identity is not: after a
    // crash the copy is recognised under its target as born during the run.
    const bool unforeseen = !moved.left_at.empty();
    const bool due = unforeseen || clock_() - last_sync_ns_ >= kSyncEveryNs;
    if (due || steps_batch_.size() >= kBatchBytes) FlushSteps();
    if (due) {
        Note(WriteOut());
        Note(Sync());
    }
}

void JournalWriter::FlushSteps() {
    if (steps_batch_.empty()) return;
    journal_codec::AppendRecord(out_, journal_codec::kSteps,
                                StepBatchPayload(clock_(), steps_batch_));
    steps_batch_.clear();
    if (out_.size() >= kWriteBytes) Note(WriteOut());
}

int JournalWriter::WriteOut() {
    if (!file_) return EBADF;
    size_t done = 0;
    const int error = file_->Append(out_, done);
    written_ += done;
    out_.erase(0, done);
    return error;
}

int JournalWriter::Sync() {
    last_sync_ns_ = clock_();
    return file_->Sync();
}

int JournalWriter::Finish(uint64_t renamed, uint64_t failed) {
    if (!file_) return error_ != 0 ? error_ : EBADF;
    if (steps_ == 0) {
        Close();
        // Nothing moved, nothing to take back.
        const int error = storage_->Remove(name_);
        return error == ENOENT ? 0 : error;
    }
    FlushSteps();
    Note(WriteOut());
    out_ = EndRecord({clock_(), renamed, failed}, written_);
    Note(WriteOut());
    Note(Sync());
    Close();
    return error_;
}

}  // namespace zentavo
