// The records of a journal file, written and read in one place so that the
// two cannot drift apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "journal/journal.h"

namespace zentavo {

std::string EncodeHeader(const RunHeader& header);

// Planned moves go into a batch payload. Each source is written as the
// number of bytes it shares with the previous source in the batch and the
// rest, each target likewise against its own source: rows of one folder
// cost little more than their names.
class PlanBatch {
public:
    void Start(uint64_t first_row);
    void Add(std::string_view source, std::string_view target, const FileIdentity& identity);
    bool empty() const { return count_ == 0; }
    size_t size() const { return rows_.size(); }
    // The payload of the batch; the batch is empty again afterwards.
    std::string Take();

private:
    uint64_t first_row_ = 0;
    uint64_t count_ = 0;
    std::string rows_;
    std::string previous_;
};

// Steps likewise: the time the batch is written, then one entry per step.
void EncodeStep(std::string& payload, uint32_t row, const MoveResult& moved);
std::string StepBatchPayload(int64_t written_ns, std::string_view steps);

// The fixed-size records; offset is where the record starts in the file.
std::string EndRecord(const RunEnd& end, uint64_t offset);
// undone: every file of the run is back (kUndone); otherwise every file is
// forward again (kRedone).
std::string HistoryRecord(bool undone, int64_t when_ns, uint64_t offset);

// Decodes a whole journal. False when bytes are not a journal at all; a
// journal cut short anywhere is read up to its last whole record, and the
// undone and redone records written after such a cut are read from its end.
bool ParseJournal(std::string_view bytes, RunRecord& run);

// The header from the first bytes of a file.
bool ParseHeader(std::string_view head, RunHeader& header);

// The end and history records from the last bytes of a file of size bytes;
// tail holds the file's last tail.size() bytes. Leaves end unset when the
// file does not end with it, and undone_ns as the last history record left
// it (unset when there is none). Returns whether any history record was
// found.
bool ParseTail(std::string_view tail, uint64_t size, std::optional<RunEnd>& end,
               std::optional<int64_t>& undone_ns);

}  // namespace zentavo
