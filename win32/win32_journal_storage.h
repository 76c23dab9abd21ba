// The journals in a folder of the Windows file system.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "journal/journal_storage.h"
#include "win32/owner_only.h"
#include "win32/windows_api.h"

namespace zentavo {

// %LOCALAPPDATA%\Zentavo\journal; empty when LOCALAPPDATA names no absolute
// folder.
std::string DefaultWindowsJournalFolder();

// Folders and journals are made owned by the user and open to the user and
// the system alone; a run's lock is a byte-range lock, which Windows lets go
// with the process.
class Win32JournalStorage final : public JournalStorage {
public:
    Win32JournalStorage(WindowsApi& api, std::string folder)
        : api_(api), folder_(std::move(folder)) {}

    const std::string& folder() const override { return folder_; }
    int MakeFolder() override;
    int CheckFolder(std::string& untrusted) override;
    int Create(const std::string& name, std::unique_ptr<JournalFile>& file) override;
    int Open(const std::string& name, bool append, std::unique_ptr<JournalFile>& file,
             std::string& untrusted) override;
    int List(std::vector<std::string>& names) override;
    int Remove(const std::string& name) override;
    int SyncFolder() override;

private:
    int Wide(const std::string& path, std::wstring& wide) const;

    WindowsApi& api_;
    std::string folder_;
    OwnerOnly owner_only_;
};

}  // namespace zentavo
