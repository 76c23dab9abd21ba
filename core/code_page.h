// The code page of the byte strings: which bytes start a double-byte
// character, and how a character changes case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentavo {

class CodePage {
public:
    enum class Kind {
        SingleByte,
        Utf8,
        ShiftJis,  // CP932
        Gbk,       // CP936, also GB2312 and GB18030 locales
        Big5,      // CP950
        Uhc,       // CP949, also EUC-KR locales
    };

    constexpr CodePage() = default;
    constexpr explicit CodePage(Kind kind) : kind_(kind) {}

    // The page for a codeset name as nl_langinfo(CODESET) reports it
    // ("UTF-8", "SJIS", "GBK", "BIG5", "EUC-KR", ...). Unknown names are
    // single-byte.
    static CodePage FromCodeset(std::string_view codeset);

    constexpr Kind kind() const { return kind_; }
    bool IsDoubleByte() const;

    bool IsLeadByte(unsigned char byte) const;
    bool IsTrailByte(unsigned char byte) const;

    // Length in bytes of the character that starts at text[pos]: 2 for a lead
    // byte followed by a valid trail byte on a double-byte page, the length of
    // a well-formed sequence on UTF-8, otherwise 1.
    size_t CharLength(std::string_view text, size_t pos) const;

    // Position of the first / last occurrence of the single-byte character c
    // that is a character of its own (never the trail byte of a double-byte
    // character), or npos.
    size_t Find(std::string_view text, char c, size_t from = 0) const;
    size_t FindLast(std::string_view text, char c) const;

    // ASCII letters always change; a double-byte character goes through the
    // C library's wide-character mapping when the current locale's codeset is
    // this page, and stays as it is under any other codeset, which would read
    // its bytes as other characters. UTF-8 and other single-byte text changes
    // only in its ASCII letters.
    std::string ToLower(std::string_view text) const;
    std::string ToUpper(std::string_view text) const;

private:
    std::string ConvertCase(std::string_view text, bool upper) const;
    bool IsLocaleCodeset() const;

    Kind kind_ = Kind::SingleByte;
};

// The page of the user's locale, chosen once on first use: the locale is taken
// from the environment (setlocale) and its codeset read (nl_langinfo).
const CodePage& ActiveCodePage();

}  // namespace zentavo
