// Where the journals lie, as the platform keeps them: one folder of files
// that only the user may change. The journal store decides what the files
// say; this keeps their bytes. Every call returns 0 or an errno value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// One journal file, open for as long as the object lives.
class JournalFile {
public:
    virtual ~JournalFile() = default;

    // Writes bytes at the end of the file; written tells how many went
    // before a failure (EIO when the system took none and said nothing).
    virtual int Append(std::string_view bytes, size_t& written) = 0;
    // Makes what was written durable.
    virtual int Sync() = 0;
    virtual int Size(uint64_t& size) = 0;
    // Up to size bytes from offset: fewer where the file ends.
    virtual int ReadAt(uint64_t offset, size_t size, std::string& bytes) = 0;
    // Locks the file against every other process for as long as it stays
    // open: EWOULDBLOCK while another holds it.
    virtual int Lock() = 0;
    // Whether another process holds the file locked, without keeping it.
    virtual bool LockedElsewhere() = 0;
};

class JournalStorage {
public:
    virtual ~JournalStorage() = default;

    // The folder of the journals, as a path that the platform's file system
    // takes; empty when the platform found none.
    virtual const std::string& folder() const = 0;

    // Makes the folder, and whatever is missing above it, for the user alone.
    virtual int MakeFolder() = 0;

    // The trust checks. The folder and the one above it must be the user's,
    // writable by no one else, and no symbolic link; a journal file the
    // user's, readable and writable by no one else. A missing folder
    // passes. A check that fails returns ELOOP (a link, or no folder where
    // one should be), EPERM (another user's) or EACCES (others may write
    // it, or read or write a journal), and names the path in untrusted; any
    // other error leaves untrusted alone.
    virtual int CheckFolder(std::string& untrusted) = 0;

    // A new journal named name in the folder, never one that exists
    // (EEXIST), the user's alone whatever the process's defaults.
    virtual int Create(const std::string& name, std::unique_ptr<JournalFile>& file) = 0;
    // An existing journal, checked as above; append opens it for appending
    // too.
    virtual int Open(const std::string& name, bool append, std::unique_ptr<JournalFile>& file,
                     std::string& untrusted) = 0;

    // The names of the folder's entries but "." and "..", added to names in
    // no order; ENOENT when the folder is missing.
    virtual int List(std::vector<std::string>& names) = 0;
    virtual int Remove(const std::string& name) = 0;
    // Makes the folder's entries (a journal's name) durable.
    virtual int SyncFolder() = 0;
};

}  // namespace zentavo
