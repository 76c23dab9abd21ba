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
#include "fileops/file_system.h"
#include "fileops/move_log.h"
#include "fileops/progress.h"
#include "fileops/scratch_name.h"

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

// Moves every Pending row's file to its new name in its own folder, never
// replacing a file. Each pass tries the Pending rows in list order; a move
// that failed is tried again in a later pass, and the run ends with a pass
// that renames nothing. The rows still Pending then are marked Failed.
//
// Every pass tries only the rows that something has happened to since their
// last try: a move away from their target, or onto their missing source. A
// chain of n renames that needs n passes therefore costs about 2n moves, not
// n * n. The first pass and the closing one try every Pending row, whatever
// its last failure. So the outcome (which rows move, which row wins a
// contested name, the marks) is exactly that of trying every Pending row in
// every pass, as long as a move that failed for another reason than a taken
// target or a missing source would fail again; one that later succeeds (a
// file that was busy, say) is renamed by a closing pass.
class RenameRun {
public:
    // run_token names the run's hidden intermediates (see ScratchName); page
    // reads the rows' paths when their targets are made.
    RenameRun(FileSystem& fs, RenameList& list, const CodePage& page, Progress progress = {},
              std::string run_token = NewRunToken());

    const std::string& run_token() const { return run_token_; }

    // Tells log, whose record of the run's plan is already made, of every
    // move. plan_rows holds each row's index in that plan, which also names
    // the row's scratch files; run_token is the record's. targets, when
    // given, holds each row's target in place of the one its new name gives.
    RenameRun(FileSystem& fs, RenameList& list, const CodePage& page, Progress progress,
              MoveLog& log, std::string run_token, std::vector<uint32_t> plan_rows,
              const std::vector<std::string>* targets = nullptr);

    // The target of a row: from targets when given, else from its new name.
    std::string TargetOf(size_t row) const;

    // Once stop is requested, the run makes no further move: the rows it
    // has not tried, or was about to try again, end Failed with ECANCELED.
    void StopWhen(std::stop_token stop) { stop_ = std::move(stop); }

    // One pass; returns the number of rows renamed in it.
    size_t RenamePass();

    // Passes until one renames nothing, then marks the rows left Failed.
    RenameOutcome Run();

private:
    enum class Pass { Full, Woken };

    void Try(size_t row);
    void Wait(const std::string& key, size_t row);
    void Wake(const std::string& key);
    std::string Key(std::string_view path) const;

    FileSystem& fs_;
    RenameList& list_;
    CodePage page_;
    Progress progress_;
    std::stop_token stop_;
    std::string run_token_;
    std::vector<RowNote> notes_;
    MoveLog* log_ = nullptr;
    const std::vector<std::string>* targets_ = nullptr;
    std::vector<uint32_t> plan_rows_;  // with a log: each row's index in its plan

    Pass next_pass_ = Pass::Full;
    size_t cursor_ = 0;  // the row being tried
    bool in_full_pass_ = false;
    size_t renamed_in_pass_ = 0;
    size_t renamed_ = 0;
    size_t tries_ = 0;

    std::vector<int> last_error_;    // per row: 0 untried, else errno of its last try
    std::vector<bool> gives_up_;     // per row: failed without the disk, as it would every pass
    std::vector<size_t> woken_now_;  // min-heap of rows after the cursor to try this pass
    std::vector<bool> armed_now_;
    std::vector<size_t> woken_next_;
    std::vector<bool> armed_next_;
    std::unordered_map<std::string, std::vector<size_t>> waiting_;  // path key -> rows
};

}  // namespace zentavo
