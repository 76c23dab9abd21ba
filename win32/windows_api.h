// The Windows calls the file system makes, one virtual method each, so that
// tests can make any of them fail. A failing method sets the thread's last
// error as the real call does.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zentavo {

class WindowsApi {
public:
    virtual ~WindowsApi() = default;

    virtual HANDLE Open(const wchar_t* path, DWORD access, DWORD share, DWORD disposition,
                        DWORD flags);
    virtual BOOL GetInformation(HANDLE handle, FILE_INFO_BY_HANDLE_CLASS kind, void* info,
                                DWORD size);
    virtual BOOL SetInformation(HANDLE handle, FILE_INFO_BY_HANDLE_CLASS kind, void* info,
                                DWORD size);
    // Reads at offset, or where the file pointer stands when offset is null.
    virtual BOOL Read(HANDLE handle, void* buffer, DWORD size, DWORD& done,
                      const uint64_t* offset = nullptr);
    // Writes at the end of the file.
    virtual BOOL Append(HANDLE handle, const void* data, DWORD size, DWORD& done);
    virtual BOOL Flush(HANDLE handle);
    virtual BOOL Move(const wchar_t* from, const wchar_t* to, DWORD flags);
    virtual BOOL Copy(const wchar_t* from, const wchar_t* to, DWORD flags);
    virtual DWORD Attributes(const wchar_t* path);
    virtual BOOL SetAttributes(const wchar_t* path, DWORD attributes);
    // The first entry a search for path finds: INVALID_HANDLE_VALUE, or a
    // handle for FindClose.
    virtual HANDLE FindFirst(const wchar_t* path, WIN32_FIND_DATAW& found);
    virtual DWORD FullPathName(const wchar_t* path, DWORD size, wchar_t* buffer);
    virtual DWORD FinalPathName(HANDLE handle, wchar_t* buffer, DWORD size);
    // The longest name, in UTF-16 units, that the handle's volume holds.
    virtual BOOL MaximumNameLength(HANDLE handle, DWORD& longest);
    // A new file or folder with the given security; never one that exists.
    virtual HANDLE CreateNew(const wchar_t* path, DWORD access, DWORD share,
                             SECURITY_ATTRIBUTES* security);
    virtual BOOL MakeFolder(const wchar_t* path, SECURITY_ATTRIBUTES* security);
    virtual BOOL Delete(const wchar_t* path);
    // The owner and the access list; descriptor, which holds both, is
    // LocalFree's. Returns 0 or a Windows error.
    virtual DWORD Security(HANDLE handle, PSID& owner, PACL& access,
                           PSECURITY_DESCRIPTOR& descriptor);
    // Locks, or unlocks, one byte far past any file's end: Windows locks
    // keep others from reading what they cover.
    virtual BOOL LockOneByte(HANDLE handle, bool exclusive);
    virtual BOOL UnlockOneByte(HANDLE handle);
};

// The real calls.
WindowsApi& SystemWindowsApi();

}  // namespace zentavo
