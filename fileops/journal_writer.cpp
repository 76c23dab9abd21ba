#include "fileops/journal_writer.h"

#include <time.h>

#include "fileops/journal_codec.h"
#include "fileops/os_support.h"

namespace zentavo {

namespace {

constexpr size_t kBatchBytes = size_t{64} << 10;
constexpr size_t kWriteBytes = size_t{256} << 10;
constexpr int64_t kSyncEveryNs = 1'000'000'000;

}  // namespace

int64_t WallClockNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

JournalWriter::JournalWriter(Os& os, Clock clock) : os_(os), clock_(std::move(clock)) {}

JournalWriter::~JournalWriter() {
    Close();
}

void JournalWriter::Close() {
    if (fd_ < 0) return;
    os_.Close(fd_);
    fd_ = -1;
}

void JournalWriter::Note(int error) {
    if (error_ == 0) error_ = error;
}

int JournalWriter::Start(int fd, std::string path, std::string folder, const RunHeader& header) {
    fd_ = fd;
    path_ = std::move(path);
    folder_ = std::move(folder);
    rows_ = header.rows;
    run_id_ = header.id;
    out_.assign(journal_codec::kMagic);
    out_ += EncodeHeader(header);
    plan_batch_.Start(0);
    return WriteOut();
}

void JournalWriter::Plan(const PlannedMove& move) {
    plan_batch_.Add(move);
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
    return SyncFolder(os_, folder_);
}

void JournalWriter::Moved(const MoveStep& step) {
    EncodeStep(steps_batch_, step);
    ++steps_;
    // A file left under a scratch name is found by that name only, so its
    // step is made durable at once. A copy's new identity is not: after a
    // crash the copy is recognised under its target as born during the run.
    const bool unforeseen = !step.left_at.empty();
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
    if (fd_ < 0) return EBADF;
    size_t at = 0;
    while (at < out_.size()) {
        size_t done = 0;
        const int error =
            RetryOnEintr([&] { return os_.Write(fd_, out_.data() + at, out_.size() - at, done); });
        if (error != 0 || done == 0) {
            written_ += at;
            out_.erase(0, at);
            return error != 0 ? error : EIO;
        }
        at += done;
    }
    written_ += out_.size();
    out_.clear();
    return 0;
}

int JournalWriter::Sync() {
    last_sync_ns_ = clock_();
    return RetryOnEintr([&] { return os_.Fsync(fd_); });
}

int JournalWriter::Finish(uint64_t renamed, uint64_t failed) {
    if (fd_ < 0) return error_ != 0 ? error_ : EBADF;
    if (steps_ == 0) {
        Close();
        // Nothing moved, nothing to take back.
        const int error = os_.Unlink(path_.c_str());
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
