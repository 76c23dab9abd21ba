#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/rename_list.h"
#include "core/rename_pattern.h"

namespace zentavo {
namespace {

using Names = std::vector<std::string>;
using Kind = CodePage::Kind;

struct SetFilenamesRow {
    const char* label;
    PathSyntax syntax;
    std::vector<std::string> paths;  // in list order
    std::string pattern;
    Names names;
    bool all_named;
};

std::string Repeated(const std::string& text, size_t times) {
    std::string out;
    for (size_t i = 0; i < times; ++i) out += text;
    return out;
}

RenameList ListInOrder(PathSyntax syntax, const std::vector<std::string>& paths) {
    RenameList list(syntax);
    list.InsertNew(paths);
    return list;
}

Names NamesOf(const RenameList& list) {
    Names names;
    for (size_t i = 0; i < list.count(); ++i) names.emplace_back(list.new_name(i));
    return names;
}

constexpr PathSyntax kWin = PathSyntax::Windows;
constexpr PathSyntax kPosix = PathSyntax::Posix;

const SetFilenamesRow kRows[] = {
    {"WinCounterRestartsWhenTheFolderChanges",
     kWin,
     {"C:\\a\\a.txt", "C:\\a\\b\\f.txt", "C:\\a\\c.txt"},
     "%3c",
     {"001", "001", "001"},
     true},
    {"PosixCounterRestartsWhenTheFolderChanges",
     kPosix,
     {"/a/a.txt", "/a/b/f.txt", "/a/c.txt"},
     "%3c",
     {"001", "001", "001"},
     true},
    {"WinCounterPerFolder",
     kWin,
     {"C:\\a\\1.txt", "C:\\a\\2.txt", "C:\\b\\3.txt"},
     "%3c",
     {"001", "002", "001"},
     true},
    {"WinPositionOverTheList",
     kWin,
     {"C:\\a\\1.txt", "C:\\a\\2.txt", "C:\\b\\3.txt"},
     "%g",
     {"1", "2", "3"},
     true},
    {"PosixCounterPerFolder",
     kPosix,
     {"/a/1.txt", "/a/2.txt", "/b/3.txt"},
     "%3c",
     {"001", "002", "001"},
     true},
    {"WinFolderCaseKeepsCounting",
     kWin,
     {"C:\\a\\1.txt", "C:\\A\\2.txt", "c:\\A\\3.txt"},
     "%c",
     {"1", "2", "3"},
     true},
    {"PosixFolderCaseRestarts",
     kPosix,
     {"/a/1.txt", "/A/2.txt", "/A/3.txt"},
     "%c",
     {"1", "1", "2"},
     true},
    {"WinNonAsciiFolderCaseRestarts",
     kWin,
     {"C:\\\xC9\\1.txt", "C:\\\xE9\\2.txt"},
     "%c",
     {"1", "1"},
     true},
    {"FoldersWithoutSeparatorCountOn", kPosix, {"a.txt", "b.txt"}, "%c.%d", {"1..", "2.."}, true},
    {"PosixRootFiles", kPosix, {"/a", "/b", "/c/d"}, "%c%d", {"1", "2", "1c"}, true},
    {"FirstRowStartsAtOneWhateverItsFolder",
     kPosix,
     {"*/f", "*/g", "x/h"},
     "%c",
     {"1", "2", "1"},
     true},
    {"WinFirstRowStartsAtOneWhateverItsFolder", kWin, {"*\\f", "*\\g"}, "%c", {"1", "2"}, true},
    {"EmptyPattern", kWin, {"C:\\a\\1.txt", "C:\\a\\2.txt"}, "", {"", ""}, false},
    {"WhiteSpacePattern", kWin, {"C:\\a\\1.txt"}, " \t\r\n\v\f ", {""}, false},
    {"PatternIsTrimmed", kWin, {"C:\\a\\1.txt"}, "\t %c-%n \n", {"1-1.txt"}, true},
    {"InnerWhiteSpaceKept", kWin, {"C:\\a\\1.txt"}, "a \tb", {"a \tb"}, true},
    {"NamesAreTrimmed", kWin, {"C:\\a\\ x.txt ", "C:\\a\\y"}, " %n ", {"x.txt", "y"}, true},
    {"OneEmptyNameClearsAllNamed",
     kWin,
     {"C:\\a\\noext", "C:\\a\\x.txt"},
     "%e",
     {"", "txt"},
     false},
    {"NameOfSpacesOnlyIsEmpty", kWin, {"C:\\a\\ .txt"}, "%t", {""}, false},
    {"NegativeWidthPaddingIsTrimmed", kWin, {"C:\\a\\x"}, "%4294967293c", {"1"}, true},
    {"EmptyList", kWin, {}, "%n", {}, true},
    {"EmptyListEmptyPattern", kWin, {}, "", {}, true},
    {"NameWithSeparatorKept", kWin, {"C:\\p\\a\\f.txt"}, "%2d\\%n", {"p\\f.txt"}, true},
    {"PatternEndsAtItsFirstNul", kPosix, {"/a/x.txt"}, std::string("new\0%n", 6), {"new"}, true},
    // Names stay bounded for any pattern; one too long is kept one byte past
    // the longest usable name, whatever white space it holds.
    {"LongestUsableName",
     kPosix,
     {"/a/x"},
     Repeated("%255c", 16) + "%15c",
     {Repeated(std::string(254, '0') + "1", 16) + std::string(14, '0') + "1"},
     true},
    {"TooLongNameIsBounded",
     kPosix,
     {"/a/x"},
     Repeated("%255c", 20000),
     {Repeated(std::string(254, '0') + "1", 17).substr(0, kMaxNewNameLength + 1)},
     true},
    {"TooLongWithSpaceWhereItIsCut",
     kPosix,
     {"/a/x"},
     "x" + std::string(5000, ' ') + "y",
     {"x" + std::string(kMaxNewNameLength, ' ')},
     true},
    {"LongTrailingSpaceIsTrimmed",
     kPosix,
     {"/a/x"},
     "%n" + std::string(5000, ' ') + "%0d",
     {"x"},
     true},
    {"LongLeadingSpaceIsTrimmed",
     kPosix,
     {"/a/x"},
     "%0d" + std::string(5000, ' ') + "%n",
     {"x"},
     true},
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const SetFilenamesRow& row, std::ostream* out) {
    *out << row.label;
}

class SetFilenamesTable : public testing::TestWithParam<SetFilenamesRow> {};

TEST_P(SetFilenamesTable, NamesEveryRow) {
    const SetFilenamesRow& row = GetParam();
    RenameList list = ListInOrder(row.syntax, row.paths);
    ASSERT_EQ(list.count(), row.paths.size());
    for (size_t i = 0; i < list.count(); ++i) ASSERT_EQ(list.path(i), row.paths[i]);
    EXPECT_EQ(SetFilenames(list, row.pattern, CodePage()), row.all_named);
    EXPECT_EQ(NamesOf(list), row.names);
}

INSTANTIATE_TEST_SUITE_P(Lists, SetFilenamesTable, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<SetFilenamesRow>& info) {
                             return std::string(info.param.label);
                         });

// The worked example: C:\Photos\Rome\IMG_0042.JPG is the first row of its
// folder and the fifth row of the list.
TEST(SetFilenames, TheRomeExampleWithBothSyntaxes) {
    const struct {
        const char* pattern;
        const char* name;
    } cases[] = {
        {"%3c.%<e", "001.jpg"},
        {"%<1d-%3c.%<e", "rome-001.jpg"},
        {"%>2d_%g_%t.%e", "PHOTOS_5_IMG_0042.JPG"},
        {"%n", "IMG_0042.JPG"},
        {"100%% %t", "100% IMG_0042"},
        {"%x%t", "IMG_0042"},
    };
    const struct {
        PathSyntax syntax;
        std::vector<std::string> paths;
    } lists[] = {
        {kWin,
         {"C:\\Photos\\Paris\\1.jpg", "C:\\Photos\\Paris\\2.jpg", "C:\\Photos\\Paris\\3.jpg",
          "C:\\Photos\\Paris\\4.jpg", "C:\\Photos\\Rome\\IMG_0042.JPG",
          "C:\\Photos\\Rome\\IMG_0043.JPG"}},
        {kPosix,
         {"/Photos/Paris/1.jpg", "/Photos/Paris/2.jpg", "/Photos/Paris/3.jpg",
          "/Photos/Paris/4.jpg", "/Photos/Rome/IMG_0042.JPG", "/Photos/Rome/IMG_0043.JPG"}},
    };
    for (const auto& l : lists) {
        RenameList list = ListInOrder(l.syntax, l.paths);
        ASSERT_EQ(list.path(4), l.paths[4]);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.pattern);
            EXPECT_TRUE(SetFilenames(list, c.pattern, CodePage(Kind::Utf8)));
            EXPECT_EQ(list.new_name(4), c.name);
        }
    }
}

