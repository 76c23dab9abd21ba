#include "win32/windows_path.h"

#include <cerrno>
#include <optional>
#include <vector>

#include "core/utf8.h"

namespace zentavo {

namespace {

constexpr std::string_view kExtendedPrefix = R"(\\?\)";
constexpr std::string_view kExtendedUncPrefix = R"(\\?\UNC\)";

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

// The next name of path from at on, and where the one after it begins.
std::string_view NextName(std::string_view path, size_t& at) {
    while (at < path.size() && IsSlash(path[at])) ++at;
    const size_t begin = at;
    while (at < path.size() && !IsSlash(path[at])) ++at;
    return path.substr(begin, at - begin);
}

// The root of an absolute path ("C:\", "\\server\share\") and where its
// names begin.
std::string RootOf(std::string_view path, size_t& names_at) {
    size_t skip = 2;  // "\\server\share"
    if (path.starts_with(kExtendedUncPrefix)) {
        skip = kExtendedUncPrefix.size();
    } else if (path.starts_with(kExtendedPrefix)) {
        skip = kExtendedPrefix.size();
    } else if (HasDrive(path)) {
        skip = 0;
    }
    const std::string_view rest = path.substr(skip);
    if (HasDrive(rest)) {
        names_at = skip + 2;
        return std::string(rest.substr(0, 2)) + '\\';
    }
    size_t at = 0;
    const std::string_view server = NextName(rest, at);
    const std::string_view share = NextName(rest, at);
    names_at = skip + at;
    std::string root = R"(\\)";
    root.append(server).append("\\");
    if (!share.empty()) root.append(share).append("\\");
    return root;
}

void AppendNames(std::string_view path, size_t at, std::vector<std::string_view>& names) {
    while (at < path.size()) {
        const std::string_view name = NextName(path, at);
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(name);
    }
}

}  // namespace

WindowsPathKind KindOfWindowsPath(std::string_view path) {
    if (HasDrive(path))
        return path.size() > 2 && IsSlash(path[2]) ? WindowsPathKind::Drive
                                                   : WindowsPathKind::DriveRelative;
    if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) return WindowsPathKind::Unc;
    if (!path.empty() && IsSlash(path[0])) return WindowsPathKind::Rooted;
    return WindowsPathKind::Relative;
}

std::string LexicalWindowsPath(std::string_view base, std::string_view path) {
    const WindowsPathKind kind = KindOfWindowsPath(path);
    const bool absolute = kind == WindowsPathKind::Drive || kind == WindowsPathKind::Unc;
    size_t names_at = 0;
    std::string root = RootOf(absolute ? path : base, names_at);
    std::vector<std::string_view> names;
    if (!absolute) {
        if (kind != WindowsPathKind::Rooted) AppendNames(base, names_at, names);
        names_at = kind == WindowsPathKind::DriveRelative ? 2 : 0;
    }
    AppendNames(path, names_at, names);
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) root += '\\';
        root.append(names[i]);
    }
    return root;
}

int ExtendedPath(std::string_view absolute, std::wstring& wide) {
    const WindowsPathKind kind = KindOfWindowsPath(absolute);
    if (kind != WindowsPathKind::Drive && kind != WindowsPathKind::Unc) return EINVAL;
    const std::string normal = LexicalWindowsPath({}, absolute);
    const bool unc = normal.starts_with(R"(\\)");
    const std::optional<std::u16string> units =
        Wtf8ToUtf16(std::string_view(normal).substr(unc ? 2 : 0));
    if (!units) return EILSEQ;
    wide.assign(unc ? L"\\\\?\\UNC\\" : L"\\\\?\\");
    wide.append(units->begin(), units->end());
    return 0;
}

std::string PathFromWide(std::wstring_view wide) {
    std::string prefix;
    if (wide.starts_with(L"\\\\?\\UNC\\")) {
        wide.remove_prefix(8);
        prefix = R"(\\)";
    } else if (wide.starts_with(L"\\\\?\\")) {
        wide.remove_prefix(4);
    }
    return prefix + Utf16ToWtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()),
                                                    wide.size()));
}

}  // namespace zentavo
