// The journals' folder and files on Windows: refused when others may change
// them (or read a journal), and appends that a read leaves alone.
#include <aclapi.h>
#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

#include <cerrno>
#include <memory>
#include <string>

#include "tests/win32/win32_test_support.h"
#include "win32/win32_journal_storage.h"
#include "win32/windows_path.h"

namespace zentavo {
namespace {

// Adds an access-list entry granting Everyone mask to path.
bool GrantEveryone(const std::string& path, DWORD mask) {
    PACL old = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::wstring wide = WidePath(path);
    if (GetNamedSecurityInfoW(wide.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &old, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    EXPLICIT_ACCESSW grant{};
    wchar_t everyone[] = L"EVERYONE";
    BuildExplicitAccessWithNameW(&grant, everyone, mask, GRANT_ACCESS, NO_INHERITANCE);
    PACL updated = nullptr;
    const bool ok = SetEntriesInAclW(1, &grant, old, &updated) == ERROR_SUCCESS &&
                    SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                          nullptr, nullptr, updated, nullptr) == ERROR_SUCCESS;
    LocalFree(updated);
    LocalFree(descriptor);
    return ok;
}

// A Windows handle reads where its file pointer stands unless told an
// offset: appends must not follow a read on the same handle. What every
// storage does is the contract suite's (tests/contract).
TEST(Win32JournalStorage, AReadDoesNotMoveWhereAppendsGo) {
    Folder base;
    Win32JournalStorage storage(SystemWindowsApi(), base / "Zentavo\\journal");
    ASSERT_EQ(storage.MakeFolder(), 0);
    std::unique_ptr<JournalFile> file;
    ASSERT_EQ(storage.Create("run", file), 0);
    size_t written = 0;
    ASSERT_EQ(file->Append("head", written), 0);
    std::string bytes;
    ASSERT_EQ(file->ReadAt(1, 2, bytes), 0);
    EXPECT_EQ(bytes, "ea");
    ASSERT_EQ(file->Append("tail", written), 0);
    ASSERT_EQ(file->ReadAt(0, 100, bytes), 0);
    EXPECT_EQ(bytes, "headtail");
}

struct Exposure {
    const char* what;
    std::string exposed;  // relative to the base folder
    DWORD granted;
    bool journal;  // the exposed entry is the journal, not a folder
};

class Win32JournalTrust : public testing::TestWithParam<Exposure> {};

TEST_P(Win32JournalTrust, RefusesWhatOthersMayChangeOrRead) {
    const Exposure& c = GetParam();
    Folder base;
    Win32JournalStorage storage(SystemWindowsApi(), base / "Zentavo\\journal");
    ASSERT_EQ(storage.MakeFolder(), 0);
    std::unique_ptr<JournalFile> file;
    ASSERT_EQ(storage.Create("run", file), 0);
    file.reset();
    ASSERT_TRUE(GrantEveryone(base / c.exposed, c.granted));

    std::string untrusted;
    const int error =
        c.journal ? storage.Open("run", false, file, untrusted) : storage.CheckFolder(untrusted);
    EXPECT_EQ(error, EACCES);
    EXPECT_EQ(untrusted, base / c.exposed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32JournalTrust,
    testing::Values(Exposure{"WritableFolder", "Zentavo\\journal", FILE_ADD_FILE, false},
                    Exposure{"WritableFolderAbove", "Zentavo", GENERIC_WRITE, false},
                    Exposure{"ReadableJournal", "Zentavo\\journal\\run", GENERIC_READ, true},
                    Exposure{"WritableJournal", "Zentavo\\journal\\run", FILE_APPEND_DATA, true}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace zentavo
