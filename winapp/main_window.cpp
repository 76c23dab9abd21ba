#include "winapp/main_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <iterator>
#include <utility>

#include "winapp/dialog_init.h"
#include "winapp/help_file.h"
#include "winapp/message_words.h"
#include "winapp/resource_ids.h"
#include "winapp/system_menu.h"
#include "winapp/wide_text.h"

namespace zentavo {

namespace {

// Posted to the window: run what the logic posted; begin once it is up.
constexpr UINT kRunPosted = WM_APP + 1;
constexpr UINT kStarted = WM_APP + 2;

constexpr UINT_PTR kProgressDelayTimer = 1;
constexpr UINT_PTR kProgressTickTimer = 2;
// Work that takes longer than this shows its progress.
constexpr UINT kProgressDelayMs = 500;
constexpr UINT kProgressTickMs = 100;

constexpr int kIconId = 128;

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

UINT IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Warning:
            return MB_ICONWARNING;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
    }
    return 0;
}

HWND PatternEdit(HWND window) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(GetDlgItem(window, IDC_PATTERN), &info) ? info.hwndItem : nullptr;
}

std::wstring LoadText(HINSTANCE instance, UINT id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, size_t(length)) : std::wstring();
}

// The controls below the list keep their distance to the bottom edge, Help
// and Exit to the bottom right corner; the list takes the room gained.
struct Placed {
    int id;
    RECT units;  // left, top, width, height
    bool right;
};
constexpr Placed kPlaced[] = {
    {IDC_PATTERN_LABEL, {PATTERN_LABEL_RECT}, false},
    {IDC_PATTERN, {PATTERN_RECT}, false},
    {IDC_RECURSE, {RECURSE_RECT}, false},
    {IDC_SET_FILENAMES, {SET_FILENAMES_RECT}, false},
    {IDC_RENAME, {RENAME_RECT}, false},
    {IDC_HELP_BUTTON, {HELP_BUTTON_RECT}, true},
    {IDC_EXIT, {EXIT_RECT}, true},
};
constexpr RECT kListUnits{RENAME_LIST_RECT};
constexpr SIZE kWindowUnits{MAIN_WINDOW_SIZE};

// Dialog units in pixels by the window's font, which follows its DPI.
RECT InPixels(HWND window, RECT units) {
    MapDialogRect(window, &units);
    return units;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, FileSystem& fs, JournalStore journals,
                       const CodePage& page, WindowServices services)
    : instance_(instance),
      services_(std::move(services)),
      page_(page),
      logic_(*this, fs, std::move(journals), page_) {}

MainWindow::~MainWindow() {
    // Work still under way ends before the window and the rows it shows.
    logic_.StopJobs();
    if (window_) DestroyWindow(window_);
    if (large_icon_) DestroyIcon(large_icon_);
    if (small_icon_) DestroyIcon(small_icon_);
}

bool MainWindow::Open(std::vector<std::string> paths) {
    paths_at_start_ = std::move(paths);
    // The template's list view and the progress box's bar.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const HWND window = CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), nullptr,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window) return false;
    ShowWindow(window, SW_SHOWNORMAL);
    PostMessageW(window, kStarted, 0, 0);
    return true;
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lparam);
        auto* self = reinterpret_cast<MainWindow*>(lparam);
        self->window_ = window;
        self->OnInitDialog();
        // The focus goes to the first tab stop, the pattern box.
        return TRUE;
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->Handle(message, wparam, lparam) : FALSE;
}

void MainWindow::OnInitDialog() {
    {
        std::lock_guard lock(posted_mutex_);
        post_target_ = window_;
    }
    // The template's texts are the table's; a translation of the table
    // would take their place here.
    SetWindowTextW(window_, Words(Message(TextId::MainCaption)).c_str());
    const struct {
        int id;
        TextId text;
    } texts[] = {
        {IDC_PATTERN_LABEL, TextId::PatternLabel},       {IDC_RECURSE, TextId::RecurseCheck},
        {IDC_SET_FILENAMES, TextId::SetFilenamesButton}, {IDC_RENAME, TextId::RenameButton},
        {IDC_HELP_BUTTON, TextId::HelpButton},           {IDC_EXIT, TextId::ExitButton},
    };
    for (const auto& text : texts)
        SetDlgItemTextW(window_, text.id, Words(Message(text.text)).c_str());
    ApplyDialogInit(window_, instance_, IDD_MAIN_WINDOW);

    ExtendSystemMenu(window_, LoadText(instance_, IDS_ABOUT_ENTRY));
    large_icon_ =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    small_icon_ =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, 16, 16, 0));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_icon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_));
    DragAcceptFiles(window_, TRUE);

    list_ = std::make_unique<RenameListControl>(GetDlgItem(window_, IDC_RENAME_LIST), instance_,
                                                logic_.session(), page_);

    StateChanged();
}

