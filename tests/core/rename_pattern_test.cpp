#include "core/rename_pattern.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace zentavo {
namespace {

using Kind = CodePage::Kind;

struct PatternRow {
    const char* label;
    std::string_view pattern;
    std::string expected;
    std::string_view path = "C:\\a\\b\\README.TXT";
    PathSyntax syntax = PathSyntax::Windows;
    Kind kind = Kind::SingleByte;
    int64_t counter = 7;
    int64_t position = 12;
};

constexpr std::string_view kRome = "C:\\Photos\\Rome\\IMG_0042.JPG";
constexpr std::string_view kPosixRome = "/Photos/Rome/IMG_0042.JPG";

// The counter width as a 32-bit value wraps; these are the patterns' digit
// runs and the widths they stand for.
std::string Zeros(size_t count) {
    return std::string(count, '0');
}
std::string Spaces(size_t count) {
    return std::string(count, ' ');
}

const PatternRow kRows[] = {
    // The row C:\Photos\Rome\IMG_0042.JPG, first of its folder, fifth of the list.
    {"RomeCounterAndExtension", "%3c.%<e", "001.jpg", kRome, PathSyntax::Windows, Kind::SingleByte,
     1, 5},
    {"RomeFolderCounterExtension", "%<1d-%3c.%<e", "rome-001.jpg", kRome, PathSyntax::Windows,
     Kind::SingleByte, 1, 5},
    {"RomeParentPositionTitle", "%>2d_%g_%t.%e", "PHOTOS_5_IMG_0042.JPG", kRome,
     PathSyntax::Windows, Kind::SingleByte, 1, 5},
    {"RomeName", "%n", "IMG_0042.JPG", kRome, PathSyntax::Windows, Kind::SingleByte, 1, 5},
    {"RomePercentPair", "100%% %t", "100% IMG_0042", kRome, PathSyntax::Windows, Kind::SingleByte,
     1, 5},
    {"RomeUnknownCode", "%x%t", "IMG_0042", kRome, PathSyntax::Windows, Kind::SingleByte, 1, 5},
    {"PosixRomeCounterAndExtension", "%3c.%<e", "001.jpg", kPosixRome, PathSyntax::Posix,
     Kind::Utf8, 1, 5},
    {"PosixRomeFolderCounterExtension", "%<1d-%3c.%<e", "rome-001.jpg", kPosixRome,
     PathSyntax::Posix, Kind::Utf8, 1, 5},
    {"PosixRomeParentPositionTitle", "%>2d_%g_%t.%e", "PHOTOS_5_IMG_0042.JPG", kPosixRome,
     PathSyntax::Posix, Kind::Utf8, 1, 5},
    {"PosixRomeName", "%n", "IMG_0042.JPG", kPosixRome, PathSyntax::Posix, Kind::Utf8, 1, 5},
    {"PosixRomePercentPair", "100%% %t", "100% IMG_0042", kPosixRome, PathSyntax::Posix, Kind::Utf8,
     1, 5},
    {"PosixRomeUnknownCode", "%x%t", "IMG_0042", kPosixRome, PathSyntax::Posix, Kind::Utf8, 1, 5},

    {"Empty", "", ""},
    {"LiteralOnly", "plain name.txt", "plain name.txt"},
    {"LiteralWhiteSpaceKept", " %n\t", " README.TXT\t"},
    {"LiteralBackslash", "%2d\\%n", "a\\README.TXT"},
    {"LiteralHighBytes", "\xE9\xC3\xA9%t", "\xE9\xC3\xA9README"},
    {"PercentPairs", "%%%%", "%%"},
    {"PercentPairThenLetter", "%%c", "%c"},
    {"OddPercents", "%%%", "%"},
    {"LowerPercentIsNothing", "%<%", ""},
    {"WidthPercentIsNothing", "%5%", ""},
    {"PercentAsLetterThenLiteral", "%5%%t", "README"},
    {"EndsAfterPercent", "abc%", "abc"},
    {"EndsAfterCase", "abc%<", "abc"},
    {"EndsAfterDigits", "abc%12", "abc"},
    {"EndsAfterCaseAndDigits", "abc%>12", "abc"},
    {"OnlyPercent", "%", ""},
    {"FolderZero", "%0d", ""},
    {"FolderBeyondTheChain", "%9d", ""},
    {"FolderJustBeyondTheChain", "%3d", ""},
    {"FolderParent", "%2d", "a"},
    {"FolderOwn", "%1d", "b"},
    {"FolderDefault", "%d", "b"},
    {"FolderNegative", "%4294967295d", ""},
    {"FolderWrapsToOne", "%4294967297d", "b"},
    {"FolderOfRootFile", "%d", "", "C:\\f.txt"},
    {"FolderOfPosixRootFile", "%d", "", "/f.txt", PathSyntax::Posix},
    {"FolderWithoutSeparator", "%d", ".", "f.txt"},
    {"TitleLower", "%<t", "readme"},
    {"ExtensionUpper", "%>e", "JPG", "C:\\x.jpg"},
    {"NameIgnoresWidth", "%2n", "README.TXT"},
    {"ExtensionIgnoresWidth", "%99e", "TXT"},
    {"TitleIgnoresWidth", "%<5t", "readme"},
    {"NoExtension", "[%e]", "[]", "C:\\a\\noext"},
    {"EmptyPieceSkipsCase", "%>e%<t", "noext", "C:\\a\\NoExt"},
    {"UpperLetterIsUnknown", "%C%E%T%N%D%G", ""},
    {"UnknownLetterTakesItsModifiers", "a%<9zb", "ab"},
    {"SecondCaseCharIsTheLetter", "%<<t", "t"},
    {"MinusIsTheLetter", "%-3c", "3c"},
    {"SpaceIsTheLetter", "% c", "c"},
    {"CounterPadded", "%3c", "007"},
    {"CounterDefaultWidth", "%c", "7"},
    {"CounterWidthZero", "%0c", "7"},
    {"CounterLeadingZerosInWidth", "%003c", "007"},
    {"CounterNotCut", "%1c", "12", "C:\\a\\b\\README.TXT", PathSyntax::Windows, Kind::SingleByte,
     12},
    {"CounterWiderThanWidth", "%3c", "1234", "C:\\a\\b\\README.TXT", PathSyntax::Windows,
     Kind::SingleByte, 1234},
    {"CounterUpperCaseNoEffect", "%>3c", "007"},
    {"PositionDefault", "%g", "12"},
    {"PositionPadded", "%4g", "0012"},
    {"CounterWidthCapped", "%256c", Zeros(254) + "7"},
    {"CounterWidthAtCap", "%255c", Zeros(254) + "7"},
    {"CounterWidthWrapsAround", "%4294967299c", "007"},
    {"CounterWidthWrapsNegative", "%4294967293c", "7  "},
    {"CounterWidthMinusOne", "%4294967295c", "7"},
    {"CounterNegativeWidthCapped", "%4294967040c", "7" + Spaces(254)},
    {"CounterMostNegativeWidth", "%2147483648c", "7" + Spaces(254)},
    {"CounterLargestWidth", "%2147483647c", Zeros(254) + "7"},
    // 10^20 - 1 is 0x56BC75E2D630FFFFF; its low 32 bits, 0x630FFFFF, read as
    // a positive width beyond the cap.
    {"CounterTwentyNines", "%99999999999999999999c", Zeros(254) + "7"},
    // 10^10 is 0x2540BE400; its low 32 bits 0x540BE400 are again positive.
    {"CounterTenBillion", "%10000000000c", Zeros(254) + "7"},
    // 3 * 10^9 is 0xB2D05E00, negative as 32 bits.
    {"CounterThreeBillion", "%3000000000c", "7" + Spaces(254)},
    {"PositionNegativeWidth", "%4294967292g", "12  "},

    {"Utf8CaseChangesAsciiOnly", "%<n|%>n", "\xC3\x89t\xC3\xA9.jpg|\xC3\x89T\xC3\xA9.JPG",
     "/Fotos/\xC3\x89t\xC3\xA9.JPG", PathSyntax::Posix, Kind::Utf8},
    {"Utf8LetterPlaceTakesTheWholeCharacter", "%\xC3\xA9x", "x", "/f", PathSyntax::Posix,
     Kind::Utf8},
    {"Utf8MalformedLetterPlace", "%\xC3x", "x", "/f", PathSyntax::Posix, Kind::Utf8},
    {"Utf8FolderLower", "%<d", "caf\xC3\x89", "/CAF\xC3\x89/f", PathSyntax::Posix, Kind::Utf8},
    {"SjisLetterPlaceTakesTheWholeCharacter", "%\x82\x63x", "x", "C:\\f", PathSyntax::Windows,
     Kind::ShiftJis},
    {"SingleByteLetterPlaceTakesOneByte", "%\x82\x63x", "cx", "C:\\f", PathSyntax::Windows,
     Kind::SingleByte},
    {"SjisLiteralWithLetterTrail", "\x82\x63%c",
     "\x82\x63"
     "7",
     "C:\\f", PathSyntax::Windows, Kind::ShiftJis},
    {"SjisTrailIsNotUpperCased", "%>t",
     "\x82\x61"
     "B",
     "C:\\x\\\x82\x61"
     "b.txt",
     PathSyntax::Windows, Kind::ShiftJis},
    {"SjisFolderEndingInBackslashByte", "%<2d-%d",
     "\x95\x5C"
     "-\x83\x5C",
     "C:\\\x95\x5C\\\x83\x5C\\f", PathSyntax::Windows, Kind::ShiftJis},
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const PatternRow& row, std::ostream* out) {
    *out << row.label;
}

class PatternTable : public testing::TestWithParam<PatternRow> {};

TEST_P(PatternTable, ApplyPatternGivesTheName) {
    const PatternRow& row = GetParam();
    const CodePage page(row.kind);
    const CPathParts parts(row.path, row.syntax, page);
    EXPECT_EQ(ApplyPattern(row.pattern, parts, row.counter, row.position, page), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternTable, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<PatternRow>& info) {
                             return std::string(info.param.label);
                         });

// Doubling every "%" of any text makes a pattern that gives the text back.
TEST(ApplyPattern, EscapedTextComesBackUnchanged) {
    const std::string_view texts[] = {
        "%", "%%", "100%", "%c%g%e%t%n%d", "%<", "%>9", "a%b%", "\x95%\x82\x63", ""};
    const CPathParts parts("C:\\a\\b.c", PathSyntax::Windows, CodePage());
    for (Kind kind : {Kind::SingleByte, Kind::Utf8, Kind::ShiftJis}) {
        for (std::string_view text : texts) {
            std::string escaped;
            for (char c : text) escaped += c == '%' ? std::string("%%") : std::string(1, c);
            EXPECT_EQ(ApplyPattern(escaped, parts, 3, 4, CodePage(kind)), text) << escaped;
        }
    }
}

}  // namespace
}  // namespace zentavo
