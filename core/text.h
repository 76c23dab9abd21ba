// Byte-string helpers with C-locale character classes: never localised, so
// every machine gives the same answer for the same bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentavo {

// Space, tab, line feed, vertical tab, form feed, carriage return. None of
// these bytes is ever the trail byte of a double-byte character, so trimming
// byte by byte is safe on every code page.
constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
constexpr char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

std::string_view TrimView(std::string_view text);
// Trims in place, keeping the buffer.
void TrimInPlace(std::string& text);

// Compares with the ASCII letters folded, bytes as unsigned. Negative, zero or
// positive like memcmp.
int CompareIgnoreAsciiCase(std::string_view a, std::string_view b);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// The number of leading bytes a and b share.
size_t CommonPrefixLength(std::string_view a, std::string_view b);

}  // namespace zentavo
