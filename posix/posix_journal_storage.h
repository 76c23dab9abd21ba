// The journals in a folder of the POSIX file system, reached through Os.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "journal/journal_storage.h"
#include "journal/journal_store.h"
#include "posix/os.h"

namespace zentavo {

// $XDG_STATE_HOME/zentavo/journal, or ~/.local/state/zentavo/journal when
// that is not set to an absolute path. Empty when neither can be found.
std::string DefaultJournalFolder();

// Folders are made with mode 0700 and journals with 0600. The folder above
// the journals may instead be a sticky folder of the user's or the system's,
// such as /tmp, where no one else can rename or remove what the user made.
class PosixJournalStorage final : public JournalStorage {
public:
    PosixJournalStorage(Os& os, std::string folder) : os_(os), folder_(std::move(folder)) {}

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
    // What an open file or folder holds: a journal, the journals, or the
    // journal folder.
    enum class Holding { Journal, Journals, JournalFolder };
    // 0 when fd, open at path, is the user's alone.
    int CheckOwner(int fd, Holding holding, const std::string& path, std::string& untrusted);

    Os& os_;
    std::string folder_;
};

// The journal store over the folder.
JournalStore PosixJournals(Os& os, std::string folder, Retention retention = {},
                           JournalWriter::Clock clock = WallClockNs);

}  // namespace zentavo
