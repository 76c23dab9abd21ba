// The folder of journals: one file per run, named by the run's id.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fileops/journal.h"
#include "fileops/journal_writer.h"
#include "fileops/os.h"
#include "fileops/scoped_fd.h"

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

// A run's journal held for an undo or a redo of it. The hold is a lock on
// the file, as the run's own writer has while it runs: no other process can
// hold it meanwhile, and listings show the run as running.
class HeldRun {
public:
    explicit HeldRun(Os& os) : file_(os) {}
    RunRecord run;  // as read once the hold was taken

private:
    friend class JournalStore;
    ScopedFd file_;
};

class JournalStore {
public:
    JournalStore(Os& os, std::string folder, Retention retention = {},
                 JournalWriter::Clock clock = WallClockNs);

    Os& os() { return os_; }
    // Every call that touches the journal first makes sure that only the
    // user can change it: the journal folder and the folder above it must
    // be the user's, writable by no one else (the folder above may instead
    // be a sticky folder such as /tmp), and no symbolic link; each journal
    // file the user's, mode 0600. Otherwise it fails with ELOOP (a
    // symbolic link), EPERM (another user's) or EACCES (others may write
    // the folder, or read or write the file), and this names the path.
    const std::string& untrusted_path() const { return untrusted_path_; }
    // The clock the journals of this folder are written by.
    const JournalWriter::Clock& clock() const { return clock_; }
    const std::string& folder() const { return folder_; }
    std::string PathOf(const std::string& id) const;

    // Creates the folder (mode 0700) when missing and a new journal file
    // (mode 0600, never one that exists) for a run starting now. Fills in the
    // header's id and start time and hands the open file, locked for as long
    // as it stays open, to writer.
    int Create(RunHeader& header, JournalWriter& writer);

    // Every run, newest first. A missing folder holds no runs.
    int List(std::vector<RunSummary>& runs);
    int Read(const std::string& id, RunRecord& run);

    // Opens and reads the run's journal and holds it. EBUSY when another
    // process holds it: the run is still running, or being undone.
    int Hold(const std::string& id, HeldRun& held);

    // Appends to a held journal that every file of the run is back (undone)
    // or forward again; nothing already in it is cut off or rewritten.
    int Mark(HeldRun& held, bool undone, int64_t when);

    // Drops the runs past the retention, each rename run together with its
    // undos and redos (a chain counts as one run, and as old as its newest
    // journal), never the one named spare. Runs whose files only their
    // journals can find stay whatever the retention: a run cut short, and one
    // whose last undo or redo did not bring every file.
    void Prune(const std::string& spare);

private:
    int ReadWhole(const std::string& path, std::string& bytes);
    int Summarise(const std::string& path, RunSummary& summary);
    int MakeFolders();
    int CheckFolders();
    int Untrusted(const std::string& path);  // a symbolic link where a journal should be
    // What an open file or folder holds: a journal, the journals, or the
    // journal folder.
    enum class Holding { Journal, Journals, JournalFolder };
    // 0 when fd, open at path, is the user's alone.
    int CheckOwner(int fd, Holding holding, const std::string& path);

    Os& os_;
    std::string folder_;
    Retention retention_;
    JournalWriter::Clock clock_;
    std::string untrusted_path_;
};

}  // namespace zentavo
