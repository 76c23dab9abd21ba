// The rename pattern language: literal bytes and %-codes that a new file name
// is computed from, row by row.
//
//   %%            one "%"
//   %[<|>][N]c    counter of the row within its run of rows in one folder,
//                 zero-padded to N digits (N defaults to 1)
//   %[<|>][N]g    position of the row in the list, counting from 1, padded
//   %[<|>]e       extension of the old name, without the dot
//   %[<|>]t       title: the old name without its last "." and extension
//   %[<|>]n       the whole old name
//   %[<|>][N]d    the N-th folder counting outwards from the file's own (N = 1)
//
// "<" lower-cases the piece, ">" upper-cases it. Any other letter produces
// nothing; a pattern that ends inside a code ends there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/code_page.h"
#include "core/path_parts.h"
#include "core/path_syntax.h"
#include "core/rename_list.h"

namespace zentavo {

// Counter widths are read as 32-bit numbers and wrap around like them; a
// width beyond this (either sign) is cut to it, so no code can produce more
// than a file name can hold.
constexpr int32_t kMaxCounterWidth = 255;

// The pattern ends at its first NUL, as a C string would. A name longer than
// kMaxNewNameLength comes out cut to one byte more than that: known to be too
// long, and bounded for any pattern. cut, when given, learns whether bytes
// other than white space were cut off (trimming cannot make such a name fit).
std::string ApplyPattern(std::string_view pattern, const CPathParts& parts,
                         int64_t directory_counter, int64_t row_position, const CodePage& page,
                         bool* cut = nullptr);

// Gives every row its new name by the pattern (trimmed first) and trims every
// name; a name too long to use (see NameTooLong) is kept cut, not trimmed.
// Marks are untouched. Returns whether every row got a non-empty name
// (true for an empty list).
bool SetFilenames(RenameList& list, std::string_view pattern, const CodePage& page);

}  // namespace zentavo
