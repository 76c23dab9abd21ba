#include "cli/win32/win32_console.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "cli/console_text.h"
#include "core/utf8.h"

namespace zentavo {

namespace {

HANDLE Handle(Console::Stream stream) {
    return GetStdHandle(stream == Console::Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

bool WriteUtf16(HANDLE console, std::u16string_view text) {
    while (!text.empty()) {
        const DWORD chunk = DWORD(std::min<size_t>(text.size(), 8192));
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data(), chunk, &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

bool WriteBytes(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size(), INT_MAX));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

Win32Console::Win32Console(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        arguments_.push_back(Utf16ToWtf8(std::u16string(wide.begin(), wide.end())));
    }
    // The progress line erases itself with an escape sequence, which a
    // console obeys only when asked to.
    const HANDLE err = Handle(Stream::Err);
    DWORD mode = 0;
    if (IsConsole(err) && GetConsoleMode(err, &mode))
        SetConsoleMode(err, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

std::vector<std::string> Win32Console::Arguments() const {
    return arguments_;
}

bool Win32Console::IsTerminal(Stream stream) const {
    return IsConsole(Handle(stream));
}

bool Win32Console::Write(Stream stream, std::string_view bytes) {
    const HANDLE handle = Handle(stream);
    if (!IsConsole(handle)) return WriteBytes(handle, bytes);
    std::string& pending = pending_[stream == Stream::Out ? 0 : 1];
    return WriteUtf16(handle, TakeConsoleUtf16(pending, bytes));
}

}  // namespace zentavo
