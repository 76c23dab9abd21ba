// The main window on Windows: template 102 shown as a dialog, a view over
// the window logic both front ends share (window/window_logic.h), whose
// commands it gives and whose state, progress and reports it shows.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/code_page.h"
#include "engine/file_system.h"
#include "journal/journal_store.h"
#include "winapp/about_box.h"
#include "winapp/add_dialog.h"
#include "winapp/progress_box.h"
#include "winapp/rename_list_control.h"
#include "window/front_end.h"
#include "window/window_logic.h"

namespace zentavo {

// What the window asks of the rest of the program.
struct WindowServices {
    // Shows the help file at a context; whether the request could be made.
    HelpRequest open_help;
    // The About box, modal over owner, asking open_help for its own help.
    std::function<void(HWND owner, const HelpRequest& open_help)> show_about;
    // The paths the user chooses to add, modal over owner (ChooseToAdd).
    std::function<std::vector<std::wstring>(HWND owner, AddChoice choice)> choose_to_add;
};

class MainWindow : private WindowFrontEnd {
public:
    // The help context the window answers help requests with.
    static constexpr unsigned long kHelpContext = 131174;

    // Files are reached through fs and journals kept in journals; page reads
    // the paths and patterns.
    MainWindow(HINSTANCE instance, FileSystem& fs, JournalStore journals, const CodePage& page,
               WindowServices services);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Opens the window. Once it is up, a run that was cut short is offered
    // back, then paths are dropped on it. Whether it opened.
    bool Open(std::vector<std::string> paths);
    // Null once the window has closed.
    HWND hwnd() const { return window_; }

    // Gives a message from the queue the window's keys and the dialogs'
    // keyboard; whether it was taken, and so is not to be dispatched.
    bool PreTranslate(MSG& message);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR Handle(UINT message, WPARAM wparam, LPARAM lparam);

    void OnInitDialog();
    void OnCommand(int id);
    bool OnSysCommand(WPARAM command);
    void OnDropFiles(HDROP drop);
    void OnAdd(AddChoice choice);
    void DropPaths(const std::vector<std::wstring>& paths);
    void OnSize();
    void OnHelp();
    void OnExit();
    void OnSetFilenames();
    void OnDeleteRows();
    void OpenMenuAtFocus();
    void ShowProgress();
    void RunPosted();
    bool TakesKey(const MSG& message);
    bool IsInputToList(const MSG& message) const;

    // What the logic asks of the window (WindowFrontEnd).
    void Post(std::function<void()> task) override;
    void JobStarted() override;
    void JobEnded() override;
    void RowsChanging(bool replace) override;
    void RowsChanged() override;
    void RemoveRows(std::vector<size_t> rows) override;
    void NamesChanged() override;
    void ShowWarnings(std::vector<TargetProblem> warnings) override;
    void AddNotes(const std::vector<RowNote>& notes) override;
    void RunEnded() override;
    void StateChanged() override;
    void Tell(const Report& report) override;
    bool Ask(const Question& question) override;
    void Close() override;

    HINSTANCE instance_;
    WindowServices services_;
    const CodePage page_;
    WindowLogic logic_;
    HWND window_ = nullptr;
    std::unique_ptr<RenameListControl> list_;
    std::unique_ptr<ProgressBox> progress_;
    std::vector<std::string> paths_at_start_;

    bool telling_help_failed_ = false;
    HICON large_icon_ = nullptr;
    HICON small_icon_ = nullptr;

    std::mutex posted_mutex_;
    std::deque<std::function<void()>> posted_;
    HWND post_target_ = nullptr;  // the window while it is open; under the mutex
};

}  // namespace zentavo
