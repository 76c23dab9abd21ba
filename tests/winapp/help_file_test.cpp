// The help file's place and the URL of a topic, and the request made for a
// file on disk, with the browser replaced by a recorder.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "winapp/help_file.h"
#include "winapp/wide_text.h"

namespace zentavo {
namespace {

struct UrlCase {
    const wchar_t* help_file;
    unsigned long context;
    const wchar_t* url;
};

class HelpTopicUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(HelpTopicUrlTest, SpellsThePathAsAUrlWithTheContextsAnchor) {
    EXPECT_EQ(HelpTopicUrl(GetParam().help_file, GetParam().context), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, HelpTopicUrlTest,
    testing::Values(
        UrlCase{L"C:\\Tools\\zentavo.HLP", 131174, L"file:///C:/Tools/zentavo.HLP#context-131174"},
        UrlCase{L"C:\\Program Files\\Zentavo\\zentavo.HLP", 131172,
                L"file:///C:/Program%20Files/Zentavo/zentavo.HLP#context-131172"},
        // UTF-8, byte by byte: é, then 日本, then 𝄞 from its surrogate pair.
        UrlCase{L"D:\\Zo\u00eb\\\u65e5\u672c\\\U0001D11E\\zentavo.HLP", 131174,
                L"file:///D:/Zo%C3%AB/%E6%97%A5%E6%9C%AC/%F0%9D%84%9E/zentavo.HLP"
                L"#context-131174"},
        // What a URL would read as its own syntax.
        UrlCase{L"C:\\a#b%c?d&e'f\"g+h;i\\zentavo.HLP", 131174,
                L"file:///C:/a%23b%25c%3Fd%26e%27f%22g%2Bh%3Bi/zentavo.HLP#context-131174"},
        UrlCase{L"\\\\server\\share\\Zentavo\\zentavo.HLP", 131174,
                L"file://server/share/Zentavo/zentavo.HLP#context-131174"},
        UrlCase{L"\\\\?\\C:\\Tools\\zentavo.HLP", 131174,
                L"file:///C:/Tools/zentavo.HLP#context-131174"},
        UrlCase{L"\\\\?\\UNC\\server\\share\\zentavo.HLP", 131172,
                L"file://server/share/zentavo.HLP#context-131172"}));

TEST(HelpTopicUrlTest, KeepsAPathBeyondTheOldLimitWhole) {
    const std::wstring folder(300, L'a');
    EXPECT_EQ(HelpTopicUrl(L"\\\\?\\C:\\" + folder + L"\\zentavo.HLP", 131174),
              L"file:///C:/" + folder + L"/zentavo.HLP#context-131174");
}

struct ProgramCase {
    const wchar_t* program;
    const wchar_t* help_file;
};

class HelpFileOfTest : public testing::TestWithParam<ProgramCase> {};

TEST_P(HelpFileOfTest, NamesTheHelpFileLikeTheProgram) {
    EXPECT_EQ(HelpFileOf(GetParam().program), GetParam().help_file);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, HelpFileOfTest,
    testing::Values(ProgramCase{L"C:\\Tools\\Zentavo.exe", L"C:\\Tools\\Zentavo.HLP"},
                    ProgramCase{L"C:\\My.Tools\\zentavo.1.exe", L"C:\\My.Tools\\zentavo.1.HLP"},
                    // A dot in a folder's name is not the program's.
                    ProgramCase{L"C:\\My.Tools\\zentavo", L"C:\\My.Tools\\zentavo.HLP"}));

class RecordedUrls : public UrlOpener {
public:
    bool Open(HWND, const std::wstring& url) override {
        urls.push_back(url);
        return opens;
    }
    std::vector<std::wstring> urls;
    bool opens = true;
};

struct RequestCase {
    const char* name;
    const char* folder;  // holding the help file, made in the test's folder
    bool file_present;   // else absent, or a folder when folder_instead
    bool folder_instead;
    bool browser_starts;
    bool asked;  // whether the browser was asked
    bool made;   // what OpenHelpTopic answered
};

class OpenHelpTopicTest : public testing::TestWithParam<RequestCase> {};

TEST_P(OpenHelpTopicTest, AsksTheBrowserOnlyForAHelpFileThatIsThere) {
    const RequestCase& row = GetParam();
    SCOPED_TRACE(row.name);
    TempFolder temp;
    const std::string relative = std::string(row.folder) + "/zentavo.HLP";
    if (row.file_present) temp.AddFile(relative, "<html></html>");
    if (row.folder_instead) temp.AddFolder(relative);
    std::wstring help_file = Wide(temp / relative);
    std::replace(help_file.begin(), help_file.end(), L'/', L'\\');
    RecordedUrls browser;
    browser.opens = row.browser_starts;

    EXPECT_EQ(OpenHelpTopic(nullptr, help_file, 131172, browser), row.made);
    ASSERT_EQ(browser.urls.size(), row.asked ? 1u : 0u);
    if (row.asked) {
        EXPECT_EQ(browser.urls[0], HelpTopicUrl(help_file, 131172));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenHelpTopicTest,
    testing::Values(RequestCase{"present", "Zentavo", true, false, true, true, true},
                    RequestCase{"beyond ASCII, with a space", "Zo\u00eb \u65e5\u672c", true, false,
                                true, true, true},
                    RequestCase{"browser fails", "Zentavo", true, false, false, true, false},
                    RequestCase{"missing", "Zentavo", false, false, true, false, false},
                    RequestCase{"a folder of that name", "Zentavo", false, true, true, false,
                                false}));

}  // namespace
}  // namespace zentavo
