// Reading UTF-8 one character at a time. Only well-formed characters count:
// overlong forms, surrogates and values beyond U+10FFFF are none, since taking
// one whole would hide bytes that a byte-wise reader sees on their own.
#pragma once

#include <cstddef>
#include <string_view>

namespace zentavo {

struct Utf8Char {
    size_t length = 0;  // 0 when no well-formed character starts there
    char32_t code_point = 0;
};

// The character that starts at text[pos]; pos must lie inside text.
Utf8Char ReadUtf8(std::string_view text, size_t pos);

}  // namespace zentavo
