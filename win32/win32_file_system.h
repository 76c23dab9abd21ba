// The real file system of a Windows machine, through the wide calls only:
// names are WTF-8 inside and UTF-16 only at the call, and every path goes
// to Windows in its extended-length form, so paths longer than 260
// characters work and no name is changed on the way.
#pragma once

#include <string>
#include <vector>

#include "engine/file_system.h"
#include "win32/held_folders.h"

namespace zentavo {

// Keeps a listing buffer and the folders of a run: one object serves one
// thread at a time.
class Win32FileSystem : public FileSystem {
public:
    Win32FileSystem();                          // the real calls
    explicit Win32FileSystem(WindowsApi& api);  // tests make calls fail through api

    PathSyntax syntax() const override { return PathSyntax::Windows; }
    int Search(const std::string& path, EntryKind& kind) override;
    int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
    int AbsolutePath(std::string_view path, std::string& absolute) override;
    int RealPath(const std::string& path, std::string& real) override;
    MoveResult MoveNoReplace(const std::string& from, const std::string& to,
                             const std::string& scratch_name) override;
    void ReleaseFolders() override { folders_.Release(); }
    void ExpectFolders(const FolderIdentities& listed) override { folders_.Expect(listed); }
    int Stamp(const std::string& path, FileStamp& stamp) override;
    int RemoveIfSame(const std::string& path, const FileIdentity& identity) override;
    int SameBytes(const std::string& a, const std::string& b, bool& same) override;
    int NameMax(const std::string& folder, size_t& longest) override;
    size_t NameLength(std::string_view name) override;

private:
    // path made absolute and extended-length.
    int Wide(std::string_view path, std::wstring& wide);
    void MoveCaseOnly(const std::wstring& from, const std::wstring& to, const std::string& scratch,
                      MoveResult& result);

    WindowsApi& api_;
    HeldFolders folders_;
    std::vector<char> listing_buffer_;
};

}  // namespace zentavo
