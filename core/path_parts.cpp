#include "core/path_parts.h"

namespace zentavo {

void AppendPathName(std::string& path, std::string_view name, PathSyntax syntax,
                    const CodePage& page) {
    const std::string_view separators = Separators(syntax);
    const bool ends_in_separator =
        !path.empty() &&
        (page.IsDoubleByte() ? page.FindLastOf(path, separators) == path.size() - 1
                             : separators.find(path.back()) != std::string_view::npos);
    if (!ends_in_separator) path += Separator(syntax);
    path += name;
}

CPathParts::CPathParts(std::string_view p, PathSyntax syntax, const CodePage& page) {
    Parse(p, syntax, page);
}

void CPathParts::Parse(std::string_view p, PathSyntax syntax, const CodePage& page) {
    path.assign(p);

    const size_t last_separator = page.FindLastOf(p, Separators(syntax));
    if (last_separator == std::string_view::npos) {
        name.assign(p);
        // Not assign("."): g++ 12 at -O3 takes that for an overlapping copy
        // (a false -Wrestrict) and the Release build stops.
        directory.assign(1, '.');
    } else {
        name.assign(p.substr(last_separator + 1));
        directory.assign(p.substr(0, last_separator));
    }

    const size_t last_dot = page.FindLast(name, '.');
    if (last_dot == std::string::npos) {
        extension.clear();
        title.assign(name);
    } else {
        extension.assign(name, last_dot + 1);
        title.assign(name, 0, last_dot);
    }

    CutFolders(syntax, page);
}

void CPathParts::CutFolders(PathSyntax syntax, const CodePage& page) {
    const std::string_view separators = Separators(syntax);
    std::string_view rest = directory;
    if (syntax == PathSyntax::Windows && rest.size() >= 2 && rest[1] == ':') rest.remove_prefix(2);
    if (!rest.empty() && separators.find(rest.front()) != std::string_view::npos)
        rest.remove_prefix(1);

    // Assign into the existing strings rather than clearing the vector, so
    // their buffers are kept for the next path.
    size_t count = 0;
    auto append = [&](std::string_view folder) {
        if (count == folders.size()) folders.emplace_back();
        folders[count++].assign(folder);
    };
    while (!rest.empty()) {
        const size_t next = page.FindFirstOf(rest, separators);
        if (next == std::string_view::npos) {
            append(rest);
            break;
        }
        append(rest.substr(0, next));
        rest.remove_prefix(next + 1);
    }
    folders.resize(count);
}

}  // namespace zentavo
