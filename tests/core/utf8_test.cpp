#include "core/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zentavo {
namespace {

struct SpellingCase {
    const char* label;
    std::string_view wtf8;
    std::u16string_view utf16;
};

TEST(Wtf8, ConvertsEveryWindowsNameBothWaysUnchanged) {
    const SpellingCase cases[] = {
        {"empty", "", u""},
        {"ascii", "a.txt", u"a.txt"},
        {"e acute", "caf\xC3\xA9", u"caf\u00E9"},
        {"japanese", "\xE6\x97\xA5\xE6\x9C\xAC", u"\u65E5\u672C"},
        {"U+1F600 as a pair", "\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
        {"highest character", "\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
        {"last before surrogates", "\xED\x9F\xBF", u"\xD7FF"},
        {"first after surrogates", "\xEE\x80\x80", u"\xE000"},
        {"lone high surrogate at the end", "a\xED\xA0\x80", u"a\xD800"},
        {"lone high surrogate before a letter", "\xED\xAF\xBF" "b", u"\xDBFF" u"b"},
        {"lone low surrogate", "\xED\xB0\x80", u"\xDC00"},
        {"low then high is no pair", "\xED\xBF\xBF\xED\xA0\x80", u"\xDFFF\xD800"},
        {"lone high before a pair", "\xED\xA0\x80\xF0\x9F\x98\x80", u"\xD800\xD83D\xDE00"},
        {"pair before a lone low", "\xF0\x9F\x98\x80\xED\xB0\x80", u"\xD83D\xDE00\xDC00"},
    };
    for (const SpellingCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Utf16ToWtf8(c.utf16), c.wtf8);
        const auto utf16 = Wtf8ToUtf16(c.wtf8);
        ASSERT_TRUE(utf16.has_value());
        EXPECT_EQ(*utf16, c.utf16);
        EXPECT_EQ(Utf16Length(c.wtf8), c.utf16.size());
    }
}

TEST(Wtf8, RefusesBytesThatAreNotWtf8) {
    const std::pair<const char*, std::string_view> cases[] = {
        {"FF", "\xFF"},
        {"lone continuation byte", "a\x80"},
        {"cut short at the end", "\xE6\x97\xA5\xE6\x9C"},
        {"lead then ascii", "\xC3/"},
        {"overlong slash", "\xC0\xAF"},
        {"overlong three bytes", "\xE0\x80\xAF"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
        {"a pair spelled as two surrogates", "\xED\xA0\xBD\xED\xB8\x80"},
        {"such a pair after a name", "x\xED\xAF\xBF\xED\xBF\xBF"},
    };
    for (const auto& [label, wtf8] : cases) {
        SCOPED_TRACE(label);
        EXPECT_FALSE(Wtf8ToUtf16(wtf8).has_value());
    }
}

// Every sequence of three code units drawn from the edges of the surrogate
// ranges: pairs, lone ones and their neighbours in every order.
TEST(Wtf8, EveryShortRunOfSurrogatesAndNeighboursComesBack) {
    const char16_t edges[] = {u'A', 0xD7FF, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xE000};
    for (const char16_t a : edges) {
        for (const char16_t b : edges) {
            for (const char16_t c : edges) {
                const std::u16string name{a, b, c};
                SCOPED_TRACE(testing::PrintToString(name));
                const auto back = Wtf8ToUtf16(Utf16ToWtf8(name));
                ASSERT_TRUE(back.has_value());
                EXPECT_EQ(*back, name);
            }
        }
    }
}

}  // namespace
}  // namespace zentavo
