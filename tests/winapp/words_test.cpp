// The Windows window's English: a counting text in its singular or plural
// form, its places filled, a path as Windows spells it.
#include <gtest/gtest.h>

#include <string>

#include "winapp/english_text.h"
#include "winapp/message_words.h"

namespace zentavo {
namespace {

TEST(Words, CountingTextsTakeTheirEnglishForm) {
    const struct {
        Message message;
        const wchar_t* says;
    } cases[] = {
        {Message(TextId::FinishedSummary, {}, 1), L"1 file was renamed successfully."},
        {Message(TextId::FinishedSummary, {}, 1234), L"1,234 files were renamed successfully."},
        {Message(TextId::FirstFailures, {}, 1), L"The first failure:"},
        {Message(TextId::UndoEntry, {}, 1), L"&Undo Rename of 1 File"},
        {Message(TextId::UndoEntry, {}, 3), L"&Undo Rename of 3 Files"},
        {Message(TextId::Renaming, {Value::Count(2)}, 5), L"Renaming: 2 of 5 files renamed"},
        {Message(TextId::NotRenamed, {Value::Words(Message(TextId::FileGone))}),
         L"Not renamed: The file is no longer there"},
        // A value that holds a place of its own stays as it is.
        {Message(TextId::NewPath, {Value::Bytes("C:\\%1\\\xc3\xa9\xe6\x97\xa5.txt")}),
         L"New path: C:\\%1\\\u00e9\u65e5.txt"},
        {Message(TextId::Cycle, {Value::Chain({"a", "b"}, true)}),
         L"These renames form a cycle, which cannot complete without replacing a file: a \u2192 "
         L"b \u2192 \u2026"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(SourceText(c.message.id));
        EXPECT_EQ(Words(c.message), c.says);
    }
}

// Every text that counts has both English forms: none shows "(s)".
TEST(Words, NoCountingTextShowsBothForms) {
    int counting = 0;
    for (int id = 0; id <= int(TextId::HelpTopicMissing); ++id) {
        const std::string source = SourceText(TextId(id));
        if (source.find("%Ln") == std::string::npos) {
            EXPECT_EQ(EnglishText(TextId(id), 1), source);
            continue;
        }
        ++counting;
        for (int count : {1, 2}) {
            SCOPED_TRACE(source + " with " + std::to_string(count));
            EXPECT_EQ(std::string(EnglishText(TextId(id), count)).find("(s)"), std::string::npos);
        }
    }
    EXPECT_GE(counting, 20);
}

}  // namespace
}  // namespace zentavo
