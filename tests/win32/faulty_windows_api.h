// The real Windows calls, any of which a test can make fail with a Windows
// error, or act before.
#pragma once

#include <functional>

#include "win32/windows_api.h"

namespace zentavo {

enum class WinCall { SetInformation, Flush, Move, Copy };

class FaultyWindowsApi : public WindowsApi {
public:
    // Asked before every call of those kinds with the call's count among its
    // kind (from 1); returns 0 to let it happen or the error to fail it with.
    using Fault = std::function<DWORD(WinCall call, int count, FILE_INFO_BY_HANDLE_CLASS kind)>;
    Fault fault;

    BOOL SetInformation(HANDLE handle, FILE_INFO_BY_HANDLE_CLASS kind, void* info,
                        DWORD size) override;
    BOOL Flush(HANDLE handle) override;
    BOOL Move(const wchar_t* from, const wchar_t* to, DWORD flags) override;
    BOOL Copy(const wchar_t* from, const wchar_t* to, DWORD flags) override;

private:
    bool Fails(WinCall call, FILE_INFO_BY_HANDLE_CLASS kind = FileBasicInfo);

    int counts_[4] = {};
};

}  // namespace zentavo
