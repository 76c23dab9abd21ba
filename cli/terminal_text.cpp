#include "cli/terminal_text.h"

#include "core/utf8.h"

namespace zentavo {

namespace {

// Terminal columns of a code point: combining marks take none, the East Asian
// wide and full-width blocks and the emoji blocks take two.
size_t Columns(char32_t c) {
    if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F)) return 0;
    if ((c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
        (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
        (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
        (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
        (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD))
        return 2;
    return 1;
}

void AppendEscaped(ShownText& shown, std::string_view escape) {
    shown.text += escape;
    shown.columns += escape.size();
}

void AppendHex(ShownText& shown, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    const char escape[] = {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0xF]};
    AppendEscaped(shown, std::string_view(escape, sizeof escape));
}

// Appends the character that starts with a byte above 0x7F at text[pos];
// returns the number of bytes it took.
size_t AppendNonAscii(ShownText& shown, std::string_view text, size_t pos, const CodePage& page) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    size_t length = 0;
    size_t columns = 0;
    if (page.IsDoubleByte()) {
        length = page.CharLength(text, pos);
        // A lead byte without its trail is half a character; any other high
        // byte the page leaves single is a character of its own.
        if (length == 1 && page.IsLeadByte(byte)) length = 0;
        columns = length;
    } else {
        const Utf8Char character = ReadUtf8(text, pos);
        length = character.length;
        if (length > 0) columns = Columns(character.code_point);
    }
    if (length == 0) {
        AppendHex(shown, byte);
        return 1;
    }
    shown.text.append(text.substr(pos, length));
    shown.columns += columns;
    return length;
}

}  // namespace

ShownText ShowForTerminal(std::string_view text, const CodePage& page, PathSyntax syntax) {
    ShownText shown;
    shown.text.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            i += AppendNonAscii(shown, text, i, page);
            continue;
        }
        switch (byte) {
            case '\\':
                if (syntax == PathSyntax::Windows) {
                    shown.text += '\\';
                    ++shown.columns;
                } else {
                    AppendEscaped(shown, "\\\\");
                }
                break;
            case '\t':
                AppendEscaped(shown, "\\t");
                break;
            case '\n':
                AppendEscaped(shown, "\\n");
                break;
            case '\r':
                AppendEscaped(shown, "\\r");
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    AppendHex(shown, byte);
                } else {
                    shown.text += char(byte);
                    ++shown.columns;
                }
        }
        ++i;
    }
    return shown;
}

}  // namespace zentavo
