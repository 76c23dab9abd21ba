#include "tests/win32/faulty_windows_api.h"

namespace zentavo {

bool FaultyWindowsApi::Fails(WinCall call, FILE_INFO_BY_HANDLE_CLASS kind) {
    const int count = ++counts_[static_cast<int>(call)];
    const DWORD error = fault ? fault(call, count, kind) : 0;
    if (error == 0) return false;
    SetLastError(error);
    return true;
}

BOOL FaultyWindowsApi::SetInformation(HANDLE handle, FILE_INFO_BY_HANDLE_CLASS kind, void* info,
                                      DWORD size) {
    if (Fails(WinCall::SetInformation, kind)) return FALSE;
    return WindowsApi::SetInformation(handle, kind, info, size);
}

BOOL FaultyWindowsApi::Flush(HANDLE handle) {
    if (Fails(WinCall::Flush)) return FALSE;
    return WindowsApi::Flush(handle);
}

BOOL FaultyWindowsApi::Move(const wchar_t* from, const wchar_t* to, DWORD flags) {
    if (Fails(WinCall::Move)) return FALSE;
    return WindowsApi::Move(from, to, flags);
}

BOOL FaultyWindowsApi::Copy(const wchar_t* from, const wchar_t* to, DWORD flags) {
    if (Fails(WinCall::Copy)) return FALSE;
    return WindowsApi::Copy(from, to, flags);
}

}  // namespace zentavo
