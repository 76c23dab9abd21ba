// The Win32 window in the test's own process: opened modeless on the test's
// thread, driven by the messages a user's keys, clicks and drops send, with
// a message pump that waits for what a test expects, up to a time limit.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "journal/journal_store.h"
#include "tests/support/temp_folder.h"
#include "tests/winapp/message_box_said.h"
#include "win32/win32_file_system.h"
#include "win32/win32_journal_storage.h"
#include "winapp/main_window.h"
#include "winapp/resource_ids.h"
#include "winapp/wide_text.h"

namespace zentavo {
namespace {

using Texts = std::vector<std::wstring>;

// The Windows file system whose folder listings wait at a gate, once
// closed, until the test opens it.
class GatedFileSystem : public FileSystem {
public:
    void Close() {
        std::lock_guard lock(mutex_);
        open_ = false;
    }
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }

    PathSyntax syntax() const override { return real_.syntax(); }
    int Search(const std::string& path, EntryKind& kind) override {
        return real_.Search(path, kind);
    }
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override {
        std::unique_lock lock(mutex_);
        opened_.wait(lock, [this] { return open_; });
        lock.unlock();
        return real_.ListFolder(folder, entries);
    }
    int AbsolutePath(std::string_view path, std::string& absolute) override {
        return real_.AbsolutePath(path, absolute);
    }
    int RealPath(const std::string& path, std::string& real) override {
        return real_.RealPath(path, real);
    }
    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override {
        return real_.MoveNoReplace(from, to, scratch_name);
    }
    void ReleaseFolders() override { real_.ReleaseFolders(); }
    void ExpectFolders(const FolderIdentities& listed) override { real_.ExpectFolders(listed); }
    int Stamp(const std::string& path, FileStamp& stamp) override {
        return real_.Stamp(path, stamp);
    }
    int RemoveIfSame(const std::string& path, const FileIdentity& identity) override {
        return real_.RemoveIfSame(path, identity);
    }
    int SameBytes(const std::string& a, const std::string& b, bool& same) override {
        return real_.SameBytes(a, b, same);
    }
    int NameMax(const std::string& folder, size_t& longest) override {
        return real_.NameMax(folder, longest);
    }
    size_t NameLength(std::string_view name) override { return real_.NameLength(name); }

private:
    Win32FileSystem real_;
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = true;
};

// Opens the gate when it goes, so that no job waits at it for ever.
struct OpenedAtEnd {
    GatedFileSystem& fs;
    ~OpenedAtEnd() { fs.Open(); }
};

constexpr auto kPatience = std::chrono::seconds(20);

// What message boxes said, each answered as the test asks; a hook of the
// test's thread finds them as they open.
struct Boxes {
    Texts said;  // "caption: text"
    bool answer_yes = true;
};
Boxes* g_boxes = nullptr;

LRESULT CALLBACK AnswerBoxes(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE && g_boxes) {
        const HWND box = reinterpret_cast<HWND>(wparam);
        if (const std::optional<std::wstring> said = MessageBoxSaid(box)) {
            g_boxes->said.push_back(*said);
            const int button = GetDlgItem(box, IDYES) ? (g_boxes->answer_yes ? IDYES : IDNO) : IDOK;
            PostMessageW(box, WM_COMMAND, button, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The window over files in a folder of their own, its journals in another.
struct OpenWindow {
    explicit OpenWindow(std::vector<std::string> paths = {}) {
        g_boxes = &boxes;
        hook = SetWindowsHookExW(WH_CBT, AnswerBoxes, nullptr, GetCurrentThreadId());
        EXPECT_TRUE(window.Open(std::move(paths)));
        handle = window.hwnd();
    }
    ~OpenWindow() {
        UnhookWindowsHookEx(hook);
        g_boxes = nullptr;
    }

    // Runs the window's messages until done holds; whether it came to hold.
    // A window that did not open never gets there.
    bool PumpUntil(const std::function<bool()>& done) {
        if (!handle) return false;
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        for (;;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) continue;
                if (window.PreTranslate(message)) continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (done()) return true;
            if (std::chrono::steady_clock::now() > deadline) return false;
            // Wakes at the next message, or soon to look at the disk again.
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }
    // Runs what is in the queue now.
    void Settle() {
        PostMessageW(nullptr, WM_APP + 100, 0, 0);
        bool seen = false;
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!seen && std::chrono::steady_clock::now() < deadline) {
            MSG message;
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
                continue;
            }
            if (message.hwnd == nullptr && message.message == WM_APP + 100) seen = true;
            if (message.message == WM_QUIT || window.PreTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    HWND Control(int id) const { return GetDlgItem(handle, id); }
    HWND List() const { return Control(IDC_RENAME_LIST); }
    int Rows() const { return ListView_GetItemCount(List()); }
    Texts Column(int column) const {
        Texts texts;
        for (int row = 0; row < Rows(); ++row) {
            wchar_t text[1024] = L"";
            ListView_GetItemText(List(), row, column, text, 1024);
            texts.emplace_back(text);
        }
        return texts;
    }
    std::wstring Path(const std::string& name) const { return Wide(files.path() + "\\" + name); }

    // Drops paths as Explorer does: a DROPFILES block with wide names.
    void Drop(const std::vector<std::string>& names) {
        std::vector<std::wstring> paths;
        for (const std::string& name : names) paths.push_back(Path(name));
        DropPaths(paths);
    }
    void DropPaths(const std::vector<std::wstring>& paths) {
        std::wstring list;
        for (const std::wstring& path : paths) list += path + L'\0';
        list += L'\0';
        const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GHND, bytes);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
                    list.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
        PostMessageW(handle, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    }
    void Click(int id) { PostMessageW(Control(id), BM_CLICK, 0, 0); }
    // A key pressed in a control, with the modifiers held as given.
    void Key(HWND control, UINT key, std::vector<BYTE> held = {}) {
        BYTE state[256] = {};
        for (BYTE modifier : held) state[modifier] = 0x80;
        SetKeyboardState(state);
        const bool alt = state[VK_MENU] != 0;
        PostMessageW(control, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? (1 << 29) : 0);
        Settle();
        BYTE none[256] = {};
        SetKeyboardState(none);
    }

    TempFolder files;
    TempFolder state;
    GatedFileSystem fs;
    Boxes boxes;
    HHOOK hook = nullptr;
    std::vector<unsigned long> help_asked;
    int about_opened = 0;
    // What the file dialog stands in for: the choices asked for, and the
    // paths the user picks each time.
    std::vector<AddChoice> choices_asked;
    std::vector<std::wstring> chosen;
    const CodePage utf8{CodePage::Kind::Utf8};
    MainWindow window{GetModuleHandleW(nullptr),
                      fs,
                      JournalStore(std::make_unique<Win32JournalStorage>(
                          SystemWindowsApi(), state.path() + "\\journal")),
                      utf8,
                      {[this](HWND, unsigned long context) {
                           help_asked.push_back(context);
                           return true;
                       },
                       [this](HWND, const HelpRequest&) { ++about_opened; },
                       [this](HWND, AddChoice choice) {
                           choices_asked.push_back(choice);
                           return chosen;
                       }}};
    HWND handle = nullptr;
};

// The controls sit at the template's rectangles in dialog units; the label
// and the check box are wider, as in the Linux window, for their texts.
TEST(MainWindow, ControlsSitAtTheTemplatesRectangles) {
    OpenWindow w;
    const struct {
        int id;
        RECT units;  // left, top, width, height
        bool whole;  // a combo box's height is its list's, dropped down
    } cases[] = {
        {IDC_PATTERN_LABEL, {7, 169, 61, 8}, true}, {IDC_PATTERN, {69, 167, 128, 72}, false},
        {IDC_RECURSE, {69, 185, 128, 10}, true},    {IDC_SET_FILENAMES, {69, 204, 58, 14}, true},
        {IDC_RENAME, {139, 204, 58, 14}, true},     {IDC_HELP_BUTTON, {282, 188, 50, 14}, true},
        {IDC_EXIT, {282, 205, 50, 14}, true},       {IDC_RENAME_LIST, {7, 7, 325, 153}, true},
    };
    RECT client{0, 0, 340, 226};
    MapDialogRect(w.handle, &client);
    RECT shown{};
    GetClientRect(w.handle, &shown);
    EXPECT_EQ(shown.right, client.right);
    EXPECT_EQ(shown.bottom, client.bottom);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        // A template's width and height are mapped as they are, not as
        // the right and bottom edges.
        RECT expected = c.units;
        MapDialogRect(w.handle, &expected);
        RECT actual{};
        GetWindowRect(w.Control(c.id), &actual);
        MapWindowPoints(nullptr, w.handle, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        if (c.whole) {
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        }
    }
    // Grown, the window gives the room to the list; the rest keeps its
    // distance to the bottom edge, Help and Exit to the bottom right corner.
    const auto rect_of = [&](int id) {
        RECT rect{};
        GetWindowRect(w.Control(id), &rect);
        MapWindowPoints(nullptr, w.handle, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const RECT list = rect_of(IDC_RENAME_LIST), exit = rect_of(IDC_EXIT),
               rename = rect_of(IDC_RENAME);
    RECT frame{};
    GetWindowRect(w.handle, &frame);
    SetWindowPos(w.handle, nullptr, 0, 0, frame.right - frame.left + 100,
                 frame.bottom - frame.top + 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(rect_of(IDC_RENAME_LIST).right, list.right + 100);
    EXPECT_EQ(rect_of(IDC_RENAME_LIST).bottom, list.bottom + 40);
    EXPECT_EQ(rect_of(IDC_EXIT).left, exit.left + 100);
    EXPECT_EQ(rect_of(IDC_EXIT).top, exit.top + 40);
    EXPECT_EQ(rect_of(IDC_RENAME).left, rename.left);
    EXPECT_EQ(rect_of(IDC_RENAME).top, rename.top + 40);

    wchar_t caption[64] = L"";
    GetWindowTextW(w.handle, caption, 64);
    EXPECT_STREQ(caption, L"Zentavo 1.0");
    // Both working buttons start disabled, the pattern box empty with its
    // two ready entries.
    EXPECT_FALSE(IsWindowEnabled(w.Control(IDC_SET_FILENAMES)));
    EXPECT_FALSE(IsWindowEnabled(w.Control(IDC_RENAME)));
    EXPECT_EQ(GetWindowTextLengthW(w.Control(IDC_PATTERN)), 0);
    Texts entries;
    for (int i = 0; i < SendMessageW(w.Control(IDC_PATTERN), CB_GETCOUNT, 0, 0); ++i) {
        wchar_t entry[64] = L"";
        SendMessageW(w.Control(IDC_PATTERN), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
        entries.emplace_back(entry);
    }
    // In the order the box sorts them, as Windows compares texts.
    EXPECT_EQ(entries, (Texts{L"%<1d-%3c.%<e", L"%3c.%<e"}));
}

// Names beyond ASCII come through a drop exactly, listed sorted; Set
// Filenames then Rename! gives the files their new names on disk.
TEST(MainWindow, DropSetFilenamesAndRenameChangeTheFilesOnDisk) {
    OpenWindow w;
    for (const char* name : {"b\xc3\xa9.txt", "\xe6\x97\xa5\xe6\x9c\xac.txt", "a.TXT"})
        w.files.AddFile(name, name);
    w.Drop({"b\xc3\xa9.txt", "\xe6\x97\xa5\xe6\x9c\xac.txt", "a.TXT"});
    ASSERT_TRUE(w.PumpUntil([&] { return w.Rows() == 3; }));
    EXPECT_EQ(w.Column(0), (Texts{w.Path("a.TXT"), w.Path("b\xc3\xa9.txt"),
                                  w.Path("\xe6\x97\xa5\xe6\x9c\xac.txt")}));
    EXPECT_TRUE(IsWindowEnabled(w.Control(IDC_SET_FILENAMES)));
    EXPECT_FALSE(IsWindowEnabled(w.Control(IDC_RENAME)));

    SetDlgItemTextW(w.handle, IDC_PATTERN, L"%3c.%<e");
    w.Click(IDC_SET_FILENAMES);
    ASSERT_TRUE(w.PumpUntil([&] { return IsWindowEnabled(w.Control(IDC_RENAME)); }));
    EXPECT_EQ(w.Column(1), (Texts{L"001.txt", L"002.txt", L"003.txt"}));
    w.Click(IDC_RENAME);
    ASSERT_TRUE(w.PumpUntil([&] { return !w.boxes.said.empty(); }));
    EXPECT_EQ(w.boxes.said,
              Texts{L"Finished: 3 files were renamed successfully.\n\nRenamed: 3\nFailed: 0"});
    for (const char* name : {"001.txt", "002.txt", "003.txt"})
        EXPECT_TRUE(w.files.Exists(name)) << name;
    EXPECT_FALSE(w.files.Exists("a.TXT"));
    EXPECT_EQ(GetFileAttributesW(w.Path("003.txt").c_str()) != INVALID_FILE_ATTRIBUTES, true);
}

// Delete in the list removes the selected rows and no other; without a
// selection it removes nothing.
TEST(MainWindow, DeleteRemovesTheSelectedRows) {
    const struct {
        std::vector<int> selected;
        Texts left;
    } cases[] = {
        {{}, {L"a", L"b", L"c", L"d"}},
        {{1}, {L"a", L"c", L"d"}},
        {{0, 2, 3}, {L"b"}},
        {{0, 1, 2, 3}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.selected));
        OpenWindow w;
        for (const char* name : {"a", "b", "c", "d"}) w.files.AddFile(name);
        w.Drop({"a", "b", "c", "d"});
        ASSERT_TRUE(w.PumpUntil([&] { return w.Rows() == 4; }));
        for (int row : c.selected)
            ListView_SetItemState(w.List(), row, LVIS_SELECTED, LVIS_SELECTED);
        SetFocus(w.List());
        w.Key(w.List(), VK_DELETE);
        Texts left;
        for (const std::wstring& path : w.Column(0))
            left.push_back(path.substr(path.rfind(L'\\') + 1));
        EXPECT_EQ(left, c.left);
        // Deleting every row leaves Set Filenames as it was.
        EXPECT_TRUE(IsWindowEnabled(w.Control(IDC_SET_FILENAMES)));
    }
}

// A row's tooltip says why it is in the way before the run and why it
// failed after it, and the preview's warning paints its new name's cell in
// the Linux window's colours.
TEST(MainWindow, RowsSayWhatStopsThem) {
    OpenWindow w;
    for (const char* name : {"a.txt", "taken.txt"}) w.files.AddFile(name);
    w.Drop({"a.txt"});
    ASSERT_TRUE(w.PumpUntil([&] { return w.Rows() == 1; }));
    const auto tip = [&] {
        wchar_t text[INFOTIPSIZE] = L"";
        NMLVGETINFOTIPW request{};
        request.hdr = {w.List(), IDC_RENAME_LIST, UINT(LVN_GETINFOTIPW)};
        request.pszText = text;
        request.cchTextMax = INFOTIPSIZE;
        SendMessageW(w.handle, WM_NOTIFY, IDC_RENAME_LIST, reinterpret_cast<LPARAM>(&request));
        return std::wstring(text);
    };
    const auto background = [&](int column) {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.hdr = {w.List(), IDC_RENAME_LIST, UINT(NM_CUSTOMDRAW)};
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
        draw.iSubItem = column;
        SendMessageW(w.handle, WM_NOTIFY, IDC_RENAME_LIST, reinterpret_cast<LPARAM>(&draw));
        return draw.clrTextBk;
    };
    EXPECT_EQ(tip(), w.Path("a.txt"));
    EXPECT_EQ(background(1), CLR_DEFAULT);

    SetDlgItemTextW(w.handle, IDC_PATTERN, L"taken.txt");
    w.Click(IDC_SET_FILENAMES);
    ASSERT_TRUE(w.PumpUntil([&] { return background(1) != CLR_DEFAULT; }));
    EXPECT_EQ(tip(), w.Path("a.txt") + L"\r\nNew path: " + w.Path("taken.txt") +
                         L"\r\nA file named \"taken.txt\" already exists and no listed file "
                         L"moves it away");
    EXPECT_EQ(background(1), RGB(0xff, 0xe2, 0xb0));
    EXPECT_EQ(background(0), CLR_DEFAULT);

    w.Click(IDC_RENAME);
    ASSERT_TRUE(w.PumpUntil([&] { return w.boxes.said.size() == 1; }));
    EXPECT_EQ(tip(), w.Path("a.txt") + L"\r\nNew path: " + w.Path("taken.txt") +
                         L"\r\nNot renamed: A file named \"taken.txt\" already exists");
    EXPECT_EQ(background(1), CLR_DEFAULT);
}

// Long work shows a box with its progress and a Cancel button, which stops
// it; the main window answers meanwhile.
TEST(MainWindow, LongWorkShowsItsProgressAndCancelStopsIt) {
    OpenWindow w;
    const OpenedAtEnd gate{w.fs};
    w.files.AddFile("a.txt");
    w.fs.Close();
    SetDlgItemTextW(w.handle, IDC_PATTERN, L"typed");
    w.DropPaths({Wide(w.files.path())});
    HWND box = nullptr;
    ASSERT_TRUE(w.PumpUntil([&] {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) {
                if (!GetDlgItem(window, IDC_PROGRESS_BAR) || !IsWindowVisible(window)) return TRUE;
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&box));
        return box != nullptr;
    }));
    wchar_t text[256] = L"";
    GetDlgItemTextW(box, IDC_PROGRESS_TEXT, text, 256);
    EXPECT_STREQ(text, L"Looking for files: 0 found");
    // The window answers: its pattern box takes text, its commands wait.
    SetDlgItemTextW(w.handle, IDC_PATTERN, L"typed again");
    GetDlgItemTextW(w.handle, IDC_PATTERN, text, 256);
    EXPECT_STREQ(text, L"typed again");
    EXPECT_FALSE(IsWindowEnabled(w.Control(IDC_SET_FILENAMES)));

    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(box, IDCANCEL)));
    PostMessageW(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(w.PumpUntil([&] { return !IsWindowEnabled(GetDlgItem(box, IDCANCEL)); }));
    GetDlgItemTextW(box, IDC_PROGRESS_TEXT, text, 256);
    EXPECT_STREQ(text, L"Cancelling...");
    w.fs.Open();
    ASSERT_TRUE(w.PumpUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(w.Rows(), 0);
    EXPECT_TRUE(IsWindow(w.handle));
}

// The system menu begins with adding files and a folder, as the Linux
// window's menu does, and ends with the window's other entries, after the
// platform's own.
TEST(MainWindow, SystemMenuHoldsAddingUndoRedoAboutAndHelp) {
    OpenWindow w;
    HMENU menu = GetSystemMenu(w.handle, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 9);
    Texts entries;
    std::string kinds;  // - a separator, g greyed, e enabled
    std::vector<UINT> ids;
    for (int i : {0, 1, 2, count - 6, count - 5, count - 4, count - 3, count - 2, count - 1}) {
        wchar_t text[128] = L"";
        GetMenuStringW(menu, UINT(i), text, 128, MF_BYPOSITION);
        entries.emplace_back(text);
        const UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
        kinds += (state & MF_SEPARATOR) ? '-' : (state & MF_GRAYED) ? 'g' : 'e';
        ids.push_back(GetMenuItemID(menu, i));
    }
    EXPECT_EQ(entries, (Texts{L"Add &Files...", L"Add F&older...", L"", L"", L"&Undo", L"&Redo",
                              L"", L"&About Zentavo...", L"&Help..."}));
    EXPECT_EQ(kinds, "ee--gg-ee");
    EXPECT_EQ(ids[0], 0x40u);
    EXPECT_EQ(ids[1], 0x50u);
    EXPECT_EQ(ids[7], 16u);
    EXPECT_EQ(ids[8], 57670u);

    // After a rename, Undo says what it would undo, and Ctrl+Z undoes it.
    w.files.AddFile("x.txt");
    w.Drop({"x.txt"});
    ASSERT_TRUE(w.PumpUntil([&] { return w.Rows() == 1; }));
    SetDlgItemTextW(w.handle, IDC_PATTERN, L"y.%e");
    w.Click(IDC_SET_FILENAMES);
    ASSERT_TRUE(w.PumpUntil([&] { return IsWindowEnabled(w.Control(IDC_RENAME)); }));
    w.Click(IDC_RENAME);
    ASSERT_TRUE(w.PumpUntil([&] { return w.boxes.said.size() == 1; }));
    wchar_t undo[128] = L"";
    GetMenuStringW(menu, UINT(count - 5), undo, 128, MF_BYPOSITION);
    EXPECT_STREQ(undo, L"&Undo Rename of 1 File");
    EXPECT_EQ(GetMenuState(menu, UINT(count - 5), MF_BYPOSITION) & MF_GRAYED, 0u);
    w.Key(w.List(), 'Z', {VK_CONTROL});
    ASSERT_TRUE(w.PumpUntil([&] { return w.boxes.said.size() == 2; }));
    EXPECT_EQ(w.boxes.said[1], L"Undo Last Rename: 1 file is back under its name.");
    EXPECT_TRUE(w.files.Exists("x.txt"));
    EXPECT_FALSE(w.files.Exists("y.txt"));
}

// "Add Files...", "Add Folder..." and their keys list what the file dialog
// gives, as a drop does, with the Recurse box's state; a cancelled dialog
// adds nothing, and Ctrl+Alt+O asks for no dialog.
TEST(MainWindow, AddingListsWhatTheFileDialogGives) {
    const std::string e_acute = "b\xc3\xa9.txt", nihon = "\xe6\x97\xa5\xe6\x9c\xac";
    const struct {
        const char* name;
        std::function<void(OpenWindow&)> ask;
        std::vector<std::string> chosen;
        bool recurse;
        std::vector<AddChoice> asked;
        std::vector<std::string> listed;
    } cases[] = {
        {"Add Files... in the system menu",
         [](OpenWindow& w) { SendMessageW(w.handle, WM_SYSCOMMAND, 0x40, 0); },
         {e_acute, nihon + "\\c.txt"},
         false,
         {AddChoice::Files},
         {e_acute, nihon + "\\c.txt"}},
        {"Ctrl+O in the list", [](OpenWindow& w) { w.Key(w.List(), 'O', {VK_CONTROL}); },
         {e_acute}, false, {AddChoice::Files}, {e_acute}},
        {"Add Folder... in the system menu",
         [](OpenWindow& w) { SendMessageW(w.handle, WM_SYSCOMMAND, 0x50, 0); },
         {nihon},
         false,
         {AddChoice::Folders},
         {nihon + "\\c.txt"}},
        {"Ctrl+Shift+O in the pattern box, Recurse checked",
         [](OpenWindow& w) {
             w.Key(GetWindow(w.Control(IDC_PATTERN), GW_CHILD), 'O', {VK_CONTROL, VK_SHIFT});
         },
         {nihon},
         true,
         {AddChoice::Folders},
         {nihon + "\\c.txt", nihon + "\\d\\e.txt"}},
        {"cancelled", [](OpenWindow& w) { w.Key(w.List(), 'O', {VK_CONTROL}); }, {}, false,
         {AddChoice::Files}, {}},
        {"Ctrl+Alt+O", [](OpenWindow& w) { w.Key(w.List(), 'O', {VK_CONTROL, VK_MENU}); },
         {e_acute}, false, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenWindow w;
        w.files.AddFile(e_acute);
        w.files.AddFolder(nihon);
        w.files.AddFile(nihon + "\\c.txt");
        w.files.AddFolder(nihon + "\\d");
        w.files.AddFile(nihon + "\\d\\e.txt");
        for (const std::string& name : c.chosen) w.chosen.push_back(w.Path(name));
        if (c.recurse) CheckDlgButton(w.handle, IDC_RECURSE, BST_CHECKED);
        c.ask(w);
        EXPECT_EQ(w.choices_asked, c.asked);
        Texts listed;
        for (const std::string& name : c.listed) listed.push_back(w.Path(name));
        if (!listed.empty()) {
            ASSERT_TRUE(w.PumpUntil([&] { return w.Rows() == int(listed.size()); }));
        }
        w.Settle();
        EXPECT_EQ(w.Column(0), listed);
    }
}

// F1, the Help button and the system menu's "&Help..." ask for the main
// window's context; F1 with Shift, Ctrl or Alt asks for nothing; the About
// entry and what the platform numbers like it open the About box. Enter and
// Escape leave the window open.
TEST(MainWindow, HelpIsAskedAtTheWindowsContext) {
    const struct {
        const char* name;
        std::function<void(OpenWindow&)> ask;
        std::vector<unsigned long> asked;
        int about = 0;
    } cases[] = {
        {"F1 in the pattern box",
         [](OpenWindow& w) { w.Key(GetWindow(w.Control(IDC_PATTERN), GW_CHILD), VK_F1); },
         {131174}},
        {"F1 in the list", [](OpenWindow& w) { w.Key(w.List(), VK_F1); }, {131174}},
        {"Shift+F1", [](OpenWindow& w) { w.Key(w.List(), VK_F1, {VK_SHIFT}); }, {}},
        {"Ctrl+F1", [](OpenWindow& w) { w.Key(w.List(), VK_F1, {VK_CONTROL}); }, {}},
        {"Alt+F1", [](OpenWindow& w) { w.Key(w.List(), VK_F1, {VK_MENU}); }, {}},
        {"the Help button",
         [](OpenWindow& w) {
             w.Click(IDC_HELP_BUTTON);
             w.Settle();
         },
         {131174}},
        {"Help... in the system menu",
         [](OpenWindow& w) { SendMessageW(w.handle, WM_SYSCOMMAND, 57670, 0); },
         {131174}},
        {"About in the system menu",
         [](OpenWindow& w) { SendMessageW(w.handle, WM_SYSCOMMAND, 16, 0); },
         {},
         1},
        {"command 31", [](OpenWindow& w) { SendMessageW(w.handle, WM_SYSCOMMAND, 31, 0); }, {}, 1},
        {"Enter", [](OpenWindow& w) { w.Key(w.List(), VK_RETURN); }, {}},
        {"Escape", [](OpenWindow& w) { w.Key(w.List(), VK_ESCAPE); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenWindow w;
        c.ask(w);
        EXPECT_EQ(w.help_asked, c.asked);
        EXPECT_TRUE(IsWindow(w.handle));
        EXPECT_EQ(w.about_opened, c.about);
    }
}

}  // namespace
}  // namespace zentavo
