// The real file system of a POSIX machine.
#pragma once

#include "fileops/file_system.h"

namespace zentavo {

class Os;

class PosixFileSystem : public FileSystem {
public:
    PosixFileSystem();              // the real system calls
    explicit PosixFileSystem(Os& os);  // tests inject faults through os

    int Search(const std::string& path, EntryKind& kind) override;
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
    std::string AbsolutePath(std::string_view path) override;
    int MoveNoReplace(const std::string& from, const std::string& to) override;

private:
    Os& os_;
};

}  // namespace zentavo
