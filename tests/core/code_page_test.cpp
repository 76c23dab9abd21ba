#include "core/code_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {
namespace {

using Kind = CodePage::Kind;
using namespace std::string_view_literals;
constexpr size_t npos = std::string_view::npos;

struct CodesetCase {
    const char* codeset;
    Kind kind;
};

TEST(CodePage, FromCodesetRecognisesTheNamesThatLocalesReport) {
    const CodesetCase cases[] = {
        {"UTF-8", Kind::Utf8},
        {"utf8", Kind::Utf8},
        {"SHIFT_JIS", Kind::ShiftJis},
        {"SJIS", Kind::ShiftJis},
        {"CP932", Kind::ShiftJis},
        {"WINDOWS-31J", Kind::ShiftJis},
        {"GBK", Kind::Gbk},
        {"GB2312", Kind::Gbk},
        {"GB18030", Kind::Gbk},
        {"EUC-CN", Kind::Gbk},
        {"CP936", Kind::Gbk},
        {"BIG5", Kind::Big5},
        {"BIG5-HKSCS", Kind::Big5},
        {"CP950", Kind::Big5},
        {"EUC-KR", Kind::Uhc},
        {"CP949", Kind::Uhc},
        {"UHC", Kind::Uhc},
        {"ANSI_X3.4-1968", Kind::SingleByte},
        {"ISO-8859-1", Kind::SingleByte},
        {"ISO-8859-15", Kind::SingleByte},
        {"KOI8-R", Kind::SingleByte},
        {"", Kind::SingleByte},
    };
    for (const CodesetCase& c : cases) {
        SCOPED_TRACE(c.codeset);
        EXPECT_EQ(CodePage::FromCodeset(c.codeset).kind(), c.kind);
    }
}

TEST(CodePage, OnlyTheDoubleBytePagesHaveLeadBytes) {
    for (Kind kind :
         {Kind::SingleByte, Kind::Utf8, Kind::ShiftJis, Kind::Gbk, Kind::Big5, Kind::Uhc}) {
        const CodePage page(kind);
        int leads = 0;
        for (int byte = 0; byte < 256; ++byte) {
            leads += page.IsLeadByte(static_cast<unsigned char>(byte));
            // Every byte with a meaning to paths and patterns is ASCII and
            // below 0x80, so it can never start a double-byte character.
            if (byte < 0x80) {
                EXPECT_FALSE(page.IsLeadByte(static_cast<unsigned char>(byte)));
            }
            // None of the bytes that trimming, patterns and extensions look
            // for can be a trail byte.
            if (byte < 0x40) {
                EXPECT_FALSE(page.IsTrailByte(static_cast<unsigned char>(byte)));
            }
        }
        EXPECT_EQ(page.IsDoubleByte(), leads > 0) << int(kind);
    }
}

struct ByteRangeCase {
    Kind kind;
    unsigned char byte;
    bool lead;
    bool trail;
};

TEST(CodePage, LeadAndTrailRangesHaveTheirExactBounds) {
    const ByteRangeCase cases[] = {
        {Kind::ShiftJis, 0x40, false, true}, {Kind::ShiftJis, 0x5C, false, true},
        {Kind::ShiftJis, 0x7E, false, true}, {Kind::ShiftJis, 0x7F, false, false},
        {Kind::ShiftJis, 0x80, false, true}, {Kind::ShiftJis, 0x81, true, true},
        {Kind::ShiftJis, 0x9F, true, true},  {Kind::ShiftJis, 0xA0, false, true},
        {Kind::ShiftJis, 0xDF, false, true}, {Kind::ShiftJis, 0xE0, true, true},
        {Kind::ShiftJis, 0xFC, true, true},  {Kind::ShiftJis, 0xFD, false, false},
        {Kind::Gbk, 0x3F, false, false},     {Kind::Gbk, 0x40, false, true},
        {Kind::Gbk, 0x7F, false, false},     {Kind::Gbk, 0x80, false, true},
        {Kind::Gbk, 0x81, true, true},       {Kind::Gbk, 0xFE, true, true},
        {Kind::Gbk, 0xFF, false, false},     {Kind::Big5, 0x5C, false, true},
        {Kind::Big5, 0x7E, false, true},     {Kind::Big5, 0x80, false, false},
        {Kind::Big5, 0x81, true, false},     {Kind::Big5, 0xA0, true, false},
        {Kind::Big5, 0xA1, true, true},      {Kind::Big5, 0xFE, true, true},
        {Kind::Big5, 0xFF, false, false},    {Kind::Uhc, 0x40, false, false},
        {Kind::Uhc, 0x41, false, true},      {Kind::Uhc, 0x5A, false, true},
        {Kind::Uhc, 0x5B, false, false},     {Kind::Uhc, 0x5C, false, false},
        {Kind::Uhc, 0x60, false, false},     {Kind::Uhc, 0x61, false, true},
        {Kind::Uhc, 0x7A, false, true},      {Kind::Uhc, 0x7B, false, false},
        {Kind::Uhc, 0x80, false, false},     {Kind::Uhc, 0x81, true, true},
        {Kind::Uhc, 0xFE, true, true},       {Kind::Uhc, 0xFF, false, false},
    };
    for (const ByteRangeCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << int(c.kind) << " byte 0x" << std::hex << int(c.byte));
        const CodePage page(c.kind);
        EXPECT_EQ(page.IsLeadByte(c.byte), c.lead);
        EXPECT_EQ(page.IsTrailByte(c.byte), c.trail);
    }
}

