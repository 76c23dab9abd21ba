// The lexical keys of a file system's paths (LexicalKey) as views, for a
// journal's many paths to be found by: a path that is its own key costs no
// copy, so only the few spelt otherwise ("dir/./a", "dir//a") do.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "core/path_syntax.h"

namespace zentavo {

class PathKeys {
public:
    explicit PathKeys(PathSyntax syntax) : syntax_(syntax) {}

    // Valid as long as both path and this object.
    std::string_view operator()(std::string_view path);

private:
    PathSyntax syntax_;
    std::deque<std::string> respelt_;
};

}  // namespace zentavo
