#include "win32/open_entry.h"

#include <cstring>

#include "win32/windows_errors.h"

namespace zentavo {

namespace {

// 1970-01-01 in file-time steps.
constexpr int64_t kUnixEpoch = 116'444'736'000'000'000;

uint64_t Fold(uint64_t high, uint64_t low) {
    uint64_t mixed = low ^ (high * 0x9E3779B97F4A7C15ull);
    mixed ^= mixed >> 31;
    return mixed & ~kWeakInode;
}

}  // namespace

int OpenEntry(WindowsApi& api, const std::wstring& path, DWORD access, DWORD share,
              ScopedHandle& handle) {
    handle = ScopedHandle(api.Open(path.c_str(), access, share, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT));
    return handle.valid() ? 0 : LastErrno();
}

int IdentityOf(WindowsApi& api, HANDLE handle, FileIdentity& identity) {
    FILE_ID_INFO info{};
    if (!api.GetInformation(handle, FileIdInfo, &info, sizeof info)) return LastErrno();
    uint64_t low = 0;
    uint64_t high = 0;
    std::memcpy(&low, info.FileId.Identifier, sizeof low);
    std::memcpy(&high, info.FileId.Identifier + sizeof low, sizeof high);
    identity.device = info.VolumeSerialNumber;
    identity.inode = high == 0 && (low & kWeakInode) == 0 ? low : Fold(high, low);
    return 0;
}

uint64_t ListedInode(int64_t file_id) {
    const auto id = static_cast<uint64_t>(file_id);
    return (id & kWeakInode) == 0 ? id : 0;
}

int64_t UnixNanoseconds(int64_t file_time) {
    return (file_time - kUnixEpoch) * 100;
}

DWORD ReparseTagOf(WindowsApi& api, const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = api.FindFirst(path.c_str(), found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    return found.dwReserved0;
}

bool IsFolderLink(DWORD attributes, DWORD reparse_tag) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
    return reparse_tag == 0 || IsReparseTagNameSurrogate(reparse_tag);
}

}  // namespace zentavo