struct LengthCase {
    const char* label;
    Kind kind;
    std::string_view text;
    size_t pos;
    size_t length;
};

TEST(CodePage, CharLengthTakesWholeCharactersAndNeverReadsPastTheText) {
    const LengthCase cases[] = {
        {"ascii", Kind::Utf8, "a", 0, 1},
        {"two bytes", Kind::Utf8, "\xC3\xA9", 0, 2},
        {"three bytes", Kind::Utf8, "\xE2\x82\xAC", 0, 3},
        {"four bytes", Kind::Utf8, "\xF0\x9F\x98\x80", 0, 4},
        {"highest scalar", Kind::Utf8, "\xF4\x8F\xBF\xBF", 0, 4},
        {"after ascii", Kind::Utf8, "x\xC3\xA9", 1, 2},
        {"cut short", Kind::Utf8, "\xE2\x82", 0, 1},
        {"cut by the view", Kind::Utf8, "\xC3\xA9"sv.substr(0, 1), 0, 1},
        {"lone continuation", Kind::Utf8, "\x80\x80", 0, 1},
        {"lead then ascii", Kind::Utf8, "\xC3/", 0, 1},
        {"overlong two", Kind::Utf8, "\xC0\xAF", 0, 1},
        {"overlong two C1", Kind::Utf8, "\xC1\xBF", 0, 1},
        {"overlong three", Kind::Utf8, "\xE0\x80\xAF", 0, 1},
        {"overlong four", Kind::Utf8, "\xF0\x8F\xBF\xBF", 0, 1},
        {"surrogate", Kind::Utf8, "\xED\xA0\x80", 0, 1},
        {"beyond U+10FFFF", Kind::Utf8, "\xF4\x90\x80\x80", 0, 1},
        {"F5 lead", Kind::Utf8, "\xF5\x80\x80\x80", 0, 1},
        {"FF", Kind::Utf8, "\xFF", 0, 1},
        {"sjis kanji ending in backslash", Kind::ShiftJis, "\x95\x5C", 0, 2},
        {"sjis lead at the end", Kind::ShiftJis, "a\x95", 1, 1},
        {"sjis lead cut by the view", Kind::ShiftJis, "\x95\x5C"sv.substr(0, 1), 0, 1},
        {"sjis lead then space", Kind::ShiftJis, "\x95 ", 0, 1},
        {"sjis lead then dot", Kind::ShiftJis, "\x95.", 0, 1},
        {"sjis half-width katakana", Kind::ShiftJis, "\xB1\x5C", 0, 1},
        {"uhc lead then backslash", Kind::Uhc, "\xB0\x5C", 0, 1},
        {"uhc hangul", Kind::Uhc, "\xB0\xA1", 0, 2},
        {"big5 kanji ending in backslash", Kind::Big5, "\xA4\x5C", 0, 2},
        {"big5 lead then 0x80", Kind::Big5, "\xA4\x80", 0, 1},
        {"gbk kanji ending in backslash", Kind::Gbk, "\x81\x5C", 0, 2},
        {"single byte", Kind::SingleByte, "\x95\x5C", 0, 1},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CodePage(c.kind).CharLength(c.text, c.pos), c.length);
    }
}

