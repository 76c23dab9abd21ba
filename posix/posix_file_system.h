// The real file system of a POSIX machine.
#pragma once

#include <sys/types.h>

#include <unordered_map>
#include <vector>

#include "engine/file_system.h"
#include "posix/folder_handles.h"
#include "posix/no_replace_rename.h"

namespace zentavo {

class Os;

// Keeps what it learns about file systems and a listing buffer: one object
// serves one thread at a time.
class PosixFileSystem : public FileSystem {
public:
    PosixFileSystem();                 // the real system calls
    explicit PosixFileSystem(Os& os);  // tests inject faults through os

    PathSyntax syntax() const override { return PathSyntax::Posix; }
    int Search(const std::string& path, EntryKind& kind) override;
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
    int AbsolutePath(std::string_view path, std::string& absolute) override;
    int RealPath(const std::string& path, std::string& real) override;
    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override;
    void ReleaseFolders() override { folders_.Release(); }
    void ExpectFolders(const FolderIdentities& listed) override { folders_.Expect(listed); }
    int Stamp(const std::string& path, FileStamp& stamp) override;
    int NameMax(const std::string& folder, size_t& longest) override;
    int RemoveIfSame(const std::string& path, const FileIdentity& identity) override;
    int SameBytes(const std::string& a, const std::string& b, bool& same) override;

private:
    enum class TargetIs { AnotherFile, ItsOwnName, AnEqualName };

    TargetIs WhatTargetIs(const Place& from, const Place& to);
    EntryKind KindOfListed(int folder, const char* name, unsigned char type);
    bool InodesHold(dev_t device, const std::string& path, uint64_t inode);
    void MoveThroughScratchName(const Place& from, const Place& to, const std::string& scratch_name,
                                MoveResult& result);

    Os& os_;
    FolderHandles folders_;
    NoReplaceRename rename_;
    std::vector<char> listing_buffer_;
    std::unordered_map<dev_t, bool> inodes_hold_;  // per device, once looked at
};

}  // namespace zentavo
