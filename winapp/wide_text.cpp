#include "winapp/wide_text.h"

#include "core/utf8.h"

namespace zentavo {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide strings are UTF-16");

std::wstring Wide(std::string_view wtf8) {
    if (const std::optional<std::u16string> utf16 = Wtf8ToUtf16(wtf8))
        return std::wstring(utf16->begin(), utf16->end());
    std::wstring wide;
    for (size_t i = 0; i < wtf8.size();) {
        const Utf8Char c = ReadUtf8(wtf8, i);
        if (c.length == 0) {
            wide += L'\uFFFD';
            ++i;
            continue;
        }
        const std::optional<std::u16string> one = Wtf8ToUtf16(wtf8.substr(i, c.length));
        if (one)
            wide.append(one->begin(), one->end());
        else
            wide += L'\uFFFD';
        i += c.length;
    }
    return wide;
}

std::string Wtf8(std::wstring_view wide) {
    return Utf16ToWtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace zentavo
