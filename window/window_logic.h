// The main window's logic, which both front ends drive: the session's
// rename list, the commands (drop, set names, rename, undo, redo, delete,
// cancel), the jobs they run off the window's thread, the preview's check,
// which commands are enabled, and the reports of what the jobs did. The
// front end shows it all (WindowFrontEnd) and owns no rule of its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "journal/journal_store.h"
#include "session/rename_session.h"
#include "window/background_job.h"
#include "window/front_end.h"
#include "window/message.h"

namespace zentavo {

// What the window shows of the logic's state.
struct WindowState {
    bool busy = false;
    bool set_filenames_enabled = false;
    bool rename_enabled = false;
    bool undo_enabled = false;
    bool redo_enabled = false;
    // The Undo and Redo entries say what they would act on.
    Message undo_entry{TextId::UndoNothing};
    Message redo_entry{TextId::RedoNothing};
    // The empty list says that a drop found only subfolders.
    bool only_subfolders = false;
};

// How far the job under way got, for its progress box.
struct JobProgress {
    Message text{TextId::Cancelling};
    size_t done = 0;
    size_t total = 0;  // 0: not known
    bool cancellable = false;
    bool cancelling = false;
    // The job marks rows as it goes: the list may show them turning.
    bool marks_rows = false;
};

class WindowLogic {
public:
    // Files are reached through fs, journals kept in journals; page reads
    // the paths and patterns.
    WindowLogic(WindowFrontEnd& front_end, FileSystem& fs, JournalStore journals,
                const CodePage& page);
    // Work still under way ends first.
    ~WindowLogic();
    // Stops the work under way and waits for it, without a word to the
    // front end: for a front end that goes away.
    void StopJobs();
    WindowLogic(const WindowLogic&) = delete;
    WindowLogic& operator=(const WindowLogic&) = delete;

    RenameSession& session() { return session_; }
    const RenameSession& session() const { return session_; }
    const JournalStore& journals() const { return journals_; }
    const WindowState& state() const { return state_; }
    JobProgress progress() const;
    // Whether the preview is looking for the rows it must warn of.
    bool checking() const { return check_job_.running(); }

    // The commands. While a job runs, dropped paths wait for its end and
    // every other command is ignored.
    void Drop(const std::vector<std::string>& paths, bool recurse);
    void SetFilenames(const std::string& pattern);
    void Rename();
    void Undo();
    void Redo();
    void DeleteRows(std::vector<size_t> rows);
    // Asks the job under way to stop: a rename or an undo after the move it
    // is making, a drop before it changes the list. Returns whether it was
    // asked (not when past its point of no return).
    bool Cancel();
    // Whether the window may close now; otherwise it closes once the job,
    // asked to stop, is over (WindowFrontEnd::Close).
    bool Exit();
    // Reads again what Undo and Redo would act on: runs of zentavo-cli may
    // have come and gone since the last look.
    void RefreshHistory();
    // When the newest run in the journal was cut short, says so and offers
    // to undo it. For the start of the program.
    void OfferUndoOfInterruptedRun();

private:
    enum class Job { Drop, SetFilenames, Rename, Undo, Redo };

    // Runs work off this thread (or here, for small work), then done here.
    void RunJob(Job job, std::function<void()> work, std::function<void()> done,
                bool small = false);
    void JobFinished(const std::function<void()>& done);
    void RunRename(bool journaled);
    void RunUndo(bool redo);
    void ReadHistory();
    // Looks for the rows the preview must warn of, off this thread.
    void StartCheck();
    void StopCheck();

    WindowFrontEnd& front_;
    FileSystem& fs_;
    JournalStore journals_;
    RenameSession session_;
    WindowState state_;

    BackgroundJob job_;
    Job job_kind_ = Job::Drop;
    bool close_when_done_ = false;
    // Paths handed over while a job ran, dropped once it is over.
    std::vector<std::string> queued_drop_;
    bool queued_recurse_ = false;

    BackgroundJob check_job_;
    // The rows have new names that a check can look at.
    bool names_to_check_ = false;
};

}  // namespace zentavo
