// How paths are spelled. A value, never a global: the core handles both
// spellings, and the program passes the one of the system it runs on.
#pragma once

#include <string_view>

namespace zentavo {

enum class PathSyntax {
    Windows,  // backslash or slash separates, drive designator "X:"; letter case ignored
    Posix,    // slash separator; names compared exactly
};

// The one place that knows which system the program is built for.
#ifdef _WIN32
constexpr PathSyntax kNativeSyntax = PathSyntax::Windows;
#else
constexpr PathSyntax kNativeSyntax = PathSyntax::Posix;
#endif

// The separator the program writes.
constexpr char Separator(PathSyntax syntax) {
    return syntax == PathSyntax::Windows ? '\\' : '/';
}

// Every character that separates when a path is read: Windows takes a slash
// for a backslash, so "C:/Photos/a.jpg" has the folders a user typed it with.
constexpr std::string_view Separators(PathSyntax syntax) {
    return syntax == PathSyntax::Windows ? "\\/" : "/";
}

// Whether two paths that differ only in the case of ASCII letters name the
// same file. POSIX file systems tell "IMG.jpg" from "img.jpg".
constexpr bool IgnoresCase(PathSyntax syntax) {
    return syntax == PathSyntax::Windows;
}

}  // namespace zentavo
