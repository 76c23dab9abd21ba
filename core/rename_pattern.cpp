#include "core/rename_pattern.h"

#include <algorithm>
#include <charconv>

#include "core/text.h"

namespace zentavo {

namespace {

// What printf("%0*d") makes of a width: zero-padded on the left for a positive
// width, space-padded on the right for a negative one (the "-" flag wins).
void AppendCounter(std::string& out, int64_t value, int32_t width) {
    width = std::clamp(width, -kMaxCounterWidth, kMaxCounterWidth);
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    (void)ec;  // 24 bytes hold any 64-bit value
    const std::string_view text(digits, size_t(end - digits));
    const bool negative = value < 0;
    const size_t length = text.size();
    const size_t wanted = size_t(width < 0 ? -width : width);
    if (length >= wanted) {
        out += text;
    } else if (width < 0) {
        out += text;
        out.append(wanted - length, ' ');
    } else {
        if (negative) out += '-';
        out.append(wanted - length, '0');
        out += text.substr(negative ? 1 : 0);
    }
}

size_t FirstNonSpace(std::string_view text) {
    const auto found = std::find_if(text.begin(), text.end(), [](char c) { return !IsCSpace(c); });
    return found == text.end() ? std::string_view::npos : size_t(found - text.begin());
}

// A name that stops growing one byte past the longest usable one. Only what
// survives trimming counts: leading white space makes way when room runs out,
// and bytes cut off the end matter only if they are not all white space.
class BoundedName {
public:
    void Append(std::string_view piece) {
        if (only_space_) {
            const size_t first = FirstNonSpace(piece);
            only_space_ = first == std::string_view::npos;
            if (text_.size() + piece.size() > kLimit) {
                text_.clear();
                piece.remove_prefix(only_space_ ? piece.size() : first);
            }
        }
        const size_t room = kLimit - text_.size();
        if (piece.size() <= room) {
            text_ += piece;
            return;
        }
        text_ += piece.substr(0, room);
        if (FirstNonSpace(piece.substr(room)) != std::string_view::npos) cut_ = true;
    }
    void Append(char c) { Append(std::string_view(&c, 1)); }

    // Whether bytes other than white space were cut off: the name is too
    // long whatever trimming would make of it.
    bool cut() const { return cut_; }
    std::string Take() { return std::move(text_); }

private:
    static constexpr size_t kLimit = kMaxNewNameLength + 1;

    std::string text_;
    bool only_space_ = true;
    bool cut_ = false;
};

}  // namespace

std::string ApplyPattern(std::string_view pattern, const CPathParts& parts,
                         int64_t directory_counter, int64_t row_position, const CodePage& page,
                         bool* cut) {
    pattern = pattern.substr(0, pattern.find('\0'));
    BoundedName result;
    std::string counter_text;
    size_t i = 0;
    const size_t end = pattern.size();
    while (i < end) {
        if (pattern[i] != '%') {
            result.Append(pattern[i++]);
            continue;
        }
        if (++i == end) break;
        if (pattern[i] == '%') {
            result.Append('%');
            ++i;
            continue;
        }

        char case_mode = 0;
        if (pattern[i] == '<' || pattern[i] == '>') {
            case_mode = pattern[i];
            if (++i == end) break;
        }
        // Unsigned arithmetic gives the 32-bit wrap-around without overflow.
        uint32_t number = 1;
        if (IsAsciiDigit(pattern[i])) {
            number = 0;
            while (i < end && IsAsciiDigit(pattern[i])) {
                number = number * 10u + uint32_t(pattern[i++] - '0');
            }
            if (i == end) break;
        }
        const auto n = static_cast<int32_t>(number);

        // A multibyte character in the letter's place is no letter: it is
        // consumed whole, so no stray trail byte lands in the name.
        const char letter = pattern[i];
        i += page.CharLength(pattern, i);

        std::string_view piece;
        switch (letter) {
            case 'c':
            case 'g':
                counter_text.clear();
                AppendCounter(counter_text, letter == 'c' ? directory_counter : row_position, n);
                piece = counter_text;
                break;
            case 'e':
                piece = parts.extension;
                break;
            case 't':
                piece = parts.title;
                break;
            case 'n':
                piece = parts.name;
                break;
            case 'd':
                if (n >= 1 && size_t(n) <= parts.folders.size())
                    piece = parts.folders[parts.folders.size() - size_t(n)];
                break;
            default:
                break;
        }
        if (piece.empty()) continue;
        if (case_mode == '<') {
            result.Append(page.ToLower(piece));
        } else if (case_mode == '>') {
            result.Append(page.ToUpper(piece));
        } else {
            result.Append(piece);
        }
    }
    if (cut) *cut = result.cut();
    return result.Take();
}

bool SetFilenames(RenameList& list, std::string_view pattern, const CodePage& page) {
    const std::string_view trimmed = TrimView(pattern);
    const PathSyntax syntax = list.syntax();
    bool all_named = true;
    CPathParts parts;
    // The first row starts a run whatever its directory: no sentinel text
    // would do, since a POSIX directory can be any text.
    std::string previous_directory;
    int64_t counter = 0;
    for (size_t i = 0; i < list.count(); ++i) {
        parts.Parse(list.path(i), syntax, page);
        const bool same_directory =
            i > 0 &&
            (IgnoresCase(syntax) ? EqualsIgnoreAsciiCase(parts.directory, previous_directory)
                                 : parts.directory == previous_directory);
        if (!same_directory) {
            counter = 1;
            previous_directory = parts.directory;
        }
        bool cut = false;
        std::string name = ApplyPattern(trimmed, parts, counter, int64_t(i) + 1, page, &cut);
        if (!cut) TrimInPlace(name);
        if (name.empty()) all_named = false;
        list.SetNewName(i, std::move(name));
        ++counter;
    }
    list.FitNames();
    return all_named;
}

}  // namespace zentavo
