#include "bench/core/library_paths.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>

namespace zentavo {

std::vector<std::string> LibraryPaths(size_t count, size_t folders, PathSyntax syntax,
                                      unsigned seed) {
    const char* const format =
        syntax == PathSyntax::Windows
            ? "C:\\Users\\me\\Pictures\\Trip\\Holiday Album %04zu\\IMG_%07zu.JPG"
            : "/home/user/Pictures/Trips/Holiday Album %04zu/IMG_%07zu.JPG";
    std::vector<std::string> paths;
    paths.reserve(count);
    char buffer[128];
    for (size_t i = 0; i < count; ++i) {
        const int length = std::snprintf(buffer, sizeof buffer, format, i % folders, i);
        if (length != int(kLibraryPathLength)) throw std::logic_error("library path length");
        paths.emplace_back(buffer, size_t(length));
    }
    std::shuffle(paths.begin(), paths.end(), std::mt19937(seed));
    return paths;
}

RenameList LibraryList(size_t count, size_t folders, PathSyntax syntax) {
    RenameList list(syntax);
    list.InsertNew(LibraryPaths(count, folders, syntax));
    return list;
}

}  // namespace zentavo
