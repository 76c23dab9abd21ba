// The contract suites over Win32FileSystem in a temporary folder, whose
// second volume is the folder that ZENTAVO_SECOND_VOLUME names (a wine drive
// on another host file system) where it lies on another volume, and over
// Win32JournalStorage.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>

#include "tests/contract/contract_backend.h"
#include "tests/contract/journal_backend.h"
#include "tests/win32/win32_test_support.h"
#include "win32/win32_file_system.h"
#include "win32/win32_journal_storage.h"
#include "win32/windows_path.h"

namespace zentavo {
namespace {

class Win32Backend : public ContractBackend {
public:
    FileSystem& fs() override { return fs_; }
    char separator() const override { return '\\'; }
    bool ignores_case() const override { return true; }
    bool counts_utf16_units() const override { return true; }

    std::string FreshFolder() override { return folders_.emplace_back().path(); }

    std::string FolderOnAnotherVolume(std::string& why_not) override {
        const char* second = std::getenv("ZENTAVO_SECOND_VOLUME");
        if (second == nullptr || *second == '\0') {
            why_not = "ZENTAVO_SECOND_VOLUME names no folder on another volume";
            return {};
        }
        const std::string there = folders_.emplace_back(second).path();
        FileStamp here_stamp, there_stamp;
        if (fs_.Stamp(FreshFolder(), here_stamp) != 0 || fs_.Stamp(there, there_stamp) != 0 ||
            here_stamp.identity.device == there_stamp.identity.device) {
            why_not = std::string(second) + " lies on the temporary folder's volume";
            return {};
        }
        return there;
    }

    void MakeFolder(const std::string& path) override {
        CreateDirectoryW(WidePath(path).c_str(), nullptr);
    }
    void MakeFile(const std::string& path, const std::string& content) override {
        WriteFile(path, content);
    }
    bool MakeHardLink(const std::string& path, const std::string& existing) override {
        return CreateHardLinkW(WidePath(path).c_str(), WidePath(existing).c_str(), nullptr);
    }
    // Wine reports success for a symbolic link and makes none.
    bool MakeFolderLink(const std::string& path, const std::string& target) override {
        return CreateSymbolicLinkW(
                   WidePath(path).c_str(), WidePath(target).c_str(),
                   SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
               GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::string Content(const std::string& path) override { return ReadFile(path); }

    Names NamesIn(const std::string& folder) override {
        Names names;
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW((WidePath(folder) + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::string name = PathFromWide(found.cFileName);
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    Win32FileSystem fs_;
    std::deque<Folder> folders_;  // never moved: they remove themselves
};

class Win32Journals : public JournalBackend {
public:
    JournalStorage& storage() override { return storage_; }

private:
    Folder base_;
    Win32JournalStorage storage_{SystemWindowsApi(), base_ / "Zentavo\\journal"};
};

std::unique_ptr<JournalBackend> MakeWin32Journals() {
    return std::make_unique<Win32Journals>();
}

INSTANTIATE_TEST_SUITE_P(Win32, JournalStorageContract, ::testing::Values(&MakeWin32Journals));

std::unique_ptr<ContractBackend> MakeWin32Backend() {
    return std::make_unique<Win32Backend>();
}

INSTANTIATE_TEST_SUITE_P(Win32, FileSystemContract, ::testing::Values(&MakeWin32Backend));

}  // namespace
}  // namespace zentavo
