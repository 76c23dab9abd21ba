// The real file system with a gate, for the tests of the window and its
// logic: a chosen call waits on the job's thread until the test opens it.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>

#include "posix/posix_file_system.h"

namespace zentavo::testing {

// The real file system, with a gate that holds a chosen call on the thread
// that makes it until the test opens it, and moves that fail as told.
class GatedFileSystem : public FileSystem {
public:
    // The n-th move from now (counting from 1) waits at the gate.
    void HoldMove(int n);
    // Every folder listing waits at the gate.
    void HoldListings();
    // A call is waiting at the gate.
    bool holding();
    // Returns once a call waits at the gate.
    void WaitUntilHolding();
    // Lets the held call and every later one through.
    void Open();
    // The move of from does not happen and reports result instead.
    void FailMove(const std::string& from, MoveResult result);

    PathSyntax syntax() const override { return PathSyntax::Posix; }
    int Search(const std::string& path, EntryKind& kind) override;
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
    int AbsolutePath(std::string_view path, std::string& absolute) override;
    int RealPath(const std::string& path, std::string& real) override;
    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override;
    void ReleaseFolders() override { real_.ReleaseFolders(); }
    void ExpectFolders(const FolderIdentities& listed) override { real_.ExpectFolders(listed); }
    int Stamp(const std::string& path, FileStamp& stamp) override;
    int NameMax(const std::string& folder, size_t& longest) override;
    size_t NameLength(std::string_view name) override { return real_.NameLength(name); }
    int RemoveIfSame(const std::string& path, const FileIdentity& identity) override;
    int SameBytes(const std::string& a, const std::string& b, bool& same) override;

private:
    void Wait();

    PosixFileSystem real_;
    std::mutex mutex_;
    std::condition_variable opened_;
    std::condition_variable held_;
    bool open_ = true;
    bool holding_ = false;
    int moves_to_hold_ = 0;
    bool hold_listings_ = false;
    std::map<std::string, MoveResult> failures_;
};

}  // namespace zentavo::testing
