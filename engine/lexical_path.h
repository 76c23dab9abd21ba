// Lexical path arithmetic for POSIX paths: no file-system access, symbolic
// links are not looked at.
#pragma once

#include <string>
#include <string_view>

#include "core/path_syntax.h"

namespace zentavo {

// AppendPathName for POSIX paths, where the slash is a character of its own
// on every code page.
void AppendPosixName(std::string& path, std::string_view name);

// name inside folder, with one slash between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// The folder that holds path, lexically: "." for a bare name, "/" for a name
// in the root.
std::string FolderOf(std::string_view path);

// Joins path to base unless it is absolute, then drops "." components,
// repeated and trailing slashes, and lets ".." remove the component before it
// (never climbing above "/").
std::string LexicallyAbsolute(std::string_view base, std::string_view path);

// The spelling that the spellings of one absolute path share, so that
// "dir/./a" and "dir//a" meet "dir/a": without "." components and repeated
// separators, ".." taking away the name before it but never the root. On
// Windows the root is a drive ("C:\") or a share ("\\server\share"), either
// slash separates and the key has backslashes; letter case is kept. A
// relative path stays as it is.
std::string LexicalKey(std::string_view path, PathSyntax syntax);

}  // namespace zentavo
