#include "win32/windows_api.h"

#include <aclapi.h>

namespace zentavo {

HANDLE WindowsApi::Open(const wchar_t* path, DWORD access, DWORD share, DWORD disposition,
                        DWORD flags) {
    return CreateFileW(path, access, share, nullptr, disposition, flags, nullptr);
}

BOOL WindowsApi::GetInformation(HANDLE handle, FILE_INFO_BY_HANDLE_CLASS kind, void* info,
                                DWORD size) {
    return GetFileInformationByHandleEx(handle, kind, info, size);
}

BOOL WindowsApi::SetInformation(HANDLE handle, FILE_INFO_BY_HANDLE_CLASS kind, void* info,
                                DWORD size) {
    return SetFileInformationByHandle(handle, kind, info, size);
}

namespace {

// The byte a run's lock covers: past the end of any file Windows can hold.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

OVERLAPPED At(uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = DWORD(offset);
    at.OffsetHigh = DWORD(offset >> 32);
    return at;
}

}  // namespace

BOOL WindowsApi::Read(HANDLE handle, void* buffer, DWORD size, DWORD& done,
                      const uint64_t* offset) {
    OVERLAPPED at = At(offset ? *offset : 0);
    return ReadFile(handle, buffer, size, &done, offset ? &at : nullptr);
}

BOOL WindowsApi::Append(HANDLE handle, const void* data, DWORD size, DWORD& done) {
    OVERLAPPED at = At(~uint64_t{0});  // the end of the file
    return WriteFile(handle, data, size, &done, &at);
}

BOOL WindowsApi::Flush(HANDLE handle) {
    return FlushFileBuffers(handle);
}

BOOL WindowsApi::Move(const wchar_t* from, const wchar_t* to, DWORD flags) {
    return MoveFileExW(from, to, flags);
}

BOOL WindowsApi::Copy(const wchar_t* from, const wchar_t* to, DWORD flags) {
    return CopyFileExW(from, to, nullptr, nullptr, nullptr, flags);
}

DWORD WindowsApi::Attributes(const wchar_t* path) {
    return GetFileAttributesW(path);
}

BOOL WindowsApi::SetAttributes(const wchar_t* path, DWORD attributes) {
    return SetFileAttributesW(path, attributes);
}

HANDLE WindowsApi::FindFirst(const wchar_t* path, WIN32_FIND_DATAW& found) {
    return FindFirstFileExW(path, FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
}

DWORD WindowsApi::FullPathName(const wchar_t* path, DWORD size, wchar_t* buffer) {
    return GetFullPathNameW(path, size, buffer, nullptr);
}

DWORD WindowsApi::FinalPathName(HANDLE handle, wchar_t* buffer, DWORD size) {
    return GetFinalPathNameByHandleW(handle, buffer, size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
}

BOOL WindowsApi::MaximumNameLength(HANDLE handle, DWORD& longest) {
    return GetVolumeInformationByHandleW(handle, nullptr, 0, nullptr, &longest, nullptr, nullptr,
                                         0);
}

HANDLE WindowsApi::CreateNew(const wchar_t* path, DWORD access, DWORD share,
                             SECURITY_ATTRIBUTES* security) {
    return CreateFileW(path, access, share, security, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

BOOL WindowsApi::MakeFolder(const wchar_t* path, SECURITY_ATTRIBUTES* security) {
    return CreateDirectoryW(path, security);
}

BOOL WindowsApi::Delete(const wchar_t* path) {
    return DeleteFileW(path);
}

DWORD WindowsApi::Security(HANDLE handle, PSID& owner, PACL& access,
                           PSECURITY_DESCRIPTOR& descriptor) {
    return GetSecurityInfo(handle, SE_FILE_OBJECT,
                           OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                           &access, nullptr, &descriptor);
}

BOOL WindowsApi::LockOneByte(HANDLE handle, bool exclusive) {
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return LockFileEx(handle, flags, 0, 1, 0, &at);
}

BOOL WindowsApi::UnlockOneByte(HANDLE handle) {
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    return UnlockFileEx(handle, 0, 1, 0, &at);
}

WindowsApi& SystemWindowsApi() {
    static WindowsApi api;
    return api;
}

}  // namespace zentavo
