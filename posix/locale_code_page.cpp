#include "posix/locale_code_page.h"

#include <langinfo.h>

#include <climits>
#include <cwchar>
#include <cwctype>

namespace zentavo {

void LocaleDoubleByteCaseMap::Convert(std::span<char, 2> character, bool upper) const {
    std::mbstate_t in_state{};
    wchar_t wide = 0;
    if (std::mbrtowc(&wide, character.data(), character.size(), &in_state) != character.size())
        return;
    const auto mapped = static_cast<wchar_t>(upper ? std::towupper(wide) : std::towlower(wide));
    if (mapped == wide) return;
    char bytes[MB_LEN_MAX];
    std::mbstate_t out_state{};
    // The mapping must keep the character's width, or the texts around it
    // would shift.
    if (std::wcrtomb(bytes, mapped, &out_state) == character.size()) {
        character[0] = bytes[0];
        character[1] = bytes[1];
    }
}

LocaleCodePage::LocaleCodePage()
    : codeset_(nl_langinfo(CODESET)), page_(CodePage::FromCodeset(codeset_).kind(), &case_map_) {}

}  // namespace zentavo
