// Reading UTF-8 one character at a time. Only well-formed characters count:
// overlong forms, surrogates and values beyond U+10FFFF are none, since taking
// one whole would hide bytes that a byte-wise reader sees on their own.
//
// Windows names are UTF-16 that need not be well-formed: a surrogate without
// its partner is a name Windows holds. Such names are kept as WTF-8 and
// converted only where they meet the system. WTF-8 is UTF-8 that also spells
// a lone surrogate in the three-byte form; a pair of surrogates is always the
// one four-byte character, so every UTF-16 name has exactly one spelling.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentavo {

struct Utf8Char {
    size_t length = 0;  // 0 when no well-formed character starts there
    char32_t code_point = 0;
};

// The character that starts at text[pos]; pos must lie inside text.
Utf8Char ReadUtf8(std::string_view text, size_t pos);

// The UTF-16 form of a WTF-8 name, or nothing when some bytes of it are not
// WTF-8. A high and a low surrogate spelled as two three-byte sequences one
// after the other are refused rather than joined: joined, they would be a
// second spelling of a four-byte character, and two names of a list that
// differ in bytes would be one file on Windows.
std::optional<std::u16string> Wtf8ToUtf16(std::string_view text);

// The WTF-8 form of any UTF-16 name; it converts back unchanged.
std::string Utf16ToWtf8(std::u16string_view text);

// How many UTF-16 units Wtf8ToUtf16 makes of a WTF-8 name, counted without
// converting it: one per character, two for one beyond U+FFFF.
size_t Utf16Length(std::string_view wtf8);

}  // namespace zentavo
