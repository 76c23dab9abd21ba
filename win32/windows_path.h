// Windows paths as the engine keeps them (WTF-8, either slash) and as the
// wide calls take them (UTF-16, extended-length).
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

enum class WindowsPathKind {
    Drive,          // "C:\..."
    Unc,            // "\\server\share\...", also "\\?\C:\..." and "\\?\UNC\..."
    DriveRelative,  // "C:name", relative to that drive's current folder
    Rooted,         // "\name", on the current folder's drive
    Relative,
};

WindowsPathKind KindOfWindowsPath(std::string_view path);

// path made absolute against base (an absolute folder), with backslashes
// only, without "." and repeated separators, ".." taking away the name
// before it but never the drive or share. A drive-relative path is taken to
// lie in base, which the caller chooses as that drive's current folder.
// Names are kept exactly, trailing dots and spaces too: the wide calls
// change nothing behind an extended-length prefix.
std::string LexicalWindowsPath(std::string_view base, std::string_view path);

// An absolute path in the extended-length form ("\\?\C:\...",
// "\\?\UNC\server\share\..."), which lifts the limit of 260 characters and
// keeps every name as it is. Returns 0, EINVAL for a relative path and
// EILSEQ for bytes that are not WTF-8.
int ExtendedPath(std::string_view absolute, std::wstring& wide);

// The path a wide call gave back, without its extended-length prefix, in
// WTF-8.
std::string PathFromWide(std::wstring_view wide);

}  // namespace zentavo
