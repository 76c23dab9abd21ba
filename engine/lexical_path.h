// Lexical path arithmetic: no file-system access, symbolic links are not
// looked at. Paths are spelled in the syntax given, which is that of the file
// system they belong to.
#pragma once

#include <string>
#include <string_view>

#include "core/path_syntax.h"

namespace zentavo {

// name inside folder, with one separator between them.
std::string JoinPath(std::string_view folder, std::string_view name, PathSyntax syntax);

// The folder that holds path, lexically: "." for a bare name, the root with
// its separator ("/", "C:\") for a name in a root.
std::string FolderOf(std::string_view path, PathSyntax syntax);

// For POSIX paths: joins path to base unless it is absolute, then drops "."
// components, repeated and trailing slashes, and lets ".." remove the
// component before it (never climbing above "/").
std::string LexicallyAbsolute(std::string_view base, std::string_view path);

// The spelling that the spellings of one absolute path share, so that
// "dir/./a" and "dir//a" meet "dir/a": without "." components and repeated
// separators, ".." taking away the name before it but never the root. On
// Windows the root is a drive ("C:\") or a share ("\\server\share"), either
// slash separates and the key has backslashes; letter case is kept. A
// relative path stays as it is.
std::string LexicalKey(std::string_view path, PathSyntax syntax);

}  // namespace zentavo