TEST(SetFilenames, LeavesMarksAloneAndAlwaysWorksFromTheOldPaths) {
    RenameList list = ListInOrder(kWin, {"C:\\a\\1.txt", "C:\\a\\2.txt", "C:\\a\\3.txt"});
    list.SetMark(0, RowMark::Renamed);
    list.SetMark(2, RowMark::Failed, 17);
    ASSERT_TRUE(SetFilenames(list, "x%c.%e", CodePage()));
    EXPECT_EQ(NamesOf(list), (Names{"x1.txt", "x2.txt", "x3.txt"}));
    ASSERT_FALSE(SetFilenames(list, "%9d", CodePage()));
    EXPECT_EQ(NamesOf(list), (Names{"", "", ""}));
    ASSERT_TRUE(SetFilenames(list, "%t", CodePage()));
    EXPECT_EQ(NamesOf(list), (Names{"1", "2", "3"}));
    EXPECT_EQ(list.mark(0), RowMark::Renamed);
    EXPECT_EQ(list.mark(1), RowMark::Pending);
    EXPECT_EQ(list.mark(2), RowMark::Failed);
    EXPECT_EQ(list.failure(2), 17);
    EXPECT_EQ(list.path(0), "C:\\a\\1.txt");
}

TEST(SetFilenames, CountersGoPastTheirWidth) {
    std::vector<std::string> paths;
    for (int i = 10; i < 22; ++i) paths.push_back("/d/f" + std::to_string(i));
    RenameList list = ListInOrder(kPosix, paths);
    ASSERT_TRUE(SetFilenames(list, "%1c-%1g", CodePage()));
    EXPECT_EQ(list.new_name(8), "9-9");
    EXPECT_EQ(list.new_name(11), "12-12");
}

}  // namespace
}  // namespace zentavo
