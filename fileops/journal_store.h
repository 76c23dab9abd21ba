// The folder of journals: one file per run, named by the run's id.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fileops/journal.h"
#include "fileops/journal_writer.h"
#include "fileops/os.h"

namespace zentavo {

// $XDG_STATE_HOME/zentavo/journal, or ~/.local/state/zentavo/journal when
// that is not set to an absolute path. Empty when neither can be found.
std::string DefaultJournalFolder();

// How many runs the folder keeps, and how large it may grow: past either,
// the oldest runs go first.
struct Retention {
    size_t runs = 50;
    uint64_t bytes = uint64_t{1} << 30;
};

class JournalStore {
public:
    JournalStore(Os& os, std::string folder, Retention retention = {},
                 JournalWriter::Clock clock = WallClockNs);

    Os& os() { return os_; }
    // The clock the journals of this folder are written by.
    const JournalWriter::Clock& clock() const { return clock_; }
    const std::string& folder() const { return folder_; }
    std::string PathOf(const std::string& id) const;

    // Creates the folder (mode 0700) when missing and a new journal file
    // (mode 0600, never one that exists) for a run starting now. Fills in the
    // header's id and start time and hands the open file to writer.
    int Create(RunHeader& header, JournalWriter& writer);

    // Every run, newest first. A missing folder holds no runs.
    int List(std::vector<RunSummary>& runs);
    int Read(const std::string& id, RunRecord& run);

    // Records that an undo of the run has ended. run is the journal as read
    // before the undo; a tail cut short by a crash is dropped first, so that
    // the record is read back.
    int MarkUndone(const RunRecord& run, int64_t when);

    // Drops the oldest runs past the retention, never the one named spare.
    void Prune(const std::string& spare);

private:
    int ReadWhole(const std::string& path, std::string& bytes);
    int Summarise(const std::string& path, RunSummary& summary);
    int MakeFolders();

    Os& os_;
    std::string folder_;
    Retention retention_;
    JournalWriter::Clock clock_;
};

}  // namespace zentavo
