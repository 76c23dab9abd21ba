// The rows of the rename list as zentavo-cli prints them: a table for people,
// tab-separated lines for programs.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "core/code_page.h"
#include "core/rename_list.h"

namespace zentavo {

// "pending", "renamed" or "failed".
std::string_view MarkWord(RowMark mark);

// Backslash, tab, line feed and carriage return written as "\\", "\t", "\n",
// "\r"; every other byte as it is, so a field never spans a separator.
std::string EscapeTsvField(std::string_view text);

// Why a move failed with ESTALE: its folder, named whole, was replaced
// while the files were moved, or, when the move led into another folder,
// that one may have been.
std::string FolderReplacedWords(std::string_view folder, bool into_another, const CodePage& page);

// One line per row: MARK, tab, PATH, tab, NEW NAME. Nothing else, not even a
// heading, so that the output can be read line by line.
void WriteTsvRows(const RenameList& list, std::ostream& out);

// A heading, then one line per row with the columns lined up: the mark, the
// path, the new name (or "(name too long)") and, for a failed row with a
// known reason, the reason.
// Nothing is cut; names are shown by ShowForTerminal. An empty list prints
// nothing.
void WriteTable(const RenameList& list, const CodePage& page, std::ostream& out);

}  // namespace zentavo
