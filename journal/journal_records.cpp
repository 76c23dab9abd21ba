#include "journal/journal_records.h"

#include <algorithm>

#include "journal/journal_codec.h"

namespace zentavo {

using namespace journal_codec;

namespace {

constexpr uint8_t kNewIdentity = 1;
constexpr uint8_t kLeftAt = 2;
constexpr uint8_t kSavedOther = 4;

// The fewest bytes a row of the plan (two shared prefixes and an identity)
// and a step (its row and its flags) take.
constexpr size_t kSmallestPlanRow = 6;
constexpr size_t kSmallestStep = 2;

size_t Shared(std::string_view a, std::string_view b) {
    size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

void PutShared(std::string& out, std::string_view base, std::string_view text) {
    const size_t shared = Shared(base, text);
    PutVarint(out, shared);
    PutBytes(out, text.substr(shared));
}

bool ReadShared(PayloadReader& in, std::string_view base, std::string& text) {
    const uint64_t shared = in.Varint();
    const std::string_view rest = in.Bytes();
    if (!in.ok() || shared > base.size()) return false;
    text.assign(base.substr(0, shared));
    text += rest;
    return true;
}

// The bytes the plan's paths take once read, counted ahead so that their
// buffer is made once.
size_t PlanBytes(std::string_view bytes) {
    size_t total = 0;
    size_t at = kMagic.size();
    char type = 0;
    std::string_view payload;
    while (NextRecord(bytes, at, type, payload)) {
        if (type != kPlan) continue;
        PayloadReader in(payload);
        in.Varint();
        const uint64_t count = in.Varint();
        // Each source shares a prefix with the one before it, each target
        // with its source; the plan, as the journal, keeps a target's rest.
        size_t source = 0;
        for (uint64_t i = 0; i < count && in.ok(); ++i) {
            source = std::min<size_t>(in.Varint(), source);
            source += in.Bytes().size();
            in.Varint();
            total += source + in.Bytes().size();
            in.Varint();
            in.Varint();
        }
    }
    return total;
}

// Adds the batch's rows to the plan; of a batch cut short (partial), the
// rows that are whole.
bool DecodePlan(std::string_view payload, RunRecord& run, bool partial = false) {
    PayloadReader in(payload);
    const uint64_t first = in.Varint();
    const uint64_t count = in.Varint();
    if (!in.ok() || first != run.plan.count() || count > run.header.rows - first) return false;
    std::string previous;
    std::string source;
    std::string target;
    for (uint64_t i = 0; i < count; ++i) {
        if (!ReadShared(in, previous, source) || !ReadShared(in, source, target)) return partial;
        FileIdentity identity;
        identity.device = in.Varint();
        identity.inode = in.Varint();
        if (!in.ok()) return partial;
        run.plan.Add(source, target, uint32_t(run.plan.count()), identity);
        previous.swap(source);
    }
    return in.empty();
}

// What can be known past the last whole record at `at`: the rows of a plan
// batch that the file's end cut into (every field carries its length, so a
// row read whole was written whole), and whether a whole record follows one
// that cannot be read, which no crash leaves behind.
void ReadPastTheLastWholeRecord(std::string_view bytes, size_t at, RunRecord& run) {
    PayloadReader frame(bytes.substr(at + 1));
    const uint64_t length = frame.Varint();
    if (!frame.ok()) return;
    const size_t header = bytes.size() - at - frame.rest().size();
    const size_t left = bytes.size() - at - header;
    if (length + 4 > left) {
        if (bytes[at] == kPlan) DecodePlan(frame.rest(), run, true);
        return;
    }
    size_t next = at + header + length + 4;
    char type = 0;
    std::string_view payload;
    run.damaged = NextRecord(bytes, next, type, payload);
}

bool DecodeSteps(std::string_view payload, RunRecord& run) {
    PayloadReader in(payload);
    const auto written = static_cast<int64_t>(in.Fixed64());
    run.batches.push_back({run.steps.size(), written});
    while (in.ok() && !in.empty()) {
        MoveStep step;
        const uint64_t row = in.Varint();
        const uint8_t flags = in.Byte();
        StepNote note;
        if (flags & kNewIdentity) {
            note.new_identity.device = in.Varint();
            note.new_identity.inode = in.Varint();
        }
        if (flags & kLeftAt) note.left_at = in.Bytes();
        if (flags & kSavedOther) note.saved_other = in.Bytes();
        if (!in.ok() || row >= run.plan.count()) return false;
        step.row = uint32_t(row);
        if (flags & (kNewIdentity | kLeftAt | kSavedOther)) {
            step.note = uint32_t(run.notes.size());
            run.notes.push_back(std::move(note));
        }
        run.steps.push_back(step);
    }
    return in.ok();
}

bool DecodeEnd(std::string_view payload, RunEnd& end, uint64_t& offset) {
    PayloadReader in(payload);
    end.ended_ns = static_cast<int64_t>(in.Fixed64());
    end.renamed = in.Fixed64();
    end.failed = in.Fixed64();
    offset = in.Fixed64();
    return in.ok() && in.empty();
}

bool DecodeHistory(std::string_view payload, int64_t& when_ns, uint64_t& offset) {
    PayloadReader in(payload);
    when_ns = static_cast<int64_t>(in.Fixed64());
    offset = in.Fixed64();
    return in.ok() && in.empty();
}

bool DecodeHeader(std::string_view payload, RunHeader& header) {
    PayloadReader in(payload);
    const uint8_t kind = in.Byte();
    header.id = in.Bytes();
    header.undoes = in.Bytes();
    header.started_ns = static_cast<int64_t>(in.Fixed64());
    header.rows = in.Varint();
    header.first_folder = in.Bytes();
    if (kind != uint8_t(RunKind::Rename) && kind != uint8_t(RunKind::Undo) &&
        kind != uint8_t(RunKind::Redo))
        return false;
    header.kind = static_cast<RunKind>(kind);
    return in.ok() && !header.id.empty();
}

// A fixed-size record of the given type that starts at offset inside bytes.
bool FixedRecordAt(std::string_view bytes, size_t at, char type, std::string_view& payload) {
    char found = 0;
    return NextRecord(bytes, at, found, payload) && found == type && at == bytes.size();
}

}  // namespace

std::string EncodeHeader(const RunHeader& header) {
    std::string payload;
    payload += static_cast<char>(header.kind);
    PutBytes(payload, header.id);
    PutBytes(payload, header.undoes);
    PutFixed64(payload, static_cast<uint64_t>(header.started_ns));
    PutVarint(payload, header.rows);
    PutBytes(payload, header.first_folder);
    std::string record;
    AppendRecord(record, kHeader, payload);
    return record;
}

void PlanBatch::Start(uint64_t first_row) {
    first_row_ = first_row;
    count_ = 0;
    rows_.clear();
    previous_.clear();
}

void PlanBatch::Add(std::string_view source, std::string_view target,
                    const FileIdentity& identity) {
    PutShared(rows_, previous_, source);
    PutShared(rows_, source, target);
    PutVarint(rows_, identity.device);
    PutVarint(rows_, identity.inode);
    previous_ = source;
    ++count_;
}

std::string PlanBatch::Take() {
    std::string payload;
    PutVarint(payload, first_row_);
    PutVarint(payload, count_);
    payload += rows_;
    Start(first_row_ + count_);
    return payload;
}

void EncodeStep(std::string& payload, uint32_t row, const MoveResult& moved) {
    PutVarint(payload, row);
    uint8_t flags = 0;
    if (moved.new_identity.inode != 0) flags |= kNewIdentity;
    if (!moved.left_at.empty()) flags |= kLeftAt;
    if (!moved.saved_other.empty()) flags |= kSavedOther;
    payload += static_cast<char>(flags);
    if (flags & kNewIdentity) {
        PutVarint(payload, moved.new_identity.device);
        PutVarint(payload, moved.new_identity.inode);
    }
    if (flags & kLeftAt) PutBytes(payload, moved.left_at);
    if (flags & kSavedOther) PutBytes(payload, moved.saved_other);
}

std::string StepBatchPayload(int64_t written_ns, std::string_view steps) {
    std::string payload;
    PutFixed64(payload, static_cast<uint64_t>(written_ns));
    payload += steps;
    return payload;
}

std::string EndRecord(const RunEnd& end, uint64_t offset) {
    std::string payload;
    PutFixed64(payload, static_cast<uint64_t>(end.ended_ns));
    PutFixed64(payload, end.renamed);
    PutFixed64(payload, end.failed);
    PutFixed64(payload, offset);
    std::string record;
    AppendRecord(record, kEnd, payload);
    return record;
}

std::string HistoryRecord(bool undone, int64_t when_ns, uint64_t offset) {
    std::string payload;
    PutFixed64(payload, static_cast<uint64_t>(when_ns));
    PutFixed64(payload, offset);
    std::string record;
    AppendRecord(record, undone ? kUndone : kRedone, payload);
    return record;
}

bool ParseHeader(std::string_view head, RunHeader& header) {
    if (!head.starts_with(kMagic)) return false;
    size_t at = kMagic.size();
    char type = 0;
    std::string_view payload;
    return NextRecord(head, at, type, payload) && type == kHeader && DecodeHeader(payload, header);
}

bool ParseJournal(std::string_view bytes, RunRecord& run) {
    run = RunRecord{};
    if (!ParseHeader(bytes, run.header)) return false;
    // Grown a row at a time, the plan and the steps would hold up to twice
    // their rows, and three times while they move; the file's size bounds
    // what a damaged header may claim.
    run.plan.Reserve(std::min<uint64_t>(run.header.rows, bytes.size() / kSmallestPlanRow),
                     PlanBytes(bytes));
    run.steps.reserve(std::min<uint64_t>(run.header.rows, bytes.size() / kSmallestStep));
    size_t at = kMagic.size();
    char type = 0;
    std::string_view payload;
    NextRecord(bytes, at, type, payload);  // the header, read above
    run.whole_bytes = at;
    while (true) {
        const size_t offset = at;
        if (!NextRecord(bytes, at, type, payload)) break;
        bool understood = false;
        uint64_t stored_offset = 0;
        switch (type) {
            case kPlan:
                understood = !run.end && DecodePlan(payload, run);
                break;
            case kSteps:
                understood = !run.end && run.plan_complete() && DecodeSteps(payload, run);
                break;
            case kEnd: {
                RunEnd end;
                understood =
                    !run.end && DecodeEnd(payload, end, stored_offset) && stored_offset == offset;
                if (understood) run.end = end;
                break;
            }
            case kUndone:
            case kRedone: {
                int64_t when = 0;
                understood = DecodeHistory(payload, when, stored_offset) && stored_offset == offset;
                if (understood && type == kUndone) run.undone_ns = when;
                if (understood && type == kRedone) run.undone_ns.reset();
                break;
            }
            default:
                break;
        }
        if (!understood) break;
        run.whole_bytes = at;
    }
    if (run.whole_bytes < bytes.size()) {
        ReadPastTheLastWholeRecord(bytes, run.whole_bytes, run);
        // Marks appended after a tail a crash left torn.
        std::optional<RunEnd> no_end;
        std::optional<int64_t> undone;
        if (ParseTail(bytes.substr(run.whole_bytes), bytes.size(), no_end, undone))
            run.undone_ns = undone;
    }
    return true;
}

bool ParseTail(std::string_view tail, uint64_t size, std::optional<RunEnd>& end,
               std::optional<int64_t>& undone_ns) {
    end.reset();
    undone_ns.reset();
    // tail[i] is the file's byte size - tail.size() + i.
    const uint64_t tail_start = size - tail.size();
    size_t stop = tail.size();
    std::string_view payload;
    bool last_found = false;
    while (stop >= kHistoryRecordSize) {
        const std::string_view before = tail.substr(0, stop);
        const size_t at = stop - kHistoryRecordSize;
        const bool undone = FixedRecordAt(before, at, kUndone, payload);
        if (!undone && !FixedRecordAt(before, at, kRedone, payload)) break;
        int64_t when = 0;
        uint64_t offset = 0;
        if (!DecodeHistory(payload, when, offset) || offset != tail_start + at) break;
        if (!last_found && undone) undone_ns = when;  // the last one written decides
        last_found = true;
        stop = at;
    }
    if (stop < kEndRecordSize ||
        !FixedRecordAt(tail.substr(0, stop), stop - kEndRecordSize, kEnd, payload))
        return last_found;
    RunEnd found;
    uint64_t offset = 0;
    if (DecodeEnd(payload, found, offset) && offset == tail_start + stop - kEndRecordSize)
        end = found;
    return last_found;
}

}  // namespace zentavo
