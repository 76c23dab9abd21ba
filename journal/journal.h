// What the journal of a rename run holds, as the reader hands it back: the
// plan written before the first move, the steps appended after each move, and
// how the run ended.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"
#include "engine/move_list.h"

namespace zentavo {

enum class RunKind : uint8_t {
    Rename = 1,
    Undo = 2,  // takes back the run named in `undoes`: a rename, or a redo
    Redo = 3,  // takes back the undo named in `undoes`
};

enum class RunState {
    Complete,     // the run ended and wrote its end record
    Interrupted,  // no end record: the process was killed or the machine stopped
    Undone,       // an undo brought back every file it moved, and no redo since
    Running,      // the process writing it still holds it
};

struct RunHeader {
    std::string id;  // also the token in the run's scratch names
    RunKind kind = RunKind::Rename;
    std::string undoes;      // for an undo, the id of the run it takes back
    int64_t started_ns = 0;  // wall clock, before the first move
    uint64_t rows = 0;       // rows in the plan
    std::string first_folder;
};

// A move that happened. The file is now at the target of the plan's row, or
// where the step's note says when a detour could neither finish nor roll back.
inline constexpr uint32_t kNoNote = UINT32_MAX;

struct MoveStep {
    uint32_t row = 0;
    uint32_t note = kNoNote;  // index into RunRecord::notes
};

// What few steps carry besides: kept apart, so that the many steps without
// cost a few bytes each.
struct StepNote {
    FileIdentity new_identity;  // set when the move made a new file (a copy)
    std::string left_at;
    std::string saved_other;  // another program's data saved beside the target
};

// The steps written together, from first_step to the next batch's.
struct StepBatch {
    size_t first_step = 0;
    int64_t written_ns = 0;
};

struct RunEnd {
    int64_t ended_ns = 0;
    uint64_t renamed = 0;
    uint64_t failed = 0;
};

struct RunRecord {
    RunHeader header;
    // The files the run means to move, as planned before the first move;
    // each move's index is the row its scratch names carry, and its origin.
    MoveList plan;
    std::vector<MoveStep> steps;
    std::vector<StepNote> notes;
    std::vector<StepBatch> batches;  // in the order written
    std::optional<RunEnd> end;
    // When it was last undone whole; unset while it stands (never undone,
    // or redone since).
    std::optional<int64_t> undone_ns;
    uint64_t whole_bytes = 0;  // the file up to its last whole record
    // A whole record follows one that cannot be read: the file was damaged,
    // not cut short by a crash.
    bool damaged = false;

    bool plan_complete() const { return plan.count() == header.rows; }
    // Whether a detour left the step's file under neither of its row's names.
    bool LeftElsewhere(const MoveStep& step) const {
        return step.note != kNoNote && !notes[step.note].left_at.empty();
    }
    // Where the step put its file: into holds it unless a note does.
    const std::string& Destination(const MoveStep& step, std::string& into) const {
        return LeftElsewhere(step) ? notes[step.note].left_at : plan.to(step.row, into);
    }
    // When the batch holding the step was written.
    int64_t WrittenNs(size_t step) const {
        const auto after = std::upper_bound(
            batches.begin(), batches.end(), step,
            [](size_t i, const StepBatch& batch) { return i < batch.first_step; });
        return after == batches.begin() ? 0 : std::prev(after)->written_ns;
    }
    RunState state() const {
        if (undone_ns) return RunState::Undone;
        return end ? RunState::Complete : RunState::Interrupted;
    }
};

// What a listing of runs shows, read without decoding the plan.
struct RunSummary {
    RunHeader header;
    std::optional<RunEnd> end;
    std::optional<int64_t> undone_ns;  // as in RunRecord
    uint64_t steps = 0;                // of an interrupted run: the moves it got to record
    uint64_t bytes = 0;                // size of its journal file
    bool running = false;              // a living process holds its journal

    RunState state() const {
        if (running) return RunState::Running;
        if (undone_ns) return RunState::Undone;
        return end ? RunState::Complete : RunState::Interrupted;
    }
    uint64_t renamed() const { return end ? end->renamed : steps; }
};

}  // namespace zentavo
