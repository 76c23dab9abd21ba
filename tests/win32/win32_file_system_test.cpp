// What only Win32FileSystem does: names counted in UTF-16 units, unpaired
// surrogates, files held open by others, held folders and birth times. What
// every file system does is the contract suite's (tests/contract).
#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "tests/win32/win32_test_support.h"
#include "win32/win32_file_system.h"
#include "win32/windows_errors.h"

namespace zentavo {
namespace {

// Windows counts a name in UTF-16 units: 255 characters of 日, 765 bytes,
// fit. (Wine keeps names in UTF-8 on the host, so only the count is checked.)
TEST(Win32NameMax, CountsUtf16Units) {
    Folder dir;
    Win32FileSystem fs;
    size_t longest = 0;
    ASSERT_EQ(fs.NameMax(dir.path(), longest), 0);
    std::string nichi;
    for (int i = 0; i < 255; ++i) nichi += "\xE6\x97\xA5";
    EXPECT_EQ(fs.NameLength(nichi), longest);
}

TEST(Win32Move, KeepsEveryUnitOfAnUnpairedSurrogate) {
    const std::string lone = "\xED\xA0\x80";  // U+D800 alone
    Folder dir;
    if (!WriteFile(dir / "x", "x") ||
        !MoveFileExW(WidePath(dir / "x").c_str(), WidePath(dir / lone).c_str(), 0))
        GTEST_SKIP() << "this system holds no unpaired surrogate in a name (wine maps names "
                        "to UTF-8 on the host)";
    Win32FileSystem fs;
    EXPECT_EQ(NamesIn(fs, dir.path()), Names{lone});
    EXPECT_EQ(fs.MoveNoReplace(dir / lone, dir / (lone + "z"), ".scratch").error, 0);
    EXPECT_EQ(NamesIn(fs, dir.path()), Names{lone + "z"});
}

TEST(Win32Move, AFileOpenWithoutDeleteSharingFailsBusyAndStays) {
    Folder dir;
    ASSERT_TRUE(WriteFile(dir / "a", "a"));
    const HANDLE other = CreateFileW(WidePath(dir / "a").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    Win32FileSystem fs;
    EXPECT_EQ(fs.MoveNoReplace(dir / "a", dir / "b", ".scratch").error, EBUSY);
    CloseHandle(other);
    EXPECT_EQ(NamesIn(fs, dir.path()), Names{"a"});
    EXPECT_EQ(fs.MoveNoReplace(dir / "a", dir / "b", ".scratch").error, 0);
}

TEST(Win32Move, AFolderReplacedBetweenMovesIsStale) {
    Folder dir;
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    ASSERT_TRUE(WriteFile(dir / "d\\a", "a"));
    ASSERT_TRUE(WriteFile(dir / "d\\b", "b"));
    Win32FileSystem fs;
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\a", dir / "d\\a2", ".scratch").error, 0);
    // On Windows the held folder cannot be renamed; wine lets it be.
    if (!MoveFileExW(WidePath(dir / "d").c_str(), WidePath(dir / "moved").c_str(), 0))
        GTEST_SKIP() << "the held folder cannot be renamed here";
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    ASSERT_TRUE(WriteFile(dir / "d\\b", "other"));
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\b", dir / "d\\b2", ".scratch").error, ESTALE);
    EXPECT_EQ(ReadFile(dir / "d\\b"), "other");
    fs.ReleaseFolders();  // a new run takes the folder as it is now
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\b", dir / "d\\b2", ".scratch").error, 0);
}

TEST(Win32Move, AFolderReplacedAfterTheDropReadItIsStale) {
    Folder dir;
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    Win32FileSystem fs;
    FileStamp read;
    ASSERT_EQ(fs.Stamp(dir / "d", read), 0);
    const FolderIdentities listed{{dir / "d", read.identity}};
    ASSERT_TRUE(MoveFileExW(WidePath(dir / "d").c_str(), WidePath(dir / "moved").c_str(), 0));
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    ASSERT_TRUE(WriteFile(dir / "d\\a", "a"));
    fs.ExpectFolders(listed);
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\a", dir / "d\\b", ".scratch").error, ESTALE);
    EXPECT_EQ(NamesIn(fs, dir / "d"), Names{"a"});
}

// The creation time is what tells a file reused under its identity, and a
// file that is not the one expected is refused as stale.
TEST(Win32Identity, TellsTheBirthTimeAndRefusesAnotherFile) {
    Folder dir;
    ASSERT_TRUE(WriteFile(dir / "a", "a"));
    ASSERT_TRUE(WriteFile(dir / "other", "a"));
    Win32FileSystem fs;
    FileStamp a;
    ASSERT_EQ(fs.Stamp(dir / "a", a), 0);
    EXPECT_GT(a.born_ns, int64_t{1'500'000'000} * 1'000'000'000);  // after 2017
    EXPECT_FALSE(a.empty_file);
    EXPECT_EQ(fs.RemoveIfSame(dir / "other", a.identity), ESTALE);
    EXPECT_EQ(ReadFile(dir / "other"), "a");
}

}  // namespace
}  // namespace zentavo
