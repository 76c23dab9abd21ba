#include "cli/console_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentavo {
namespace {

struct ConsoleTextCase {
    const char* label;
    std::vector<std::string> writes;
    std::u16string shown;
    std::string left;
};

TEST(ConsoleText, ShowsWhatWasWrittenWholeCharactersAtATime) {
    const ConsoleTextCase cases[] = {
        {"ascii", {"a\tb\n"}, u"a\tb\n", ""},
        {"e acute whole", {"caf\xC3\xA9"}, u"caf\u00E9", ""},
        {"e acute cut", {"caf\xC3", "\xA9!"}, u"caf\u00E9!", ""},
        {"kanji cut twice", {"\xE6", "\x97", "\xA5\xE6\x9C\xAC"}, u"\u65E5\u672C", ""},
        {"beyond the basic plane", {"\xF0\x9F\x98", "\x80"}, u"\U0001F600", ""},
        {"cut at the end stays", {"x\xE6\x97"}, u"x", "\xE6\x97"},
        {"lone surrogate", {"a\xED\xA0\x80z"}, u"a\uFFFD\uFFFD\uFFFDz", ""},
        {"stray continuation", {"\x80z"}, u"\uFFFDz", ""},
        {"lead without its continuation", {"\xC3z"}, u"\uFFFDz", ""},
        {"latin-1 bytes, the last one perhaps a lead", {"\xE9t\xE9"}, u"\uFFFDt", "\xE9"},
    };
    for (const ConsoleTextCase& c : cases) {
        SCOPED_TRACE(c.label);
        std::string pending;
        std::u16string shown;
        for (const std::string& write : c.writes) shown += TakeConsoleUtf16(pending, write);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(pending, c.left);
    }
}

}  // namespace
}  // namespace zentavo
