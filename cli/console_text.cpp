#include "cli/console_text.h"

#include "core/utf8.h"

namespace zentavo {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// How many bytes the character led by lead has, or 0 when lead leads none.
size_t ExpectedLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Whether text[pos..] is the start of a character that more bytes may finish.
bool Unfinished(std::string_view text, size_t pos) {
    const size_t expected = ExpectedLength(static_cast<unsigned char>(text[pos]));
    if (expected == 0 || text.size() - pos >= expected) return false;
    for (size_t i = pos + 1; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return false;
    }
    return true;
}

void AppendUtf16(std::u16string& out, char32_t code_point) {
    if (code_point < 0x10000) {
        out += char16_t(code_point);
        return;
    }
    code_point -= 0x10000;
    out += char16_t(0xD800 + (code_point >> 10));
    out += char16_t(0xDC00 + (code_point & 0x3FF));
}

}  // namespace

std::u16string TakeConsoleUtf16(std::string& pending, std::string_view bytes) {
    pending.append(bytes);
    const std::string_view text = pending;
    std::u16string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const Utf8Char c = ReadUtf8(text, pos);
        if (c.length > 0) {
            AppendUtf16(out, c.code_point);
            pos += c.length;
        } else if (Unfinished(text, pos)) {
            break;
        } else {
            out += kReplacement;
            ++pos;
        }
    }
    pending.erase(0, pos);
    return out;
}

}  // namespace zentavo
