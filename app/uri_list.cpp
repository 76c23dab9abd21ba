#include "app/uri_list.h"

#include <optional>

#include "core/text.h"

namespace zentavo {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> LocalPath(std::string_view url, std::string_view host_name) {
    constexpr std::string_view kScheme = "file:";
    if (url.size() < kScheme.size() || !EqualsIgnoreAsciiCase(url.substr(0, 5), kScheme))
        return std::nullopt;
    std::string_view rest = url.substr(kScheme.size());
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        if (slash == std::string_view::npos) return std::nullopt;
        const std::string_view host = rest.substr(0, slash);
        if (!host.empty() && !EqualsIgnoreAsciiCase(host, "localhost") &&
            !(EqualsIgnoreAsciiCase(host, host_name) && !host_name.empty()))
            return std::nullopt;
        rest.remove_prefix(slash);
    }
    if (rest.empty() || rest.front() != '/') return std::nullopt;
    std::string path = PercentDecode(rest);
    // No file has a NUL in its path, and the system would read only the part
    // before it: another file.
    if (path.find('\0') != std::string::npos) return std::nullopt;
    return path;
}

}  // namespace

std::string PercentDecode(std::string_view encoded) {
    std::string decoded;
    decoded.reserve(encoded.size());
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size() && HexValue(encoded[i + 1]) >= 0 &&
            HexValue(encoded[i + 2]) >= 0) {
            decoded += char(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
            i += 2;
        } else {
            decoded += encoded[i];
        }
    }
    return decoded;
}

std::vector<std::string> LocalPathsFromUriList(std::string_view uri_list,
                                               std::string_view host_name) {
    std::vector<std::string> paths;
    while (!uri_list.empty()) {
        const size_t end = uri_list.find('\n');
        std::string_view line = uri_list.substr(0, end);
        uri_list.remove_prefix(end == std::string_view::npos ? uri_list.size() : end + 1);
        line = TrimView(line);
        if (line.empty() || line.front() == '#') continue;
        if (auto path = LocalPath(line, host_name)) paths.push_back(std::move(*path));
    }
    return paths;
}

}  // namespace zentavo
