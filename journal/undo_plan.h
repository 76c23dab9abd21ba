// Working out, from a run's journal and what is on disk now, which file goes
// back where.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/path_batch.h"
#include "engine/file_system.h"
#include "engine/move_list.h"
#include "journal/journal.h"

namespace zentavo {

enum class UndoReason {
    Gone,       // nothing under the name where the file should be
    Replaced,   // another file is there now, or this one was made anew
    NameTaken,  // its name from before the run is taken
    Failed,     // the move back failed; error says why
};

struct UndoProblem {
    std::string original;  // the file's name before the run
    std::string at;        // where the journal last saw it
    UndoReason reason = UndoReason::Gone;
    int error = 0;  // errno value, for Failed
};

// A file of the run's own making that a crash left behind: a part-made copy
// under a scratch name, or a finished copy whose source was never removed.
struct Leftover {
    std::string path;
    FileIdentity identity;
};

struct UndoPlan {
    // In the order they are to be made: the run's steps backwards, after the
    // moves the journal missed; for a run cut short, one from where a file
    // was found to where the journal last saw it. A file that moved twice in
    // the run (onto a name another row then moved on) goes back the same two
    // steps, since together such moves can swap names round that no single
    // moves undo. Each move's origin is its file's index in originals.
    MoveList moves;
    std::vector<MoveList::Span> originals;  // in moves' paths, of each file the moves take back
    std::vector<UndoProblem> problems;
    std::vector<Leftover> leftovers;
    PathBatch already_back;  // original names that hold their file again
    PathBatch unmoved;       // files of the run it never moved, under their names
    // The plan could be read only in part, and the rest is not the run's
    // own doing (cut short before its first move): the files of the lost
    // rows cannot be found.
    bool damaged = false;
};

// A file moved by the run is looked for where the journal's last step put
// it. For a run cut short, steps may be missing: files are then found by
// their identity among every name the run could have given them (sources,
// targets, scratch names). A file counts as the one the run moved only if it
// has the recorded identity and was born before the run (or before its copy
// was recorded); where the file system keeps no birth time, a status change
// after the run's end means it was made anew. The plan's moves are made over
// the paths of run.plan, which it takes over and leaves empty; it may let
// run.steps go as well.
UndoPlan PlanUndo(RunRecord& run, FileSystem& fs);

}  // namespace zentavo