struct FindCase {
    const char* label;
    Kind kind;
    std::string_view text;
    char c;
    size_t first;
    size_t last;
};

TEST(CodePage, SearchesSkipTrailBytesOnDoubleBytePagesOnly) {
    const FindCase cases[] = {
        {"sjis kanji 0x95 0x5C is no backslash", Kind::ShiftJis, "\x95\x5C", '\\', npos, npos},
        {"the same bytes on a single-byte page", Kind::SingleByte, "\x95\x5C", '\\', 1, 1},
        {"sjis around a kanji", Kind::ShiftJis, "a\\\x95\x5C\\b", '\\', 1, 4},
        {"sjis kanji last", Kind::ShiftJis, "C:\\dir\\\x83\x5C", '\\', 2, 6},
        {"sjis pairs stay aligned", Kind::ShiftJis, "\x81\x81\x81\x5C", '\\', npos, npos},
        {"sjis pairs stay aligned, then a separator", Kind::ShiftJis, "\x81\x81\x81\x81\\", '\\', 4,
         4},
        {"sjis lead at the end", Kind::ShiftJis, "\\a\x95", '\\', 0, 0},
        {"sjis lead then a slash", Kind::ShiftJis, "/a\x95/b", '/', 0, 3},
        {"sjis lead then a dot", Kind::ShiftJis, "a\x95.txt", '.', 2, 2},
        {"sjis half-width katakana then backslash", Kind::ShiftJis, "\xB1\\", '\\', 1, 1},
        {"gbk", Kind::Gbk, "\\\xD5\x5C\\", '\\', 0, 3},
        {"big5 0xA4 0x5C", Kind::Big5, "\xA4\x5C\\x", '\\', 2, 2},
        {"big5 lead then a non-trail", Kind::Big5, "\xA4\x80\\", '\\', 2, 2},
        {"uhc 0x5C is never a trail", Kind::Uhc, "\xB0\x5C", '\\', 1, 1},
        {"utf8 searches bytes", Kind::Utf8, "\xC3\xA9\\\xE2\x82\xAC\\", '\\', 2, 6},
        {"utf8 malformed", Kind::Utf8, "\xC3\\\xE2\\", '\\', 1, 3},
        {"absent", Kind::ShiftJis, "abc", '.', npos, npos},
        {"empty", Kind::ShiftJis, "", '.', npos, npos},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.label);
        const CodePage page(c.kind);
        EXPECT_EQ(page.Find(c.text, c.c), c.first);
        EXPECT_EQ(page.FindLast(c.text, c.c), c.last);
    }
}

TEST(CodePage, FindStartsAtTheGivenCharacter) {
    const CodePage sjis(Kind::ShiftJis);
    EXPECT_EQ(sjis.Find("\\a\\\x95\x5C\\", '\\', 1), 2u);
    EXPECT_EQ(sjis.Find("\\a\\\x95\x5C\\", '\\', 3), 5u);
    EXPECT_EQ(sjis.Find("\\a", '\\', 2), npos);
}

struct CaseCase {
    const char* label;
    Kind kind;
    std::string_view text;
    std::string_view lower;
    std::string_view upper;
};

