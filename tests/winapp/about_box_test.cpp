// The About box in the test's own process: opened over a window of the
// test's, looked at and driven by messages from a timer of the test's
// thread while the box's modal loop runs, with help requests recorded and
// message boxes read and answered by a hook as they open.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/winapp/message_box_said.h"
#include "winapp/about_box.h"
#include "winapp/about_box_ids.h"

namespace zentavo {
namespace {

struct Request {
    HWND owner;
    unsigned long context;
};

// What the timer found while the box was open.
struct Seen {
    HWND owner = nullptr;
    HWND box = nullptr;
    std::wstring caption;
    LONG_PTR style = 0;
    bool owner_enabled = true;
    std::vector<RECT> rectangles;  // of the controls, in dialog units
    std::vector<Request> requests;
    std::vector<std::wstring> boxes;  // "caption: text" of each message box
    // A message box held open for F1 to be pressed in it once.
    bool f1_in_message_box = false;
    HWND held_box = nullptr;
    bool f1_pressed_again = false;
    int step = 0;
};
Seen* g_seen = nullptr;

LRESULT CALLBACK AnswerMessageBoxes(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE && g_seen) {
        const HWND box = reinterpret_cast<HWND>(wparam);
        const std::optional<std::wstring> said = MessageBoxSaid(box);
        if (said && !GetDlgItem(box, IDC_ABOUT_VERSION)) {
            g_seen->boxes.push_back(*said);
            if (g_seen->f1_in_message_box && !g_seen->held_box)
                g_seen->held_box = box;
            else
                PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

HWND OpenBox(HWND owner) {
    const HWND box = GetLastActivePopup(owner);
    return box == owner ? nullptr : box;
}

// Dialog units of a control, from its pixels and the box's own base units.
RECT InDialogUnits(HWND box, int control) {
    RECT pixels;
    GetWindowRect(GetDlgItem(box, control), &pixels);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&pixels), 2);
    RECT unit{0, 0, 4, 8};
    MapDialogRect(box, &unit);
    return {MulDiv(pixels.left, 4, unit.right), MulDiv(pixels.top, 8, unit.bottom),
            MulDiv(pixels.right - pixels.left, 4, unit.right),
            MulDiv(pixels.bottom - pixels.top, 8, unit.bottom)};
}

void PressF1() {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

void CALLBACK DriveBox(HWND, UINT, UINT_PTR, DWORD) {
    Seen& seen = *g_seen;
    if (seen.held_box && !seen.f1_pressed_again) {
        seen.f1_pressed_again = true;
        PressF1();
        return;
    }
    if (seen.held_box) {
        PostMessageW(seen.held_box, WM_COMMAND, IDOK, 0);
        seen.held_box = nullptr;
        return;
    }
    const HWND box = OpenBox(seen.owner);
    if (!box) return;
    switch (seen.step++) {
        case 0: {
            seen.box = box;
            wchar_t caption[64] = L"";
            GetWindowTextW(box, caption, 64);
            seen.caption = caption;
            seen.style = GetWindowLongPtrW(box, GWL_STYLE);
            seen.owner_enabled = IsWindowEnabled(seen.owner);
            for (const int control :
                 {IDC_ABOUT_VERSION, IDOK, IDC_ABOUT_POSTCARD, IDC_ABOUT_ADDRESS})
                seen.rectangles.push_back(InDialogUnits(box, control));
            // F1 as input from the keyboard, which Windows turns into a help
            // request to the box (a posted WM_KEYDOWN would not be).
            SetFocus(GetDlgItem(box, IDOK));
            PressF1();
            return;
        }
        default:
            // Closed once help was asked for and any message box answered,
            // or after some 5 s without.
            if (seen.requests.empty() && seen.step < 100) return;
            if (GetLastActivePopup(seen.box) != seen.box && seen.step < 100) return;
            PostMessageW(seen.box, WM_COMMAND, IDCANCEL, 0);
            return;
    }
}

struct HelpCase {
    const char* name;
    bool browser_starts;
    bool f1_in_message_box;
    std::vector<std::wstring> boxes;
};

class AboutBoxTest : public testing::TestWithParam<HelpCase> {};

TEST_P(AboutBoxTest, ShowsItsCaptionAndAsksHelpForItsContextOnF1) {
    const HelpCase& row = GetParam();
    SCOPED_TRACE(row.name);
    // The quit that a main window of an earlier test posted as it closed
    // would end the box's modal loop at once.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    Seen seen;
    seen.f1_in_message_box = row.f1_in_message_box;
    g_seen = &seen;
    seen.owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 640, 480, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(seen.owner);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, DriveBox);
    const HHOOK hook = SetWindowsHookExW(WH_CBT, AnswerMessageBoxes, nullptr, GetCurrentThreadId());

    ShowAboutBox(seen.owner, [&](HWND owner, unsigned long context) {
        seen.requests.push_back({owner, context});
        return row.browser_starts;
    });

    UnhookWindowsHookEx(hook);
    KillTimer(nullptr, timer);
    g_seen = nullptr;
    EXPECT_EQ(seen.caption, L"About Zentavo...");
    EXPECT_EQ(seen.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(seen.style & WS_SYSMENU, 0);
    EXPECT_FALSE(seen.owner_enabled);
    EXPECT_TRUE(IsWindowEnabled(seen.owner));
    const std::vector<RECT> expected = {
        {55, 7, 179, 8}, {97, 185, 47, 14}, {55, 93, 179, 37}, {71, 131, 91, 35}};
    ASSERT_EQ(seen.rectangles.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        // A pixel either way in the conversion back from pixels.
        EXPECT_NEAR(seen.rectangles[i].left, expected[i].left, 1);
        EXPECT_NEAR(seen.rectangles[i].top, expected[i].top, 1);
        EXPECT_NEAR(seen.rectangles[i].right, expected[i].right, 1);
        EXPECT_NEAR(seen.rectangles[i].bottom, expected[i].bottom, 1);
    }
    ASSERT_EQ(seen.requests.size(), 1u);
    EXPECT_EQ(seen.requests[0].owner, seen.owner);
    EXPECT_EQ(seen.requests[0].context, 131172u);
    EXPECT_EQ(seen.boxes, row.boxes);
    DestroyWindow(seen.owner);
}

INSTANTIATE_TEST_SUITE_P(Help, AboutBoxTest,
                         testing::Values(HelpCase{"the browser starts", true, false, {}},
                                         // Captioned with the program's name, as on Windows the
                                         // program's own boxes are.
                                         HelpCase{"the browser cannot start",
                                                  false,
                                                  false,
                                                  {L"winapp_tests: Failed to launch help."}},
                                         // The box passes F1 on to the About box.
                                         HelpCase{"F1 again while that is said",
                                                  false,
                                                  true,
                                                  {L"winapp_tests: Failed to launch help."}}));

}  // namespace
}  // namespace zentavo
