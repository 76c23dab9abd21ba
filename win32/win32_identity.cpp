// What the undo asks of the files it finds: who they are, and whether a
// leftover copy may go.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "win32/open_entry.h"
#include "win32/win32_file_system.h"
#include "win32/windows_errors.h"

namespace zentavo {

namespace {

constexpr DWORD kCompareBytes = DWORD{256} << 10;

int ReadSome(WindowsApi& api, HANDLE file, char* buffer, DWORD size, DWORD& got) {
    got = 0;
    while (got < size) {
        DWORD done = 0;
        if (!api.Read(file, buffer + got, size - got, done)) return LastErrno();
        if (done == 0) break;
        got += done;
    }
    return 0;
}

}  // namespace

int Win32FileSystem::Stamp(const std::string& path, FileStamp& stamp) {
    std::wstring wide;
    if (const int error = Wide(path, wide); error != 0) return error;
    ScopedHandle handle;
    if (const int error = OpenEntry(api_, wide, FILE_READ_ATTRIBUTES, kShareAll, handle);
        error != 0)
        return error;
    if (const int error = IdentityOf(api_, handle.get(), stamp.identity); error != 0) return error;
    FILE_BASIC_INFO basic{};
    FILE_STANDARD_INFO standard{};
    if (!api_.GetInformation(handle.get(), FileBasicInfo, &basic, sizeof basic) ||
        !api_.GetInformation(handle.get(), FileStandardInfo, &standard, sizeof standard))
        return LastErrno();
    // Windows keeps a creation time on every file system it writes.
    stamp.born_ns = UnixNanoseconds(basic.CreationTime.QuadPart);
    stamp.changed_ns = UnixNanoseconds(basic.ChangeTime.QuadPart);
    stamp.empty_file = !standard.Directory && standard.EndOfFile.QuadPart == 0;
    return 0;
}

// The identity is checked on the handle that deletes, so nothing that took
// the name meanwhile can be removed in its place.
int Win32FileSystem::RemoveIfSame(const std::string& path, const FileIdentity& identity) {
    std::wstring wide;
    if (const int error = Wide(path, wide); error != 0) return error;
    ScopedHandle handle;
    if (const int error = OpenEntry(api_, wide, DELETE | FILE_READ_ATTRIBUTES, kShareAll, handle);
        error != 0)
        return error;
    FileIdentity now;
    if (const int error = IdentityOf(api_, handle.get(), now); error != 0) return error;
    if (!(now == identity)) return ESTALE;
    FILE_DISPOSITION_INFO dispose{TRUE};
    if (!api_.SetInformation(handle.get(), FileDispositionInfo, &dispose, sizeof dispose))
        return LastErrno();
    return 0;
}

int Win32FileSystem::SameBytes(const std::string& a, const std::string& b, bool& same) {
    same = false;
    ScopedHandle first;
    ScopedHandle second;
    std::wstring wide_a;
    std::wstring wide_b;
    if (const int error = Wide(a, wide_a); error != 0) return error;
    if (const int error = Wide(b, wide_b); error != 0) return error;
    if (const int error = OpenEntry(api_, wide_a, GENERIC_READ, kShareAll, first); error != 0)
        return error;
    if (const int error = OpenEntry(api_, wide_b, GENERIC_READ, kShareAll, second); error != 0)
        return error;
    FILE_STANDARD_INFO first_info{};
    FILE_STANDARD_INFO second_info{};
    if (!api_.GetInformation(first.get(), FileStandardInfo, &first_info, sizeof first_info) ||
        !api_.GetInformation(second.get(), FileStandardInfo, &second_info, sizeof second_info))
        return LastErrno();
    if (first_info.Directory || second_info.Directory ||
        first_info.EndOfFile.QuadPart != second_info.EndOfFile.QuadPart)
        return 0;
    std::vector<char> first_bytes(kCompareBytes);
    std::vector<char> second_bytes(kCompareBytes);
    while (true) {
        DWORD first_got = 0;
        DWORD second_got = 0;
        if (const int error =
                ReadSome(api_, first.get(), first_bytes.data(), kCompareBytes, first_got);
            error != 0)
            return error;
        if (const int error =
                ReadSome(api_, second.get(), second_bytes.data(), kCompareBytes, second_got);
            error != 0)
            return error;
        if (first_got != second_got ||
            !std::equal(first_bytes.begin(), first_bytes.begin() + first_got, second_bytes.begin()))
            return 0;
        if (first_got == 0) {
            same = true;
            return 0;
        }
    }
}

}  // namespace zentavo
