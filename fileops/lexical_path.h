// Lexical path arithmetic for POSIX paths: no file-system access, symbolic
// links are not looked at.
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

// Joins path to base unless it is absolute, then drops "." components,
// repeated and trailing slashes, and lets ".." remove the component before it
// (never climbing above "/").
std::string LexicallyAbsolute(std::string_view base, std::string_view path);

}  // namespace zentavo
