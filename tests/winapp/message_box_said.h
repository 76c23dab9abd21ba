// What a window activating under a test's hook says, if it is a message box.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace zentavo {

// "caption: text" of a message box: a dialog with its text in control
// 0xFFFF. A dialog of the program's own that has a control 0xFFFF (as the
// About box's icon is) is told apart by the caller.
inline std::optional<std::wstring> MessageBoxSaid(HWND box) {
    wchar_t class_name[16] = L"";
    GetClassNameW(box, class_name, 16);
    if (std::wstring(class_name) != L"#32770" || !GetDlgItem(box, 0xFFFF)) return std::nullopt;
    wchar_t caption[256] = L"", text[1024] = L"";
    GetWindowTextW(box, caption, 256);
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return std::wstring(caption) + L": " + text;
}

}  // namespace zentavo