INT_PTR MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED || lparam == 0) OnCommand(LOWORD(wparam));
            return TRUE;
        case WM_SYSCOMMAND:
            if (!OnSysCommand(wparam)) return FALSE;
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, 0);
            return TRUE;
        case WM_INITMENU:
            // Runs of zentavo-cli may have come and gone since the last look.
            if (reinterpret_cast<HMENU>(wparam) == GetSystemMenu(window_, FALSE))
                logic_.RefreshHistory();
            return FALSE;
        case WM_CLOSE:
            OnExit();
            return TRUE;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wparam));
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
            if (header.idFrom == IDC_RENAME_LIST && header.code == LVN_KEYDOWN) {
                // Delete removes the selected rows, whatever modifiers are
                // held; every key goes on to the list too.
                if (reinterpret_cast<const NMLVKEYDOWN*>(lparam)->wVKey == VK_DELETE)
                    OnDeleteRows();
                return FALSE;
            }
            LRESULT result = 0;
            if (!list_ || !list_->OnNotify(header, result)) return FALSE;
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_CONTEXTMENU: {
            // The window's own area, its labels and buttons, and the list
            // open the system menu; the pattern box keeps its own.
            POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            if (at.x == -1 && at.y == -1) {
                OpenMenuAtFocus();
            } else {
                logic_.RefreshHistory();
                OpenSystemMenu(window_, at);
            }
            return TRUE;
        }
        case WM_HELP:
            // The help request Windows makes of an F1 key press: the key
            // itself asked already as it went by (TakesKey).
            return TRUE;
        case WM_SIZE:
            OnSize();
            return FALSE;
        case WM_GETMINMAXINFO: {
            // No smaller than the template.
            RECT frame = InPixels(window_, {0, 0, kWindowUnits.cx, kWindowUnits.cy});
            AdjustWindowRectEx(&frame, DWORD(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                               DWORD(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
            limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
            return TRUE;
        }
        case WM_TIMER:
            if (wparam == kProgressDelayTimer) {
                KillTimer(window_, kProgressDelayTimer);
                SetTimer(window_, kProgressTickTimer, kProgressTickMs, nullptr);
            }
            ShowProgress();
            return TRUE;
        case WM_SETCURSOR:
            // Busy until the progress box says so itself.
            if (logic_.state().busy && !progress_) {
                SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
                SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        case kRunPosted:
            RunPosted();
            return TRUE;
        case kStarted:
            logic_.OfferUndoOfInterruptedRun();
            if (!paths_at_start_.empty()) logic_.Drop(std::exchange(paths_at_start_, {}), false);
            return TRUE;
        case WM_DESTROY: {
            std::lock_guard lock(posted_mutex_);
            post_target_ = nullptr;
            posted_.clear();
            return FALSE;
        }
        case WM_NCDESTROY:
            window_ = nullptr;
            PostQuitMessage(0);
            return FALSE;
        default:
            return FALSE;
    }
}

void MainWindow::OnCommand(int id) {
    switch (id) {
        case IDC_SET_FILENAMES:
            OnSetFilenames();
            break;
        case IDC_RENAME:
            logic_.Rename();
            break;
        case IDC_HELP_BUTTON:
            OnHelp();
            break;
        case IDC_EXIT:
            OnExit();
            break;
        default:
            // Enter (IDOK) and Escape (IDCANCEL) leave the window as it is:
            // no button is the default one.
            break;
    }
}

bool MainWindow::OnSysCommand(WPARAM command) {
    const UINT id = UINT(command);
    if ((id & 0xFFF0) == kAboutCommand) {
        if (services_.show_about) services_.show_about(window_, services_.open_help);
    } else if ((id & 0xFFF0) == kUndoCommand) {
        logic_.Undo();
    } else if ((id & 0xFFF0) == kRedoCommand) {
        logic_.Redo();
    } else if ((id & 0xFFF0) == kAddFilesCommand) {
        OnAdd(AddChoice::Files);
    } else if ((id & 0xFFF0) == kAddFolderCommand) {
        OnAdd(AddChoice::Folders);
    } else if (id == kHelpCommand) {
        OnHelp();
    } else {
        return false;
    }
    return true;
}

void MainWindow::OnDropFiles(HDROP drop) {
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        DragQueryFileW(drop, i, path.data(), UINT(path.size() + 1));
        paths.push_back(std::move(path));
    }
    DragFinish(drop);
    // The keyboard follows the files: the user goes on here, not in the
    // window the drag came from.
    SetForegroundWindow(window_);
    DropPaths(paths);
}

void MainWindow::OnAdd(AddChoice choice) {
    if (!services_.choose_to_add) return;
    const std::vector<std::wstring> paths = services_.choose_to_add(window_, choice);
    if (!paths.empty()) DropPaths(paths);
}

void MainWindow::DropPaths(const std::vector<std::wstring>& paths) {
    std::vector<std::string> dropped;
    for (const std::wstring& path : paths) dropped.push_back(Wtf8(path));
    logic_.Drop(dropped, IsDlgButtonChecked(window_, IDC_RECURSE) == BST_CHECKED);
}

void MainWindow::OnSize() {
    if (!list_ || IsIconic(window_)) return;
    RECT client{};
    GetClientRect(window_, &client);
    const RECT template_client = InPixels(window_, {0, 0, kWindowUnits.cx, kWindowUnits.cy});
    const SIZE gained{client.right - template_client.right, client.bottom - template_client.bottom};
    HDWP moves = BeginDeferWindowPos(int(std::size(kPlaced)) + 1);
    for (const Placed& placed : kPlaced) {
        const RECT at = InPixels(window_, placed.units);
        if (moves) {
            moves = DeferWindowPos(moves, GetDlgItem(window_, placed.id), nullptr,
                                   at.left + (placed.right ? gained.cx : 0), at.top + gained.cy, 0,
                                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    const RECT list = InPixels(window_, kListUnits);
    if (moves) {
        moves = DeferWindowPos(moves, list_->hwnd(), nullptr, list.left, list.top,
                               list.right + gained.cx, list.bottom + gained.cy,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    list_->ShareColumns();
}

void MainWindow::OnHelp() {
    // The box that says a request failed is no place to ask again.
    if (telling_help_failed_ || !services_.open_help) return;
    if (services_.open_help(window_, kHelpContext)) return;
    telling_help_failed_ = true;
    TellHelpFailed(window_);
    telling_help_failed_ = false;
}

void MainWindow::OnExit() {
    // Work under way stops first: a rename after the move it is making.
    if (logic_.Exit()) {
        DestroyWindow(window_);
        return;
    }
    if (progress_ && logic_.progress().cancelling) progress_->ShowCancelling();
}

void MainWindow::OnSetFilenames() {
    if (logic_.state().busy) return;
    const HWND pattern = GetDlgItem(window_, IDC_PATTERN);
    std::wstring text(size_t(GetWindowTextLengthW(pattern)), L'\0');
    GetWindowTextW(pattern, text.data(), int(text.size() + 1));
    logic_.SetFilenames(Wtf8(text));
}

void MainWindow::OnDeleteRows() {
    if (logic_.state().busy) return;
    logic_.DeleteRows(list_->SelectedRows());
}

void MainWindow::OpenMenuAtFocus() {
    // As for the Menu key: at the focused control, or at the window's
    // top left corner.
    const HWND focus = GetFocus();
    RECT rect{};
    GetWindowRect(focus && IsChild(window_, focus) ? focus : window_, &rect);
    logic_.RefreshHistory();
    OpenSystemMenu(window_, {rect.left + (rect.right - rect.left) / 2,
                             rect.top + (rect.bottom - rect.top) / 2});
}

bool MainWindow::IsInputToList(const MSG& message) const {
    const bool input = (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) ||
                       (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST);
    return input && list_ &&
           (message.hwnd == list_->hwnd() || IsChild(list_->hwnd(), message.hwnd));
}

bool MainWindow::TakesKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const bool shift = KeyDown(VK_SHIFT), control = KeyDown(VK_CONTROL), alt = KeyDown(VK_MENU);
    const UINT key = UINT(message.wParam);
    // F1 asks for help wherever it is pressed; with Shift, Ctrl or Alt it
    // asks for nothing.
    if (key == VK_F1) {
        if (!shift && !control && !alt) OnHelp();
        return true;
    }
    const HWND edit = PatternEdit(window_);
    const bool in_pattern = edit && message.hwnd == edit;
    // Shift+F10 and the Menu key: the system menu, but in the pattern box,
    // which has a menu of its own.
    if ((key == VK_APPS || (key == VK_F10 && shift && !control && !alt)) && !in_pattern) {
        OpenMenuAtFocus();
        return true;
    }
    if (!control || alt) return false;
    // The system menu's adding entries, with the menu closed.
    if (key == 'O') {
        OnAdd(shift ? AddChoice::Folders : AddChoice::Files);
        return true;
    }
    // In the pattern box Ctrl+Z first undoes the typing since the last run,
    // as in every text field.
    if (key == 'Z' && !shift) {
        if (in_pattern && SendMessageW(edit, EM_CANUNDO, 0, 0)) return false;
        logic_.Undo();
        return true;
    }
    if ((key == 'Z' && shift) || (key == 'Y' && !shift)) {
        logic_.Redo();
        return true;
    }
    return false;
}

bool MainWindow::PreTranslate(MSG& message) {
    if (!window_) return false;
    if (progress_ && progress_->hwnd() && IsDialogMessageW(progress_->hwnd(), &message))
        return true;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    // While a job runs, the list takes no input: its rows are not to be
    // touched. The commands ignore what comes meanwhile, and typing a
    // pattern does no harm.
    if (logic_.state().busy && IsInputToList(message)) return true;
    if (TakesKey(message)) return true;
    return IsDialogMessageW(window_, &message) != FALSE;
}

void MainWindow::Post(std::function<void()> task) {
    std::lock_guard lock(posted_mutex_);
    if (!post_target_) return;
    posted_.push_back(std::move(task));
    if (posted_.size() == 1) PostMessageW(post_target_, kRunPosted, 0, 0);
}

void MainWindow::RunPosted() {
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(posted_mutex_);
            if (posted_.empty()) return;
            task = std::move(posted_.front());
            posted_.pop_front();
        }
        task();
    }
}

void MainWindow::JobStarted() {
    SetTimer(window_, kProgressDelayTimer, kProgressDelayMs, nullptr);
    // The wait cursor shows at once, not at the next move of the mouse.
    POINT at{};
    GetCursorPos(&at);
    SetCursorPos(at.x, at.y);
}

void MainWindow::JobEnded() {
    KillTimer(window_, kProgressDelayTimer);
    KillTimer(window_, kProgressTickTimer);
    progress_.reset();
}

void MainWindow::ShowProgress() {
    if (!logic_.state().busy) return;
    const JobProgress progress = logic_.progress();
    if (!progress_) {
        progress_ = std::make_unique<ProgressBox>(instance_, window_, [this] {
            if (logic_.Cancel() && progress_) progress_->ShowCancelling();
        });
        if (progress.cancelling) progress_->ShowCancelling();
    }
    progress_->SetCancellable(progress.cancellable);
    progress_->SetProgress(Words(progress.text), progress.done, progress.total);
    // Rows turn green as their files are renamed.
    if (progress.marks_rows) list_->NamesChanged();
}

void MainWindow::RowsChanging(bool replace) {
    list_->RowsChanging(replace);
}

void MainWindow::RowsChanged() {
    list_->RowsChanged();
}

void MainWindow::RemoveRows(std::vector<size_t> rows) {
    logic_.session().list().Remove(rows);
    list_->RowsRemoved();
}

void MainWindow::NamesChanged() {
    list_->NamesChanged();
}

void MainWindow::ShowWarnings(std::vector<TargetProblem> warnings) {
    list_->ShowWarnings(std::move(warnings));
}

void MainWindow::AddNotes(const std::vector<RowNote>& notes) {
    list_->AddNotes(notes);
}

void MainWindow::RunEnded() {
    // Typing before a run is not undone after it: Ctrl+Z then means the run.
    if (const HWND edit = PatternEdit(window_)) SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
}

void MainWindow::StateChanged() {
    const WindowState& state = logic_.state();
    EnableWindow(GetDlgItem(window_, IDC_SET_FILENAMES), state.set_filenames_enabled);
    EnableWindow(GetDlgItem(window_, IDC_RENAME), state.rename_enabled);
    UpdateHistoryEntry(window_, kUndoCommand, Words(state.undo_entry), state.undo_enabled);
    UpdateHistoryEntry(window_, kRedoCommand, Words(state.redo_entry), state.redo_enabled);
    list_->SetEmptyHint(state.only_subfolders ? Words(Message(TextId::OnlySubfoldersHint))
                                              : std::wstring());
}

void MainWindow::Tell(const Report& report) {
    std::wstring text = Words(report.text);
    if (!report.detail.empty()) text += L"\n\n" + Words(report.detail);
    MessageBoxW(window_, text.c_str(), Words(report.caption).c_str(), MB_OK | IconOf(report.icon));
}

bool MainWindow::Ask(const Question& question) {
    return MessageBoxW(window_, Words(question.text).c_str(), Words(question.caption).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void MainWindow::Close() {
    DestroyWindow(window_);
}

}  // namespace zentavo
