// How paths are spelled. A value, never a global: the core handles both
// spellings, and the program passes the one of the system it runs on.
#pragma once

namespace zentavo {

enum class PathSyntax {
    Windows,  // backslash separator, drive designator "X:"; letter case ignored
    Posix,    // slash separator; names compared exactly
};

// The one place that knows which system the program is built for.
#ifdef _WIN32
constexpr PathSyntax kNativeSyntax = PathSyntax::Windows;
#else
constexpr PathSyntax kNativeSyntax = PathSyntax::Posix;
#endif

constexpr char Separator(PathSyntax syntax) {
    return syntax == PathSyntax::Windows ? '\\' : '/';
}

// Whether two paths that differ only in the case of ASCII letters name the
// same file. POSIX file systems tell "IMG.jpg" from "img.jpg".
constexpr bool IgnoresCase(PathSyntax syntax) {
    return syntax == PathSyntax::Windows;
}

}  // namespace zentavo
