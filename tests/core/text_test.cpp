#include "core/text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zentavo {
namespace {

using namespace std::string_view_literals;

struct TrimCase {
    std::string_view input;
    std::string_view trimmed;
};

TEST(Trim, RemovesOnlyTheSixCWhiteSpaceCharactersAtEitherEnd) {
    const TrimCase cases[] = {
        {"", ""},
        {" \t\n\v\f\r", ""},
        {" \t\n\v\f\rname \t\n\v\f\r", "name"},
        {"a b\tc", "a b\tc"},
        // Bytes that some locales call white space stay: no-break space in
        // Latin-1, NEL, the UTF-8 no-break space, and the control characters
        // around the six.
        {"\xA0name\xA0", "\xA0name\xA0"},
        {"\x85name", "\x85name"},
        {"\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"},
        {"\x1Fx\x0E", "\x1Fx\x0E"},
        {"\bx\x7F", "\bx\x7F"},
        {"\0x\0"sv, "\0x\0"sv},
        {"  \0  "sv, "\0"sv},
    };
    for (const TrimCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.input)));
        EXPECT_EQ(TrimView(c.input), c.trimmed);
        std::string in_place(c.input);
        TrimInPlace(in_place);
        EXPECT_EQ(in_place, c.trimmed);
    }
}

struct CompareCase {
    std::string_view a;
    std::string_view b;
    int sign;
};

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(CompareIgnoreAsciiCase, FoldsOnlyAsciiLettersAndComparesBytesUnsigned) {
    const CompareCase cases[] = {
        {"", "", 0},
        {"abc", "ABC", 0},
        {"C:\\Photos\\IMG.JPG", "c:\\photos\\img.jpg", 0},
        {"a", "B", -1},
        {"B", "a", 1},
        {"ab", "abc", -1},
        {"ABC", "ab", 1},
        {"x", "", 1},
        // Beyond ASCII nothing folds: Latin-1 and UTF-8 capitals differ.
        {"\xC9", "\xE9", -1},
        {"\xC3\x89", "\xC3\xA9", -1},
        // High bytes sort after every ASCII byte.
        {"\x80", "z", 1},
        {"Z", "\xFF", -1},
        // Only A-Z and a-z fold: the bytes between them do not.
        {"[", "{", -1},
        {"@", "`", -1},
        // A long identical prefix, then the difference.
        {"/home/user/pictures/2024/holiday/IMG_0001.JPG",
         "/home/user/pictures/2024/holiday/img_0002.jpg", -1},
        {"/home/user/pictures/2024/holiday/img_0001.jpg",
         "/HOME/USER/PICTURES/2024/HOLIDAY/IMG_0001.JPG", 0},
        // Two differences in one word: the first decides.
        {"/photos/Xbcdefghijk", "/photos/Ybcdeaghijk", -1},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.a)) + " vs " +
                     testing::PrintToString(std::string(c.b)));
        EXPECT_EQ(Sign(CompareIgnoreAsciiCase(c.a, c.b)), c.sign);
        EXPECT_EQ(Sign(CompareIgnoreAsciiCase(c.b, c.a)), -c.sign);
        EXPECT_EQ(EqualsIgnoreAsciiCase(c.a, c.b), c.sign == 0);
    }
}

// Folding must give a consistent order: a letter compares with every other
// byte the same way whatever its case, or sorting by this comparison would
// not keep paths that differ only in case next to each other.
TEST(CompareIgnoreAsciiCase, LetterCaseNeverChangesTheOrderAgainstOtherBytes) {
    for (int letter = 'a'; letter <= 'z'; ++letter) {
        const std::string lower(1, char(letter));
        const std::string upper(1, char(letter - 'a' + 'A'));
        for (int byte = 0; byte < 256; ++byte) {
            const std::string other(1, char(byte));
            EXPECT_EQ(Sign(CompareIgnoreAsciiCase(lower, other)),
                      Sign(CompareIgnoreAsciiCase(upper, other)))
                << "letter " << lower << " byte " << byte;
        }
    }
}

// Long texts are compared several bytes at a time: every pair of bytes must
// still order as its folded values do, wherever in a word it stands, and
// letter case elsewhere must not matter.
TEST(CompareIgnoreAsciiCase, EveryBytePairOrdersAsItsFoldedValuesAtAnyPosition) {
    auto folded = [](int byte) { return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte; };
    const std::string lower = "abcdefghijklmnopq";
    const std::string upper = "ABCDEFGHIJKLMNOPQ";
    for (size_t position : {0, 3, 7, 8, 12, 15, 16}) {
        for (int x = 0; x < 256; ++x) {
            for (int y = 0; y < 256; ++y) {
                std::string a = lower;
                std::string b = upper;
                a[position] = char(x);
                b[position] = char(y);
                const int expected = Sign(folded(x) - folded(y));
                if (Sign(CompareIgnoreAsciiCase(a, b)) != expected) {
                    ADD_FAILURE() << "position " << position << " bytes " << x << ", " << y;
                    return;
                }
            }
        }
    }
}

TEST(CharacterClasses, FollowTheCLocaleWhateverTheByte) {
    int spaces = 0;
    int digits = 0;
    int changed_by_lower = 0;
    int changed_by_upper = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        spaces += IsCSpace(c);
        digits += IsAsciiDigit(c);
        changed_by_lower += AsciiLower(c) != c;
        changed_by_upper += AsciiUpper(c) != c;
    }
    EXPECT_EQ(spaces, 6);
    EXPECT_EQ(digits, 10);
    EXPECT_EQ(changed_by_lower, 26);
    EXPECT_EQ(changed_by_upper, 26);
    EXPECT_EQ(AsciiLower('Q'), 'q');
    EXPECT_EQ(AsciiUpper('q'), 'Q');
    EXPECT_EQ(AsciiLower('\xC9'), '\xC9');
}

}  // namespace
}  // namespace zentavo