// Run in the C locale (the tests never set another for these): double-byte
// characters then have no mapping, so only what the code page itself decides
// shows.
TEST(CodePage, CaseConversionChangesAsciiLettersOnly) {
    const CaseCase cases[] = {
        {"ascii", Kind::SingleByte, "Img_0042.Jpg", "img_0042.jpg", "IMG_0042.JPG"},
        {"latin-1 stays", Kind::SingleByte, "\xC9t\xE9", "\xC9t\xE9", "\xC9T\xE9"},
        {"utf8 stays beyond ascii", Kind::Utf8, "\xC3\x89t\xC3\xA9.JPG", "\xC3\x89t\xC3\xA9.jpg",
         "\xC3\x89T\xC3\xA9.JPG"},
        {"utf8 malformed lead before a letter", Kind::Utf8,
         "\xC3"
         "A\xC3"
         "b",
         "\xC3"
         "a\xC3"
         "b",
         "\xC3"
         "A\xC3"
         "B"},
        {"sjis trail byte that looks like a letter", Kind::ShiftJis, "x\x82\x61y\x82\x41",
         "x\x82\x61y\x82\x41", "X\x82\x61Y\x82\x41"},
        {"sjis lead at the end", Kind::ShiftJis, "Ab\x82", "ab\x82", "AB\x82"},
        {"sjis lead then a non-trail", Kind::ShiftJis, "\x82 a", "\x82 a", "\x82 A"},
        {"uhc letters are trail bytes", Kind::Uhc,
         "\xB0"
         "a\xB0"
         "A",
         "\xB0"
         "a\xB0"
         "A",
         "\xB0"
         "a\xB0"
         "A"},
        {"uhc lead then backslash", Kind::Uhc, "\xB0\\a", "\xB0\\a", "\xB0\\A"},
        {"empty", Kind::Gbk, "", "", ""},
    };
    for (const CaseCase& c : cases) {
        SCOPED_TRACE(c.label);
        const CodePage page(c.kind);
        EXPECT_EQ(page.ToLower(c.text), c.lower);
        EXPECT_EQ(page.ToUpper(c.text), c.upper);
    }
}

// Maps the full-width letters a and A of Shift_JIS into each other and notes
// every character it is asked about.
class FullWidthCaseMap : public DoubleByteCaseMap {
public:
    void Convert(std::span<char, 2> character, bool upper) const override {
        asked.emplace_back(character.data(), 2);
        const std::string_view from = upper ? "\x82\x81" : "\x82\x60";
        const std::string_view to = upper ? "\x82\x60" : "\x82\x81";
        if (std::string_view(character.data(), 2) == from)
            std::copy(to.begin(), to.end(), character.begin());
    }
    mutable std::vector<std::string> asked;
};

struct MappedCase {
    const char* label;
    Kind kind;
    std::string_view text;
    std::string_view upper;
    std::vector<std::string> asked;  // the characters the map is given
};

// The map sees whole double-byte characters only, and what it gives replaces
// them; pages without double-byte characters never ask it. Without a map the
// characters stay (CaseConversionChangesAsciiLettersOnly).
TEST(CodePage, DoubleByteCharactersGoThroughTheCaseMap) {
    const MappedCase cases[] = {
        {"letter", Kind::ShiftJis, "x\x82\x81.jpg", "X\x82\x60.JPG", {"\x82\x81"}},
        {"two characters",
         Kind::ShiftJis,
         "\x82\x81\x95\x5C",
         "\x82\x60\x95\x5C",
         {"\x82\x81", "\x95\x5C"}},
        {"lead byte at the end", Kind::ShiftJis, "a\x82", "A\x82", {}},
        {"utf8",
         Kind::Utf8,
         "\xC3\xA9"
         "a",
         "\xC3\xA9"
         "A",
         {}},
        {"single byte", Kind::SingleByte, "\x82\x81", "\x82\x81", {}},
    };
    for (const MappedCase& c : cases) {
        SCOPED_TRACE(c.label);
        const FullWidthCaseMap map;
        const CodePage page(c.kind, &map);
        EXPECT_EQ(page.ToUpper(c.text), c.upper);
        EXPECT_EQ(map.asked, c.asked);
        EXPECT_EQ(page.ToLower(c.upper), c.text);
    }
}

}  // namespace
}  // namespace zentavo
