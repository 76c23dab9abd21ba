// Files and folders that belong to the user alone, by their security
// descriptors: what a journal, which names the user's files, must be.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/windows_api.h"

namespace zentavo {

// The security of a new file or folder: owned by the user, open to the user
// and the system only, inheriting nothing from the folder above.
class OwnerOnly {
public:
    OwnerOnly();
    ~OwnerOnly();
    OwnerOnly(const OwnerOnly&) = delete;
    OwnerOnly& operator=(const OwnerOnly&) = delete;

    // Null when the user could not be found: then nothing is made.
    SECURITY_ATTRIBUTES* attributes() {
        return attributes_.lpSecurityDescriptor ? &attributes_ : nullptr;
    }

    // 0 when handle is the user's and no one else (but the system and the
    // administrators) may change it, or for a journal also read it; EPERM
    // for another owner, EACCES for others' access.
    int Check(WindowsApi& api, HANDLE handle, bool journal) const;

private:
    std::vector<char> user_;  // the user's SID
    SECURITY_ATTRIBUTES attributes_{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
};

}  // namespace zentavo
