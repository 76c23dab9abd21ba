// Paths of a made-up photo library for the benchmarks: every path 60 bytes
// long, files spread evenly over the folders.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/path_syntax.h"
#include "core/rename_list.h"

namespace zentavo {

constexpr size_t kLibraryPathLength = 60;

// count paths over folders folders, in a shuffled order fixed by seed.
std::vector<std::string> LibraryPaths(size_t count, size_t folders, PathSyntax syntax,
                                      unsigned seed = 1);

// The same paths as a rename list.
RenameList LibraryList(size_t count, size_t folders, PathSyntax syntax);

}  // namespace zentavo
