#include "core/path_parts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {
namespace {

using Kind = CodePage::Kind;
using Folders = std::vector<std::string>;

struct PartsRow {
    const char* label;
    PathSyntax syntax;
    Kind kind;
    std::string_view path;
    std::string_view name;
    std::string_view title;
    std::string_view extension;
    std::string_view directory;
    Folders folders;
};

constexpr PathSyntax kWin = PathSyntax::Windows;
constexpr PathSyntax kPosix = PathSyntax::Posix;
constexpr Kind kSingle = Kind::SingleByte;

const PartsRow kRows[] = {
    {"WinDocExample",
     kWin,
     kSingle,
     "C:\\Photos\\2000\\img.01.jpg",
     "img.01.jpg",
     "img.01",
     "jpg",
     "C:\\Photos\\2000",
     {"Photos", "2000"}},
    {"WinFileAtDriveRootWithoutDot", kWin, kSingle, "C:\\readme", "readme", "readme", "", "C:", {}},
    {"WinDotProfile",
     kWin,
     kSingle,
     "C:\\home\\.profile",
     ".profile",
     "",
     "profile",
     "C:\\home",
     {"home"}},
    {"WinLastDotSplits", kWin, kSingle, "C:\\a.b.c", "a.b.c", "a.b", "c", "C:", {}},
    {"WinTrailingDot", kWin, kSingle, "C:\\dir\\name.", "name.", "name", "", "C:\\dir", {"dir"}},
    {"WinNameIsOnlyADot", kWin, kSingle, "C:\\dir\\.", ".", "", "", "C:\\dir", {"dir"}},
    {"WinFileAtDriveRoot", kWin, kSingle, "C:\\file.txt", "file.txt", "file", "txt", "C:", {}},
    {"WinThreeFolders",
     kWin,
     kSingle,
     "D:\\x\\y\\z\\f",
     "f",
     "f",
     "",
     "D:\\x\\y\\z",
     {"x", "y", "z"}},
    {"WinNoSeparator", kWin, kSingle, "readme.txt", "readme.txt", "readme", "txt", ".", {"."}},
    {"WinEmptyPath", kWin, kSingle, "", "", "", "", ".", {"."}},
    {"WinDriveWithoutSeparator",
     kWin,
     kSingle,
     "C:file.txt",
     "C:file.txt",
     "C:file",
     "txt",
     ".",
     {"."}},
    {"WinDriveRelativeFolder", kWin, kSingle, "C:dir\\f", "f", "f", "", "C:dir", {"dir"}},
    {"WinColonNotSecond", kWin, kSingle, "ab:\\c\\f", "f", "f", "", "ab:\\c", {"ab:", "c"}},
    {"WinRelativeFolders", kWin, kSingle, "a\\b\\f", "f", "f", "", "a\\b", {"a", "b"}},
    {"WinUncPath",
     kWin,
     kSingle,
     "\\\\server\\share\\dir\\file",
     "file",
     "file",
     "",
     "\\\\server\\share\\dir",
     {"", "server", "share", "dir"}},
    {"WinDoubledBackslash",
     kWin,
     kSingle,
     "C:\\a\\\\b\\f",
     "f",
     "f",
     "",
     "C:\\a\\\\b",
     {"a", "", "b"}},
    {"WinTrailingSeparatorInDirectory",
     kWin,
     kSingle,
     "C:\\a\\\\f",
     "f",
     "f",
     "",
     "C:\\a\\",
     {"a"}},
    {"WinTrailingSeparator", kWin, kSingle, "C:\\a\\", "", "", "", "C:\\a", {"a"}},
    {"WinSlashSeparatesToo",
     kWin,
     kSingle,
     "C:\\a/b\\c/d.txt",
     "d.txt",
     "d",
     "txt",
     "C:\\a/b\\c",
     {"a", "b", "c"}},
    {"WinSlashesOnly", kWin, kSingle, "C:/Photos/img.jpg", "img.jpg", "img", "jpg", "C:/Photos",
     {"Photos"}},
    {"WinUncWithSlashes",
     kWin,
     kSingle,
     "//server/share/f",
     "f",
     "f",
     "",
     "//server/share",
     {"", "server", "share"}},
    {"WinSlashAtDriveRoot", kWin, kSingle, "C:/f", "f", "f", "", "C:", {}},
    {"WinDotInFolderOnly",
     kWin,
     kSingle,
     "C:\\v1.2\\readme",
     "readme",
     "readme",
     "",
     "C:\\v1.2",
     {"v1.2"}},
    {"WinWhiteSpaceKept",
     kWin,
     kSingle,
     "C:\\ a \\ b .txt ",
     " b .txt ",
     " b ",
     "txt ",
     "C:\\ a ",
     {" a "}},
    {"PosixDocExample",
     kPosix,
     kSingle,
     "/Photos/2000/img.01.jpg",
     "img.01.jpg",
     "img.01",
     "jpg",
     "/Photos/2000",
     {"Photos", "2000"}},
    {"PosixFileAtRoot", kPosix, kSingle, "/f", "f", "f", "", "", {}},
    {"PosixRootReadme", kPosix, kSingle, "/readme", "readme", "readme", "", "", {}},
    {"PosixDotProfile",
     kPosix,
     kSingle,
     "/home/u/.profile",
     ".profile",
     "",
     "profile",
     "/home/u",
     {"home", "u"}},
    {"PosixTrailingDot", kPosix, kSingle, "/dir/name.", "name.", "name", "", "/dir", {"dir"}},
    {"PosixThreeFolders", kPosix, kSingle, "/x/y/z/f", "f", "f", "", "/x/y/z", {"x", "y", "z"}},
    {"PosixNoSeparator", kPosix, kSingle, "f.txt", "f.txt", "f", "txt", ".", {"."}},
    {"PosixBackslashIsOrdinary",
     kPosix,
     kSingle,
     "/a\\b/c\\d.txt",
     "c\\d.txt",
     "c\\d",
     "txt",
     "/a\\b",
     {"a\\b"}},
    {"PosixNoDriveRule", kPosix, kSingle, "C:/x/f", "f", "f", "", "C:/x", {"C:", "x"}},
    {"PosixDriveLikeFolder", kPosix, kSingle, "/C:/x/f", "f", "f", "", "/C:/x", {"C:", "x"}},
    {"PosixDoubleSlashStart",
     kPosix,
     kSingle,
     "//server/share/f",
     "f",
     "f",
     "",
     "//server/share",
     {"", "server", "share"}},
    {"PosixDoubledSlash", kPosix, kSingle, "/a//b/f", "f", "f", "", "/a//b", {"a", "", "b"}},
    {"PosixRelative", kPosix, kSingle, "a/b/f", "f", "f", "", "a/b", {"a", "b"}},
    {"PosixTrailingSlash", kPosix, kSingle, "/a/b/", "", "", "", "/a/b", {"a", "b"}},
    {"SjisNameEndsInBackslashByte",
     kWin,
     Kind::ShiftJis,
     "C:\\dir\\\x83\x5C",
     "\x83\x5C",
     "\x83\x5C",
     "",
     "C:\\dir",
     {"dir"}},
    {"SjisBytesOnSingleBytePage",
     kWin,
     kSingle,
     "C:\\dir\\\x83\x5C",
     "",
     "",
     "",
     "C:\\dir\\\x83",
     {"dir", "\x83"}},
    {"SjisFolderEndsInBackslashByte",
     kWin,
     Kind::ShiftJis,
     "C:\\\x95\x5C\\\x83\x5C\\\x95\x5C.txt",
     "\x95\x5C.txt",
     "\x95\x5C",
     "txt",
     "C:\\\x95\x5C\\\x83\x5C",
     {"\x95\x5C", "\x83\x5C"}},
    {"SjisAlignedPairs",
     kWin,
     Kind::ShiftJis,
     "C:\\\x81\x81\x81\x5C"
     "f",
     "\x81\x81\x81\x5C"
     "f",
     "\x81\x81\x81\x5C"
     "f",
     "",
     "C:",
     {}},
    {"SjisLeadAtEndOfName",
     kWin,
     Kind::ShiftJis,
     "C:\\x\\f.\x95",
     "f.\x95",
     "f",
     "\x95",
     "C:\\x",
     {"x"}},
    {"SjisLeadBeforeDot",
     kWin,
     Kind::ShiftJis,
     "C:\\x\\\x95.txt",
     "\x95.txt",
     "\x95",
     "txt",
     "C:\\x",
     {"x"}},
    {"SjisKanjiBeforeSlashOnWindows",
     kWin,
     Kind::ShiftJis,
     "C:\\\x95\x5C/\x83\x5C.jpg",
     "\x83\x5C.jpg",
     "\x83\x5C",
     "jpg",
     "C:\\\x95\x5C",
     {"\x95\x5C"}},
    {"SjisLeadBeforeSlashOnPosix",
     kPosix,
     Kind::ShiftJis,
     "/a\x95/b\x95/f\x95",
     "f\x95",
     "f\x95",
     "",
     "/a\x95/b\x95",
     {"a\x95", "b\x95"}},
    {"SjisKanjiInPosixPath",
     kPosix,
     Kind::ShiftJis,
     "/\x95\x5C/\x83\x5C.jpg",
     "\x83\x5C.jpg",
     "\x83\x5C",
     "jpg",
     "/\x95\x5C",
     {"\x95\x5C"}},
    {"UhcLeadBeforeBackslash",
     kWin,
     Kind::Uhc,
     "C:\\a\xB0\\b\xB0\\f",
     "f",
     "f",
     "",
     "C:\\a\xB0\\b\xB0",
     {"a\xB0", "b\xB0"}},
    {"GbkFolderEndsInBackslashByte",
     kWin,
     Kind::Gbk,
     "C:\\\xD5\x5C\\f.txt",
     "f.txt",
     "f",
     "txt",
     "C:\\\xD5\x5C",
     {"\xD5\x5C"}},
    {"Big5FolderEndsInBackslashByte",
     kWin,
     Kind::Big5,
     "C:\\\xA4\x5C\\\xA4\x5C",
     "\xA4\x5C",
     "\xA4\x5C",
     "",
     "C:\\\xA4\x5C",
     {"\xA4\x5C"}},
    {"Big5LeadTakesTheBackslashAsTrail",
     kWin,
     Kind::Big5,
     "C:\\a\xA4\\f",
     "a\xA4\\f",
     "a\xA4\\f",
     "",
     "C:",
     {}},
    {"Big5LeadBeforeSlashOnPosix",
     kPosix,
     Kind::Big5,
     "/a\xA4/f",
     "f",
     "f",
     "",
     "/a\xA4",
     {"a\xA4"}},
    {"Utf8Valid",
     kPosix,
     Kind::Utf8,
     "/Fotos/Caf\xC3\xA9/\xC3\xA9t\xC3\xA9.JPG",
     "\xC3\xA9t\xC3\xA9.JPG",
     "\xC3\xA9t\xC3\xA9",
     "JPG",
     "/Fotos/Caf\xC3\xA9",
     {"Fotos", "Caf\xC3\xA9"}},
    {"Utf8Malformed",
     kPosix,
     Kind::Utf8,
     "/a\xC3/b\xE2\x82/f.\xFF",
     "f.\xFF",
     "f",
     "\xFF",
     "/a\xC3/b\xE2\x82",
     {"a\xC3", "b\xE2\x82"}},
    {"Utf8OnWindows",
     kWin,
     Kind::Utf8,
     "C:\\\xE2\x82\xAC\\\xC3\\x",
     "x",
     "x",
     "",
     "C:\\\xE2\x82\xAC\\\xC3",
     {"\xE2\x82\xAC", "\xC3"}},
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const PartsRow& row, std::ostream* out) {
    *out << row.label;
}

class PathPartsTable : public testing::TestWithParam<PartsRow> {};

void ExpectParts(const CPathParts& parts, const PartsRow& row) {
    EXPECT_EQ(parts.path, row.path);
    EXPECT_EQ(parts.name, row.name);
    EXPECT_EQ(parts.title, row.title);
    EXPECT_EQ(parts.extension, row.extension);
    EXPECT_EQ(parts.directory, row.directory);
    EXPECT_EQ(parts.folders, row.folders);
}

TEST_P(PathPartsTable, ParseSplitsThePath) {
    const PartsRow& row = GetParam();
    ExpectParts(CPathParts(row.path, row.syntax, CodePage(row.kind)), row);
}

// Parse reuses the buffers of the earlier content; whatever was parsed before
// must leave no trace.
TEST_P(PathPartsTable, ParseAfterAnyOtherPathGivesTheSameParts) {
    const PartsRow& row = GetParam();
    for (const PartsRow& before : kRows) {
        SCOPED_TRACE(before.label);
        CPathParts parts(before.path, before.syntax, CodePage(before.kind));
        parts.Parse(row.path, row.syntax, CodePage(row.kind));
        ExpectParts(parts, row);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, PathPartsTable, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<PartsRow>& info) {
                             return std::string(info.param.label);
                         });

TEST(PathParts, ConstructedEmptyHoldsNothing) {
    const CPathParts parts;
    EXPECT_EQ(parts.path, "");
    EXPECT_EQ(parts.name, "");
    EXPECT_EQ(parts.title, "");
    EXPECT_EQ(parts.extension, "");
    EXPECT_EQ(parts.directory, "");
    EXPECT_TRUE(parts.folders.empty());
}

TEST(PathParts, ASecondPathLeavesNoneOfTheFirstPathsFolders) {
    CPathParts parts("C:\\a\\b\\c\\d\\e\\f.txt", PathSyntax::Windows, CodePage());
    ASSERT_EQ(parts.folders.size(), 5u);
    parts.Parse("C:\\x\\g.txt", PathSyntax::Windows, CodePage());
    EXPECT_EQ(parts.folders, Folders{"x"});
    parts.Parse("C:\\g.txt", PathSyntax::Windows, CodePage());
    EXPECT_TRUE(parts.folders.empty());
}

}  // namespace
}  // namespace zentavo
