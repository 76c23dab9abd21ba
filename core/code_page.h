// The code page of the byte strings: which bytes start a double-byte
// character, and how a character changes case.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zentavo {

// How the two-byte characters of a double-byte page change case. The program
// builds one from the user's locale; tests build their own.
class DoubleByteCaseMap {
public:
    virtual ~DoubleByteCaseMap() = default;

    // Turns the character into its lower- or upper-case form in place; one
    // without such a form of two bytes stays as it is.
    virtual void Convert(std::span<char, 2> character, bool upper) const = 0;
};

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
    // case_map, when given, must outlive the page and its copies.
    constexpr explicit CodePage(Kind kind, const DoubleByteCaseMap* case_map = nullptr)
        : kind_(kind), case_map_(case_map) {}

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
    // The same for any of the single-byte characters in chars.
    size_t FindFirstOf(std::string_view text, std::string_view chars, size_t from = 0) const;
    size_t FindLastOf(std::string_view text, std::string_view chars) const;

    // ASCII letters always change; a double-byte character goes through the
    // page's case map, and stays as it is without one. UTF-8 and other
    // single-byte text changes only in its ASCII letters.
    std::string ToLower(std::string_view text) const;
    std::string ToUpper(std::string_view text) const;

private:
    std::string ConvertCase(std::string_view text, bool upper) const;

    Kind kind_ = Kind::SingleByte;
    const DoubleByteCaseMap* case_map_ = nullptr;
};

}  // namespace zentavo
