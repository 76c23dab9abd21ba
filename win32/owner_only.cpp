#include "win32/owner_only.h"

#include <sddl.h>

#include "win32/windows_errors.h"

namespace zentavo {

namespace {

// What lets a holder change a folder's entries or a file, or its security.
constexpr ACCESS_MASK kChanges = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD |
                                 FILE_WRITE_EA | FILE_WRITE_ATTRIBUTES | DELETE | WRITE_DAC |
                                 WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
constexpr ACCESS_MASK kReads = FILE_READ_DATA | GENERIC_READ;

std::vector<char> UserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    std::vector<char> user(SECURITY_MAX_SID_SIZE + sizeof(TOKEN_USER));
    DWORD size = 0;
    const bool found =
        GetTokenInformation(token, TokenUser, user.data(), DWORD(user.size()), &size);
    CloseHandle(token);
    if (!found) return {};
    const PSID sid = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
    const auto* bytes = static_cast<const char*>(sid);
    return std::vector<char>(bytes, bytes + GetLengthSid(sid));
}

bool IsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE type) {
    return IsWellKnownSid(sid, type);
}

}  // namespace

OwnerOnly::OwnerOnly() : user_(UserSid()) {
    if (user_.empty()) return;
    LPWSTR user = nullptr;
    if (!ConvertSidToStringSidW(user_.data(), &user)) return;
    // Protected: nothing the folder above allows is inherited.
    const std::wstring sddl =
        L"O:" + std::wstring(user) + L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;" + user + L")";
    LocalFree(user);
    ConvertStringSecurityDescriptorToSecurityDescriptorW(
        sddl.c_str(), SDDL_REVISION_1, &attributes_.lpSecurityDescriptor, nullptr);
}

OwnerOnly::~OwnerOnly() {
    if (attributes_.lpSecurityDescriptor) LocalFree(attributes_.lpSecurityDescriptor);
}

int OwnerOnly::Check(WindowsApi& api, HANDLE handle, bool journal) const {
    if (user_.empty()) return EPERM;
    PSID owner = nullptr;
    PACL access = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (const DWORD error = api.Security(handle, owner, access, descriptor); error != 0)
        return ErrnoOfWindowsError(error);
    const auto user = static_cast<PSID>(const_cast<char*>(user_.data()));
    int refused = owner == nullptr || !EqualSid(owner, user) ? EPERM : 0;
    // No access list at all lets everyone do anything.
    if (refused == 0 && access == nullptr) refused = EACCES;
    const ACCESS_MASK forbidden = journal ? kChanges | kReads : kChanges;
    for (DWORD i = 0; refused == 0 && i < access->AceCount; ++i) {
        void* entry = nullptr;
        if (!GetAce(access, i, &entry)) continue;
        const auto* header = static_cast<ACE_HEADER*>(entry);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE))
            continue;
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        const PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        if (EqualSid(sid, user) || IsWellKnown(sid, WinLocalSystemSid) ||
            IsWellKnown(sid, WinBuiltinAdministratorsSid))
            continue;
        if ((allowed->Mask & forbidden) != 0) refused = EACCES;
    }
    LocalFree(descriptor);
    return refused;
}

}  // namespace zentavo
