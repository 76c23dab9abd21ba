#include "core/utf8.h"

namespace zentavo {

namespace {

enum class Surrogates { Refused, Allowed };

Utf8Char ReadCharacter(std::string_view text, size_t pos, Surrogates surrogates) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return {1, lead};
    size_t length = 0;
    char32_t code_point = 0;
    // The bounds of the second byte; later ones are 0x80 to 0xBF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code_point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code_point = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED && surrogates == Surrogates::Refused) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code_point = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {};
    }
    if (text.size() - pos < length) return {};
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (byte < low || byte > high) return {};
        low = 0x80;
        high = 0xBF;
        code_point = (code_point << 6) | (byte & 0x3F);
    }
    return {length, code_point};
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t code_point) {
    if (code_point < 0x80) {
        out += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        out += static_cast<char>(0xC0 | (code_point >> 6));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        out += static_cast<char>(0xE0 | (code_point >> 12));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code_point >> 18));
        out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

}  // namespace

Utf8Char ReadUtf8(std::string_view text, size_t pos) {
    return ReadCharacter(text, pos, Surrogates::Refused);
}

std::optional<std::u16string> Wtf8ToUtf16(std::string_view text) {
    std::u16string utf16;
    utf16.reserve(text.size());
    bool after_high_surrogate = false;
    for (size_t pos = 0; pos < text.size();) {
        const Utf8Char character = ReadCharacter(text, pos, Surrogates::Allowed);
        if (character.length == 0) return std::nullopt;
        if (after_high_surrogate && IsLowSurrogate(character.code_point)) return std::nullopt;
        after_high_surrogate = IsHighSurrogate(character.code_point);
        if (character.code_point < 0x10000) {
            utf16 += static_cast<char16_t>(character.code_point);
        } else {
            const char32_t offset = character.code_point - 0x10000;
            utf16 += static_cast<char16_t>(0xD800 + (offset >> 10));
            utf16 += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        }
        pos += character.length;
    }
    return utf16;
}

std::string Utf16ToWtf8(std::u16string_view text) {
    std::string wtf8;
    wtf8.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code_point = text[i];
        if (IsHighSurrogate(code_point) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code_point = 0x10000 + ((code_point - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(wtf8, code_point);
    }
    return wtf8;
}

// A continuation byte adds nothing; a four-byte lead stands for a pair.
size_t Utf16Length(std::string_view wtf8) {
    size_t units = 0;
    for (const char c : wtf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++units;
        if (byte >= 0xF0) ++units;
    }
    return units;
}

}  // namespace zentavo
