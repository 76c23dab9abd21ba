// The folders a run's moves go through, each opened once without following a
// link and held for the run.
#pragma once

#include <string>
#include <unordered_map>

#include "engine/file_system.h"
#include "win32/scoped_handle.h"
#include "win32/windows_api.h"

namespace zentavo {

// Windows moves a file by its path (its calls rename nothing relative to an
// open folder, and wine refuses a rename relative to one), so a folder is
// checked before each move through it: at its first open it must be no link
// and lie behind none (the files were listed under their folders' real
// paths, so a link is a folder replaced since), and later its name must
// still lead to the folder then opened, or the one the drop read where it read
// it. The handle is held without delete
// sharing, so on Windows nobody can rename the folder meanwhile; wine does
// not enforce that, which the check before each move makes up for.
class HeldFolders {
public:
    explicit HeldFolders(WindowsApi& api) : api_(api) {}

    // The folders' identities as a drop read them, until Release.
    void Expect(const FolderIdentities& listed) { listed_ = &listed; }

    // folder is absolute. Returns 0 or an errno value: ESTALE for a folder
    // replaced.
    int Check(const std::string& folder);

    // Lets every folder go and forgets what each was and was expected to be.
    void Release() {
        held_.clear();
        listed_ = nullptr;
    }

private:
    struct Held {
        ScopedHandle handle;
        FileIdentity identity;
    };

    WindowsApi& api_;
    std::unordered_map<std::string, Held> held_;
    const FolderIdentities* listed_ = nullptr;
};

}  // namespace zentavo
