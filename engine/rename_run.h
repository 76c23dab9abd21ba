// Renaming the listed files on disk, in passes, until a pass moves nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/code_page.h"
#include "core/rename_list.h"
#include "engine/file_system.h"
#include "engine/move_list.h"
#include "engine/move_log.h"
#include "engine/progress.h"
#include "engine/scratch_name.h"

namespace zentavo {

// What the user must hear of one row beyond its mark.
struct RowNote {
    size_t row = 0;
    std::string left_at;      // the file now lies here, under neither of its names
    std::string saved_other;  // another program's data that met this row's move is here
};

struct RenameOutcome {
    size_t renamed = 0;
    size_t failed = 0;
    std::vector<RowNote> notes;   // in the order the moves happened
    int journal_error = 0;        // the journal could not be begun: nothing was renamed
    int journal_write_error = 0;  // the journal misses some of the run's moves or its end
    std::string run_id;           // of the journal written; empty when none was kept
};

// The target of a row: the folder of its path, a separator unless the folder
// already ends in one, then the new name.
std::string RenameTarget(std::string_view path, std::string_view new_name, PathSyntax syntax,
                         const CodePage& page);

// Why a run cannot use a new name, without touching the disk: EINVAL for an
// empty one (the target would be the folder itself) or one holding a NUL
// (the system would see it cut short), ENAMETOOLONG for one too long to be
// a path. 0 for a name a run can try.
int UnusableName(std::string_view new_name);

// Whether a run tries to move the row: the rows a run moves, the preview
// checks and a journal plans are these, and only these.
bool RunWillTry(const RenameList& list, size_t row);

// The moves a run makes of the list: one for each row it tries (RunWillTry),
// in list order, with the row as its origin and its path as its source,
// read from the list, which must keep its texts while the moves live.
MoveList MovesOf(const RenameList& list, const CodePage& page);

// Makes a list of moves, never replacing a file. Each pass tries the Pending
// moves in list order; a move that failed is tried again in a later pass, and
// the run ends with a pass that renames nothing. The moves still Pending then
// are marked Failed.
//
// Every pass tries only the moves that something has happened to since their
// last try: a move away from their target, or onto their missing source. A
// chain of n renames that needs n passes therefore costs about 2n moves, not
// n * n. The first pass and the closing one try every Pending move, whatever
// its last failure. So the outcome (which moves are made, which one wins a
// contested name, the marks) is exactly that of trying every Pending move in
// every pass, as long as a move that failed for another reason than a taken
// target or a missing source would fail again; one that later succeeds (a
// file that was busy, say) is made by a closing pass.
class RenameRun {
public:
    // Renames the list's Pending rows, each of which ends Renamed or Failed
    // as the run goes. run_token names the run's hidden intermediates (see
    // ScratchName); page reads the rows' paths when their targets are made.
    RenameRun(FileSystem& fs, RenameList& list, const CodePage& page, Progress progress = {},
              std::string run_token = NewRunToken());

    // The same by moves, MovesOf(list), telling log, whose record of the
    // run's plan holds those moves in their order and is already made, of
    // every move; run_token is the record's.
    RenameRun(FileSystem& fs, RenameList& list, MoveList& moves, Progress progress, MoveLog& log,
              std::string run_token);

    // Makes the moves [first, last) of moves, which are no list's rows; the
    // log's record holds each move at its index in moves.
    RenameRun(FileSystem& fs, MoveList& moves, size_t first, size_t last, Progress progress,
              MoveLog& log, std::string run_token);

    const std::string& run_token() const { return run_token_; }

    // Once stop is requested, the run makes no further move: the moves it
    // has not tried, or was about to try again, end Failed with ECANCELED.
    void StopWhen(std::stop_token stop) { stop_ = std::move(stop); }

    // One pass; returns the number of moves made in it.
    size_t RenamePass();

    // Passes until one renames nothing, then marks the moves left Failed.
    RenameOutcome Run();

private:
    enum class Pass { Full, Woken };

    void Try(size_t move);
    void Mark(size_t move, RowMark mark, int failure = 0);
    void Wait(const std::string& key, size_t move);
    void Wake(const std::string& key);
    std::string Key(std::string_view path) const;
    bool Pending(size_t move) const { return moves_.mark(move) == RowMark::Pending; }

    FileSystem& fs_;
    RenameList* list_ = nullptr;  // whose rows the moves are, marked as they end
    MoveList own_moves_;
    MoveList& moves_;
    size_t first_ = 0;
    size_t last_ = 0;
    PathSyntax syntax_;  // the list's, or for a journal's moves the file system's
    Progress progress_;
    size_t total_ = 0;  // as progress counts
    std::stop_token stop_;
    std::string run_token_;
    std::vector<RowNote> notes_;
    MoveLog* log_ = nullptr;
    std::string path_;  // of the move being tried, and its target
    std::string target_;

    Pass next_pass_ = Pass::Full;
    size_t cursor_ = 0;  // the move being tried
    bool in_full_pass_ = false;
    size_t renamed_in_pass_ = 0;
    size_t renamed_ = 0;
    size_t tries_ = 0;

    // A Pending move's failure is the errno of its last try, 0 before any.
    std::vector<size_t> woken_now_;  // min-heap of moves after the cursor to try this pass
    std::vector<bool> armed_now_;
    std::vector<size_t> woken_next_;
    std::vector<bool> armed_next_;
    std::unordered_map<std::string, std::vector<size_t>> waiting_;  // path key -> moves
};

}  // namespace zentavo
