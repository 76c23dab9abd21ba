#include "app/module_paths.h"

#include <unistd.h>

#include <vector>

namespace zentavo {

namespace {

// Where the file name starts, and where its extension's dot stands (npos
// for none).
struct NameParts {
    size_t name_start;
    size_t extension_dot;
};

NameParts SplitName(std::string_view path) {
    const size_t slash = path.rfind('/');
    const size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    const bool has_extension = dot != std::string_view::npos && dot > name_start;
    return {name_start, has_extension ? dot : std::string_view::npos};
}

}  // namespace

std::string ExecutablePath() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (size_t(length) < buffer.size()) return std::string(buffer.data(), size_t(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExecutableTitle(std::string_view executable_path) {
    const NameParts parts = SplitName(executable_path);
    const size_t end = parts.extension_dot == std::string_view::npos ? executable_path.size()
                                                                     : parts.extension_dot;
    return std::string(executable_path.substr(parts.name_start, end - parts.name_start));
}

std::string HelpFilePath(std::string_view executable_path) {
    const NameParts parts = SplitName(executable_path);
    return std::string(executable_path.substr(0, parts.extension_dot)) + ".HLP";
}

}  // namespace zentavo
