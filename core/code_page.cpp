#include "core/code_page.h"

#include <algorithm>

#include "core/text.h"
#include "core/utf8.h"

namespace zentavo {

namespace {

bool InRange(unsigned char b, unsigned lo, unsigned hi) {
    return b >= lo && b <= hi;
}

std::string NormalisedCodeset(std::string_view codeset) {
    std::string out;
    for (char c : codeset) {
        if (c == '-' || c == '_') continue;
        out += AsciiUpper(c);
    }
    return out;
}

}  // namespace

CodePage CodePage::FromCodeset(std::string_view codeset) {
    const std::string name = NormalisedCodeset(codeset);
    if (name == "UTF8") return CodePage(Kind::Utf8);
    if (name == "SJIS" || name == "SHIFTJIS" || name == "CP932" || name == "WINDOWS31J" ||
        name == "MSKANJI")
        return CodePage(Kind::ShiftJis);
    if (name == "GBK" || name == "CP936" || name == "GB2312" || name == "EUCCN" ||
        name == "GB18030")
        return CodePage(Kind::Gbk);
    if (name == "BIG5" || name == "BIG5HKSCS" || name == "CP950") return CodePage(Kind::Big5);
    if (name == "UHC" || name == "CP949" || name == "EUCKR") return CodePage(Kind::Uhc);
    return CodePage(Kind::SingleByte);
}

bool CodePage::IsDoubleByte() const {
    return kind_ != Kind::SingleByte && kind_ != Kind::Utf8;
}

bool CodePage::IsLeadByte(unsigned char b) const {
    switch (kind_) {
        case Kind::ShiftJis:
            return InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC);
        case Kind::Gbk:
        case Kind::Big5:
        case Kind::Uhc:
            return InRange(b, 0x81, 0xFE);
        case Kind::SingleByte:
        case Kind::Utf8:
            break;
    }
    return false;
}

bool CodePage::IsTrailByte(unsigned char b) const {
    switch (kind_) {
        case Kind::ShiftJis:
            return InRange(b, 0x40, 0x7E) || InRange(b, 0x80, 0xFC);
        case Kind::Gbk:
            return InRange(b, 0x40, 0x7E) || InRange(b, 0x80, 0xFE);
        case Kind::Big5:
            return InRange(b, 0x40, 0x7E) || InRange(b, 0xA1, 0xFE);
        case Kind::Uhc:
            return InRange(b, 0x41, 0x5A) || InRange(b, 0x61, 0x7A) || InRange(b, 0x81, 0xFE);
        case Kind::SingleByte:
        case Kind::Utf8:
            break;
    }
    return false;
}

size_t CodePage::CharLength(std::string_view text, size_t pos) const {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (kind_ == Kind::SingleByte || lead < 0x80) return 1;
    if (kind_ == Kind::Utf8) return std::max<size_t>(ReadUtf8(text, pos).length, 1);
    if (IsLeadByte(lead) && pos + 1 < text.size() &&
        IsTrailByte(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

size_t CodePage::Find(std::string_view text, char c, size_t from) const {
    if (!IsDoubleByte()) return text.find(c, from);
    for (size_t i = from; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == c) return i;
    }
    return std::string_view::npos;
}

size_t CodePage::FindLast(std::string_view text, char c) const {
    // Without trail bytes to skip, a backward byte search is exact; a
    // double-byte page needs the forward walk to know where characters start.
    if (!IsDoubleByte()) return text.rfind(c);
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == c) found = i;
    }
    return found;
}

size_t CodePage::FindFirstOf(std::string_view text, std::string_view chars, size_t from) const {
    if (chars.size() == 1) return Find(text, chars.front(), from);
    if (!IsDoubleByte()) return text.find_first_of(chars, from);
    for (size_t i = from; i < text.size(); i += CharLength(text, i)) {
        if (chars.find(text[i]) != std::string_view::npos) return i;
    }
    return std::string_view::npos;
}

size_t CodePage::FindLastOf(std::string_view text, std::string_view chars) const {
    if (chars.size() == 1) return FindLast(text, chars.front());
    if (!IsDoubleByte()) return text.find_last_of(chars);
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (chars.find(text[i]) != std::string_view::npos) found = i;
    }
    return found;
}

std::string CodePage::ToLower(std::string_view text) const {
    return ConvertCase(text, false);
}
std::string CodePage::ToUpper(std::string_view text) const {
    return ConvertCase(text, true);
}

std::string CodePage::ConvertCase(std::string_view text, bool upper) const {
    std::string out(text);
    for (size_t i = 0; i < out.size();) {
        const size_t length = CharLength(out, i);
        if (length == 1) {
            out[i] = upper ? AsciiUpper(out[i]) : AsciiLower(out[i]);
        } else if (case_map_ != nullptr && IsDoubleByte()) {
            case_map_->Convert(std::span<char, 2>(&out[i], 2), upper);
        }
        i += length;
    }
    return out;
}

}  // namespace zentavo
