// The lexical keys of the system's paths (LexicalKey) as views, for a
// journal's many paths to be found by: a path that is its own key costs no
// copy, so only the few spelt otherwise ("dir/./a", "dir//a") do.
#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace zentavo {

class PathKeys {
public:
    // Valid as long as both path and this object.
    std::string_view operator()(std::string_view path);

private:
    std::deque<std::string> respelt_;
};

}  // namespace zentavo
