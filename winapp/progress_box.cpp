#include "winapp/progress_box.h"

#include <commctrl.h>

#include <algorithm>

#include "winapp/message_words.h"
#include "winapp/resource_ids.h"

namespace zentavo {

namespace {

// The bar counts in these steps, whatever the work's size.
constexpr int kBarSteps = 1000;

}  // namespace

ProgressBox::ProgressBox(HINSTANCE instance, HWND owner, std::function<void()> cancel)
    : cancel_(std::move(cancel)) {
    box_ = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PROGRESS), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
    if (!box_) return;
    SetWindowTextW(box_, Words(Message(TextId::MainCaption)).c_str());
    SetDlgItemTextW(box_, IDCANCEL, Words(Message(TextId::CancelButton)).c_str());
    SendDlgItemMessageW(box_, IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, kBarSteps);
    ShowWindow(box_, SW_SHOWNORMAL);
}

ProgressBox::~ProgressBox() {
    if (box_) DestroyWindow(box_);
}

void ProgressBox::SetProgress(const std::wstring& text, size_t done, size_t total) {
    if (!box_) return;
    if (cancelling_) return;
    SetDlgItemTextW(box_, IDC_PROGRESS_TEXT, text.c_str());
    const size_t steps = total == 0 ? 0 : std::min(done, total) * kBarSteps / total;
    SendDlgItemMessageW(box_, IDC_PROGRESS_BAR, PBM_SETPOS, WPARAM(steps), 0);
}

void ProgressBox::SetCancellable(bool cancellable) {
    if (box_) EnableWindow(GetDlgItem(box_, IDCANCEL), cancellable && !cancelling_);
}

void ProgressBox::ShowCancelling() {
    if (!box_) return;
    cancelling_ = true;
    SetDlgItemTextW(box_, IDC_PROGRESS_TEXT, Words(Message(TextId::Cancelling)).c_str());
    EnableWindow(GetDlgItem(box_, IDCANCEL), FALSE);
}

INT_PTR CALLBACK ProgressBox::DialogProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(box, DWLP_USER, lparam);
        return TRUE;
    }
    auto* self = reinterpret_cast<ProgressBox*>(GetWindowLongPtrW(box, DWLP_USER));
    if (!self) return FALSE;
    // Escape, the Cancel button and the close box all ask the work to stop.
    if ((message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) || message == WM_CLOSE) {
        if (IsWindowEnabled(GetDlgItem(box, IDCANCEL)) && self->cancel_) self->cancel_();
        return TRUE;
    }
    return FALSE;
}

}  // namespace zentavo
