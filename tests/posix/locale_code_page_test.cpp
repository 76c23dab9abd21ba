#include "posix/locale_code_page.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace zentavo {
namespace {

using Kind = CodePage::Kind;

// Sets the character-type locale for one test and puts the old one back.
class ScopedCtypeLocale {
public:
    explicit ScopedCtypeLocale(std::initializer_list<const char*> candidates)
        : previous_(std::setlocale(LC_CTYPE, nullptr)) {
        for (const char* name : candidates) {
            if (std::setlocale(LC_CTYPE, name)) {
                active_ = true;
                return;
            }
        }
    }
    ~ScopedCtypeLocale() { std::setlocale(LC_CTYPE, previous_.c_str()); }
    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

struct LocaleMappingCase {
    const char* locale;   // as made below, in the temporary folder
    const char* source;   // localedef's locale definition
    const char* charmap;  // and character map
    Kind kind;
    std::string_view lower;
    std::string_view upper;
};

const LocaleMappingCase kLocaleCases[] = {
    {"ja_JP.SJIS", "ja_JP", "SHIFT_JIS", Kind::ShiftJis, "x\x82\x81.jpg", "X\x82\x60.JPG"},
    {"zh_CN.GBK", "zh_CN", "GBK", Kind::Gbk, "x\xA3\xE1", "X\xA3\xC1"},
    {"ko_KR.CP949", "ko_KR", "CP949", Kind::Uhc, "x\xA3\xE1", "X\xA3\xC1"},
    {"zh_TW.BIG5", "zh_TW", "BIG5", Kind::Big5, "x\xA2\xE9", "X\xA2\xCF"},
};

// Few machines have locales of the double-byte codesets installed: the suite
// makes them with localedef in a temporary folder and points LOCPATH, which
// glibc reads at every setlocale, there.
class DoubleByteLocales : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zentavo-locales-XXXXXX");
        if (!mkdtemp(pattern.data())) return;
        folder_ = pattern;
        for (const LocaleMappingCase& c : kLocaleCases) {
            const std::string command = std::string("localedef -c -i ") + c.source + " -f " +
                                        c.charmap + " '" + (folder_ / c.locale).string() +
                                        "' >/dev/null 2>&1";
            // localedef fails on the warning that these codesets are not
            // ASCII-compatible, yet writes the locale; setlocale tells.
            (void)std::system(command.c_str());
        }
        if (const char* previous = std::getenv("LOCPATH")) previous_locpath_ = previous;
        setenv("LOCPATH", folder_.c_str(), 1);
    }

    static void TearDownTestSuite() {
        if (previous_locpath_) {
            setenv("LOCPATH", previous_locpath_->c_str(), 1);
        } else {
            unsetenv("LOCPATH");
        }
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }

    static inline std::filesystem::path folder_;
    static inline std::optional<std::string> previous_locpath_;
};

// The page of the locale knows its codeset and maps its double-byte letters.
TEST_F(DoubleByteLocales, ThePageOfTheLocaleMapsItsDoubleByteLetters) {
    int tested = 0;
    for (const LocaleMappingCase& c : kLocaleCases) {
        SCOPED_TRACE(c.locale);
        const ScopedCtypeLocale locale({c.locale});
        if (!locale.active()) continue;
        ++tested;
        const LocaleCodePage locale_page;
        const CodePage& page = locale_page.page();
        EXPECT_EQ(page.kind(), c.kind);
        EXPECT_EQ(page.ToUpper(c.lower), c.upper);
        EXPECT_EQ(page.ToLower(c.upper), c.lower);
    }
    if (tested == 0) GTEST_SKIP() << "localedef could not make a double-byte locale";
}

}  // namespace
}  // namespace zentavo
