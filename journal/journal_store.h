// The folder of journals: one file per run, named by the run's id.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "journal/journal_storage.h"
#include "journal/journal_writer.h"

namespace zentavo {

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
    RunRecord run;  // as read once the hold was taken

private:
    friend class JournalStore;
    std::unique_ptr<JournalFile> file_;
};

class JournalStore {
public:
    explicit JournalStore(std::unique_ptr<JournalStorage> storage, Retention retention = {},
                          JournalWriter::Clock clock = WallClockNs);

    // Every call that touches the journal first makes sure that only the
    // user can change it, as JournalStorage::CheckFolder says; when it
    // cannot, it fails with ELOOP, EPERM or EACCES, and this names the path.
    const std::string& untrusted_path() const { return untrusted_path_; }
    // The clock the journals of this folder are written by.
    const JournalWriter::Clock& clock() const { return clock_; }
    const std::string& folder() const { return storage_->folder(); }
    std::string PathOf(const std::string& id) const;

    // Creates the folder (the user's alone) when missing and a new journal
    // file (likewise, never one that exists) for a run starting now. Fills in the
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
    int CheckFolder();
    int Open(const std::string& name, bool append, std::unique_ptr<JournalFile>& file);
    int ReadWhole(const std::string& name, std::string& bytes);
    int Summarise(const std::string& name, RunSummary& summary);

    std::unique_ptr<JournalStorage> storage_;
    Retention retention_;
    JournalWriter::Clock clock_;
    std::string untrusted_path_;
};

}  // namespace zentavo
