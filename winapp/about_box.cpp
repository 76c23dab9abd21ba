#include "winapp/about_box.h"

#include "winapp/about_box_ids.h"
#include "winapp/help_file.h"
#include "winapp/message_words.h"

namespace zentavo {

namespace {

struct AboutRequest {
    HWND owner;
    const HelpRequest& open_help;
    // A message box passes F1 on to its owner as a help request: the box
    // that says a request failed is no place to ask again.
    bool telling_help_failed = false;
};

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// Over the middle of owner, and wholly in the work area of owner's monitor
// where the box fits there.
void CentreOver(HWND box, HWND owner) {
    RECT size;
    GetWindowRect(box, &size);
    const LONG width = size.right - size.left, height = size.bottom - size.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : box, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT over = monitor.rcWork;
    if (owner) GetWindowRect(owner, &over);
    LONG x = over.left + (over.right - over.left - width) / 2;
    LONG y = over.top + (over.bottom - over.top - height) / 2;
    const RECT& work = monitor.rcWork;
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetTexts(HWND box) {
    SetWindowTextW(box, Words(Message(TextId::AboutCaption)).c_str());
    const struct {
        int control;
        TextId text;
    } texts[] = {{IDC_ABOUT_VERSION, TextId::AboutVersion},
                 {IDC_ABOUT_RIGHTS, TextId::AboutRights},
                 {IDOK, TextId::OkButton},
                 {IDC_ABOUT_POSTCARD, TextId::AboutPostcard},
                 {IDC_ABOUT_ADDRESS, TextId::AboutAddress}};
    for (const auto& [control, text] : texts)
        SetDlgItemTextW(box, control, Words(Message(text)).c_str());
}

INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(box, DWLP_USER, lparam);
            SetTexts(box);
            CentreOver(box, reinterpret_cast<const AboutRequest*>(lparam)->owner);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
                EndDialog(box, LOWORD(wparam));
                return TRUE;
            }
            return FALSE;
        case WM_HELP: {
            // With Shift, Ctrl or Alt, F1 asks for nothing.
            if (KeyDown(VK_SHIFT) || KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return TRUE;
            auto* request = reinterpret_cast<AboutRequest*>(GetWindowLongPtrW(box, DWLP_USER));
            if (request->telling_help_failed ||
                request->open_help(request->owner, kAboutBoxHelpContext))
                return TRUE;
            request->telling_help_failed = true;
            TellHelpFailed(box);
            request->telling_help_failed = false;
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

void ShowAboutBox(HWND owner, const HelpRequest& open_help) {
    AboutRequest request{owner, open_help};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT_BOX), owner, AboutBoxProc,
                    reinterpret_cast<LPARAM>(&request));
}

void ShowAboutBox(HWND owner) {
    ShowAboutBox(owner, OpenHelp);
}

}  // namespace zentavo
