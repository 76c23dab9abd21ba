// What the window logic asks of the front end that shows it: the Qt window
// or a Win32 dialog. Every call but Post comes on the front end's own thread.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "engine/rename_run.h"
#include "engine/target_check.h"
#include "window/message.h"

namespace zentavo {

class WindowFrontEnd {
public:
    virtual ~WindowFrontEnd() = default;

    // From any thread: runs task later on the front end's thread, in the
    // order posted (Qt: a queued call; Win32: a posted message). A task
    // posted while the front end goes away may be dropped.
    virtual void Post(std::function<void()> task) = 0;

    // A job began, or ended: the window takes no command meanwhile and
    // shows the job's progress (WindowLogic::progress) after a moment.
    virtual void JobStarted() = 0;
    virtual void JobEnded() = 0;

    // Around rows that change on another thread: the list shows the rows as
    // they were until RowsChanged. With replace every row may go; otherwise
    // rows are only added.
    virtual void RowsChanging(bool replace) = 0;
    virtual void RowsChanged() = 0;
    // Removes these rows of the list, which the front end's views show.
    virtual void RemoveRows(std::vector<size_t> rows) = 0;
    // The rows have new names or marks.
    virtual void NamesChanged() = 0;
    // What the preview sees in the way of rows, in list order; none once
    // the rows or their names change.
    virtual void ShowWarnings(std::vector<TargetProblem> warnings) = 0;
    // The notes of a rename run about rows it left elsewhere.
    virtual void AddNotes(const std::vector<RowNote>& notes) = 0;
    // A run has ended: the pattern box's own undo ends with it, so that
    // Ctrl+Z then means the run.
    virtual void RunEnded() = 0;
    // The enabled commands, the Undo and Redo entries or the list's hint
    // changed (WindowLogic::state).
    virtual void StateChanged() = 0;

    // A message box with OK; returns when it is closed.
    virtual void Tell(const Report& report) = 0;
    // A question with Yes and No; returns whether Yes was chosen.
    virtual bool Ask(const Question& question) = 0;
    // The window closes: the user asked while a job ran, which is over now.
    virtual void Close() = 0;
};

}  // namespace zentavo
