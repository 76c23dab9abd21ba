#include "engine/lexical_path.h"

#include <vector>

#include "core/path_parts.h"

namespace zentavo {

std::string JoinPath(std::string_view folder, std::string_view name, PathSyntax syntax) {
    std::string path(folder);
    AppendPathName(path, name, syntax, CodePage());
    return path;
}

std::string FolderOf(std::string_view path, PathSyntax syntax) {
    const std::string_view separators = Separators(syntax);
    const size_t slash = path.find_last_of(separators);
    if (slash == std::string_view::npos) return ".";
    const size_t end = path.find_last_not_of(separators, slash);
    if (end == std::string_view::npos) return std::string(1, Separator(syntax));
    // "C:" alone is the drive's current folder, not its root.
    const bool drive = syntax == PathSyntax::Windows && end == 1 && path[1] == ':';
    return std::string(path.substr(0, end + (drive ? 2 : 1)));
}

namespace {

// AppendPathName for POSIX paths, where the slash is a character of its own
// on every code page.
void AppendPosixName(std::string& path, std::string_view name) {
    AppendPathName(path, name, PathSyntax::Posix, CodePage());
}

// The names of path cut at separators, "." and empty ones left out and ".."
// taking the one before it.
std::vector<std::string_view> NormalNames(std::string_view path, std::string_view separators) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const size_t cut = path.find_first_of(separators);
        const std::string_view name = path.substr(0, cut);
        path = cut == std::string_view::npos ? std::string_view{} : path.substr(cut + 1);
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    return names;
}

std::string WindowsKey(std::string_view path) {
    const std::string_view separators = Separators(PathSyntax::Windows);
    auto is_separator = [&](size_t i) {
        return i < path.size() && separators.find(path[i]) != std::string_view::npos;
    };
    std::string key;
    std::string_view rest;
    if (path.size() >= 2 && path[1] == ':' && is_separator(2)) {
        key.append(path.data(), 2);
        rest = path.substr(3);
    } else if (is_separator(0) && is_separator(1)) {
        // The server and the share are the root: ".." never climbs out of it.
        key = "\\\\";
        rest = path.substr(2);
        for (int root_names = 0; root_names < 2; ++root_names) {
            const size_t cut = rest.find_first_of(separators);
            if (root_names > 0) key += '\\';
            key += rest.substr(0, cut);
            rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
        }
    } else {
        return std::string(path);
    }
    const std::vector<std::string_view> names = NormalNames(rest, separators);
    if (names.empty()) key += '\\';
    for (std::string_view name : names) {
        key += '\\';
        key += name;
    }
    return key;
}

}  // namespace

std::string LexicalKey(std::string_view path, PathSyntax syntax) {
    if (syntax == PathSyntax::Windows) return WindowsKey(path);
    if (path.empty() || path.front() != '/') return std::string(path);
    return LexicallyAbsolute("/", path);
}

std::string LexicallyAbsolute(std::string_view base, std::string_view path) {
    std::string joined;
    if (path.empty() || path.front() != '/') {
        joined.assign(base);
        AppendPosixName(joined, path);
    } else {
        joined.assign(path);
    }

    const std::vector<std::string_view> parts = NormalNames(joined, "/");

    std::string out;
    out.reserve(joined.size());
    for (std::string_view part : parts) {
        out += '/';
        out += part;
    }
    if (out.empty()) out = "/";
    return out;
}

}  // namespace zentavo
