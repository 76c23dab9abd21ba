#include "fileops/lexical_path.h"

#include <vector>

#include "core/path_parts.h"

namespace zentavo {

void AppendPosixName(std::string& path, std::string_view name) {
    AppendPathName(path, name, PathSyntax::Posix, CodePage());
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    AppendPosixName(path, name);
    return path;
}

std::string FolderOf(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos) return ".";
    const size_t end = path.find_last_not_of('/', slash);
    if (end == std::string_view::npos) return "/";
    return std::string(path.substr(0, end + 1));
}

std::string LexicallyAbsolute(std::string_view base, std::string_view path) {
    std::string joined;
    if (path.empty() || path.front() != '/') {
        joined.assign(base);
        AppendPosixName(joined, path);
    } else {
        joined.assign(path);
    }

    std::vector<std::string_view> parts;
    std::string_view rest = joined;
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }

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
