#include "cli/row_output.h"

#include <algorithm>
#include <cstring>

#include "cli/terminal_text.h"

namespace zentavo {

namespace {

constexpr std::string_view kColumnGap = "  ";
constexpr std::string_view kMarkHeading = "Mark";
constexpr std::string_view kPathHeading = "Path";
constexpr std::string_view kNameHeading = "New Filename";

void WritePadded(std::ostream& out, std::string_view text, size_t columns, size_t width) {
    out << text;
    for (size_t i = columns; i < width; ++i) out << ' ';
}

}  // namespace

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
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void WriteTsvRows(const RenameList& list, std::ostream& out) {
    for (size_t i = 0; i < list.count(); ++i) {
        out << MarkWord(list.mark(i)) << '\t' << EscapeTsvField(list.path(i)) << '\t'
            << EscapeTsvField(list.new_name(i)) << '\n';
    }
}

void WriteTable(const RenameList& list, const CodePage& page, std::ostream& out) {
    if (list.empty()) return;
    size_t mark_width = kMarkHeading.size();
    size_t path_width = kPathHeading.size();
    for (size_t i = 0; i < list.count(); ++i) {
        mark_width = std::max(mark_width, MarkWord(list.mark(i)).size());
        path_width = std::max(path_width, ShowForTerminal(list.path(i), page).columns);
    }

    WritePadded(out, kMarkHeading, kMarkHeading.size(), mark_width);
    out << kColumnGap;
    WritePadded(out, kPathHeading, kPathHeading.size(), path_width);
    out << kColumnGap << kNameHeading << '\n';

    for (size_t i = 0; i < list.count(); ++i) {
        const std::string_view mark = MarkWord(list.mark(i));
        const ShownText path = ShowForTerminal(list.path(i), page);
        WritePadded(out, mark, mark.size(), mark_width);
        out << kColumnGap;
        const int failure = list.mark(i) == RowMark::Failed ? list.failure(i) : 0;
        // An unnamed row ends with its path rather than with padding.
        if (list.new_name(i).empty() && failure == 0) {
            out << path.text << '\n';
            continue;
        }
        WritePadded(out, path.text, path.columns, path_width);
        out << kColumnGap << ShowForTerminal(list.new_name(i), page).text;
        if (failure != 0) out << kColumnGap << '(' << std::strerror(failure) << ')';
        out << '\n';
    }
}

}  // namespace zentavo
