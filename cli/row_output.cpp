#include "cli/row_output.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "cli/terminal_text.h"
#include "cli/translated_text.h"
#include "engine/file_system.h"  // ESTALE, which MinGW lacks

namespace zentavo {

namespace {

constexpr std::string_view kColumnGap = "  ";
constexpr std::string_view kMarkHeading = "Mark";
constexpr std::string_view kPathHeading = "Path";
constexpr std::string_view kNameHeading = "New Filename";
constexpr std::string_view kNameTooLong = "(name too long)";

void WritePadded(std::ostream& out, std::string_view text, size_t columns, size_t width) {
    out << text;
    for (size_t i = columns; i < width; ++i) out << ' ';
}

// As EscapeTsvField, appended to out.
void AppendTsvField(std::string& out, std::string_view text) {
    // The escape letter of each byte that needs one, 0 for every other byte.
    static constexpr auto kEscapes = [] {
        std::array<char, 256> escapes{};
        escapes['\\'] = '\\';
        escapes['\t'] = 't';
        escapes['\n'] = 'n';
        escapes['\r'] = 'r';
        return escapes;
    }();
    size_t plain_from = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char escape = kEscapes[static_cast<unsigned char>(text[i])];
        if (escape == 0) continue;
        out.append(text, plain_from, i - plain_from);
        out += '\\';
        out += escape;
        plain_from = i + 1;
    }
    out.append(text, plain_from);
}

// Why a row failed; the folder a replaced folder was is named, since the row
// shows only the path through it.
void WriteFailure(std::ostream& out, int failure, std::string_view path, std::string_view new_name,
                  const CodePage& page, PathSyntax syntax) {
    if (failure != ESTALE) {
        out << std::strerror(failure);
        return;
    }
    const std::string_view separators = Separators(syntax);
    out << FolderReplacedWords(path.substr(0, path.find_last_of(separators)),
                               new_name.find_first_of(separators) != std::string_view::npos, page);
}

}  // namespace

std::string FolderReplacedWords(std::string_view folder, bool into_another, const CodePage& page) {
    const std::string shown = ShowForTerminal(folder, page).text;
    if (into_another) {
        return Fill(Tr("the folder %1, or the one it was to move into, was replaced during the "
                       "rename"),
                    {shown});
    }
    return Fill(Tr("the folder %1 was replaced during the rename"), {shown});
}

std::string_view MarkWord(RowMark mark) {
    switch (mark) {
        case RowMark::Pending:
            return "pending";
        case RowMark::Renamed:
            return "renamed";
        case RowMark::Failed:
            return "failed";
    }
    return "pending";
}

std::string EscapeTsvField(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendTsvField(out, text);
    return out;
}

void WriteTsvRows(const RenameList& list, std::ostream& out) {
    // Lines go out in large writes, not a few bytes at a time.
    constexpr size_t kWriteAt = size_t{1} << 16;
    std::string lines;
    lines.reserve(kWriteAt);
    for (size_t i = 0; i < list.count(); ++i) {
        lines += MarkWord(list.mark(i));
        lines += '\t';
        AppendTsvField(lines, list.path(i));
        lines += '\t';
        AppendTsvField(lines, list.new_name(i));
        lines += '\n';
        if (lines.size() >= kWriteAt) {
            out.write(lines.data(), std::streamsize(lines.size()));
            lines.clear();
        }
    }
    out.write(lines.data(), std::streamsize(lines.size()));
}

void WriteTable(const RenameList& list, const CodePage& page, std::ostream& out) {
    if (list.empty()) return;
    size_t mark_width = kMarkHeading.size();
    size_t path_width = kPathHeading.size();
    for (size_t i = 0; i < list.count(); ++i) {
        mark_width = std::max(mark_width, MarkWord(list.mark(i)).size());
        path_width = std::max(path_width, ShowForTerminal(list.path(i), page, list.syntax()).columns);
    }

    WritePadded(out, kMarkHeading, kMarkHeading.size(), mark_width);
    out << kColumnGap;
    WritePadded(out, kPathHeading, kPathHeading.size(), path_width);
    out << kColumnGap << kNameHeading << '\n';

    for (size_t i = 0; i < list.count(); ++i) {
        const std::string_view mark = MarkWord(list.mark(i));
        const ShownText path = ShowForTerminal(list.path(i), page, list.syntax());
        WritePadded(out, mark, mark.size(), mark_width);
        out << kColumnGap;
        const int failure = list.mark(i) == RowMark::Failed ? list.failure(i) : 0;
        // An unnamed row ends with its path rather than with padding.
        if (list.new_name(i).empty() && failure == 0) {
            out << path.text << '\n';
            continue;
        }
        WritePadded(out, path.text, path.columns, path_width);
        out << kColumnGap;
        if (NameTooLong(list.new_name(i))) {
            out << kNameTooLong;
        } else {
            out << ShowForTerminal(list.new_name(i), page, list.syntax()).text;
        }
        if (failure != 0) {
            out << kColumnGap << '(';
            WriteFailure(out, failure, list.path(i), list.new_name(i), page, list.syntax());
            out << ')';
        }
        out << '\n';
    }
}

}  // namespace zentavo
