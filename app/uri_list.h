// The file paths of a drop, read from its text/uri-list data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// The local file URLs of a text/uri-list, in their order, each as the bytes
// of its path: the URL's encoded path, percent-decoded byte by byte, so a
// name that is not valid UTF-8 comes out exactly. A file URL is local when
// its host is empty, "localhost" or host_name; other URLs, and paths that
// would hold a NUL byte, are passed over.
std::vector<std::string> LocalPathsFromUriList(std::string_view uri_list,
                                               std::string_view host_name);

// Percent-decodes bytes; a "%" not followed by two hex digits stays as it is.
std::string PercentDecode(std::string_view encoded);

}  // namespace zentavo
