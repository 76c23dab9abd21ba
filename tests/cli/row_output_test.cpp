#include "cli/row_output.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "cli/terminal_text.h"

namespace zentavo {
namespace {

const CodePage kUtf8(CodePage::Kind::Utf8);
const CodePage kSingleByte(CodePage::Kind::SingleByte);
const CodePage kShiftJis(CodePage::Kind::ShiftJis);

TEST(TerminalTextTest, EscapesWhatATerminalWouldHideOrMisread) {
    struct Case {
        const CodePage& page;
        std::string text;
        std::string shown;
        size_t columns;
    };
    const Case cases[] = {
        {kUtf8, "plain name.txt", "plain name.txt", 14},
        {kUtf8, "a\\b", "a\\\\b", 4},
        {kUtf8, "t\tn\nr\r", "t\\tn\\nr\\r", 9},
        {kUtf8, std::string("\x00\x1b\x7f", 3), "\\x00\\x1B\\x7F", 12},
        {kUtf8, "bad\xff.txt", "bad\\xFF.txt", 11},
        {kUtf8, "caf\xc3\xa9", "caf\xc3\xa9", 4},
        {kUtf8, "\xe6\x97\xa5\xe6\x9c\xac", "\xe6\x97\xa5\xe6\x9c\xac", 4},
        {kUtf8, "e\xcc\x81", "e\xcc\x81", 1},
        {kUtf8, "\xc0\xaf", "\\xC0\\xAF", 8},                     // overlong "/"
        {kUtf8, "\xed\xa0\x80", "\\xED\\xA0\\x80", 12},           // surrogate
        {kUtf8, "\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80", 16},  // above U+10FFFF
        {kUtf8, "\xe6\x97", "\\xE6\\x97", 8},                     // cut short
        {kSingleByte, "bad\xff\xc3\xa9", "bad\\xFF\xc3\xa9", 8},
        {kShiftJis, "\x95\x5c.txt", "\x95\x5c.txt", 6},  // trail byte 0x5C is no backslash
        {kShiftJis, "\xb1x\x95", "\xb1x\\x95", 6},       // half-width kana, lone lead byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        const ShownText shown = ShowForTerminal(c.text, c.page, PathSyntax::Posix);
        EXPECT_EQ(shown.text, c.shown);
        EXPECT_EQ(shown.columns, c.columns);
    }
    // No Windows name holds a backslash: there it only separates.
    const Case windows_cases[] = {
        {kUtf8, "C:\\Photos\\a.jpg", "C:\\Photos\\a.jpg", 15},
        {kUtf8, "\\\\server\\t\tb", "\\\\server\\t\\tb", 13},
    };
    for (const Case& c : windows_cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        const ShownText shown = ShowForTerminal(c.text, c.page, PathSyntax::Windows);
        EXPECT_EQ(shown.text, c.shown);
        EXPECT_EQ(shown.columns, c.columns);
    }
}

// Rows in every state the output has to tell apart.
RenameList SampleList() {
    RenameList list;
    list.Insert("/t/a.txt");
    list.Insert("/t/b\xff\t.txt");
    list.Insert("/t/c\\d.txt");
    list.Insert("/t/no-name");
    list.SetNewName(0, "001.txt");
    list.SetNewName(1, "x\ny\r.txt");
    list.SetNewName(2, "001.txt");
    list.SetMark(0, RowMark::Renamed);
    list.SetMark(2, RowMark::Failed, EEXIST);
    return list;
}

TEST(RowOutputTest, TsvRowsEscapeOnlyTheFourSeparatorBytes) {
    std::ostringstream out;
    WriteTsvRows(SampleList(), out);
    EXPECT_EQ(out.str(),
              "renamed\t/t/a.txt\t001.txt\n"
              "pending\t/t/b\xff\\t.txt\tx\\ny\\r.txt\n"
              "failed\t/t/c\\\\d.txt\t001.txt\n"
              "pending\t/t/no-name\t\n");

    // Enough rows for several writes: none lost or doubled at their seams.
    RenameList many;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string path = "/t/" + std::to_string(i) + "\tx";
        many.Insert(path);
    }
    for (size_t i = 0; i < many.count(); ++i) {
        many.SetNewName(i, "n\\" + std::to_string(i));
        expected += "pending\t" +
                    std::string(many.path(i)).replace(many.path(i).size() - 2, 1, "\\t") +
                    "\tn\\\\" + std::to_string(i) + "\n";
    }
    std::ostringstream many_out;
    WriteTsvRows(many, many_out);
    EXPECT_EQ(many_out.str(), expected);
}

TEST(RowOutputTest, TableLinesUpColumnsAndGivesFailureReasons) {
    std::ostringstream out;
    WriteTable(SampleList(), kUtf8, out);
    EXPECT_EQ(out.str(), std::string("Mark     Path            New Filename\n"
                                     "renamed  /t/a.txt        001.txt\n"
                                     "pending  /t/b\\xFF\\t.txt  x\\ny\\r.txt\n"
                                     "failed   /t/c\\\\d.txt     001.txt  (") +
                             std::strerror(EEXIST) +
                             ")\n"
                             "pending  /t/no-name\n");

    std::ostringstream empty;
    WriteTable(RenameList(), kUtf8, empty);
    EXPECT_EQ(empty.str(), "");
}

}  // namespace
}  // namespace zentavo
