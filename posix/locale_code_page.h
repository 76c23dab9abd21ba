// The code page of the user's locale, for main() to build once after
// setlocale(LC_ALL, "") and pass down: the core itself reads no locale.
#pragma once

#include <span>
#include <string>

#include "core/code_page.h"

namespace zentavo {

// Case mapping of double-byte characters by the C library's wide-character
// functions under the locale set when it is used.
class LocaleDoubleByteCaseMap : public DoubleByteCaseMap {
public:
    void Convert(std::span<char, 2> character, bool upper) const override;
};

class LocaleCodePage {
public:
    // Reads the codeset of the locale set now (nl_langinfo(CODESET)).
    LocaleCodePage();
    LocaleCodePage(const LocaleCodePage&) = delete;
    LocaleCodePage& operator=(const LocaleCodePage&) = delete;

    // Maps the case of double-byte characters when the codeset has them.
    const CodePage& page() const { return page_; }
    // The codeset's name as the C library gives it ("UTF-8", "SJIS", ...).
    const std::string& codeset() const { return codeset_; }

private:
    LocaleDoubleByteCaseMap case_map_;
    std::string codeset_;
    CodePage page_;
};

}  // namespace zentavo
