#include "engine/path_keys.h"

#include "engine/lexical_path.h"

namespace zentavo {

std::string_view PathKeys::operator()(std::string_view path) {
    std::string key = LexicalKey(path, syntax_);
    if (key == path) return path;
    return respelt_.emplace_back(std::move(key));
}

}  // namespace zentavo
