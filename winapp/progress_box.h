// The box that shows long work's progress over the main window, with
// Cancel where the work can stop. It does not hold the window: the main
// window keeps answering while it is up.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

namespace zentavo {

class ProgressBox {
public:
    // cancel is called when the user asks to stop.
    ProgressBox(HINSTANCE instance, HWND owner, std::function<void()> cancel);
    ~ProgressBox();
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    HWND hwnd() const { return box_; }
    // total 0: not known.
    void SetProgress(const std::wstring& text, size_t done, size_t total);
    void SetCancellable(bool cancellable);
    // The work was asked to stop and will soon.
    void ShowCancelling();

private:
    static INT_PTR CALLBACK DialogProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam);

    HWND box_ = nullptr;
    std::function<void()> cancel_;
    bool cancelling_ = false;
};

}  // namespace zentavo
