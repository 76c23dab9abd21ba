#include "engine/move_list.h"

#include <algorithm>

namespace zentavo {

void MoveList::Add(std::string_view from, std::string_view to, uint32_t origin,
                   FileIdentity identity) {
    Move move;
    move.at = texts_.size();
    move.from_size = uint32_t(from.size());
    move.to_size = uint32_t(to.size());
    move.origin = origin;
    move.identity = identity;
    texts_ += from;
    texts_ += to;
    moves_.push_back(move);
}

void MoveList::SortByFrom(size_t first, size_t last) {
    const auto from_of = [&](const Move& move) {
        return std::string_view(texts_.data() + move.at, move.from_size);
    };
    std::sort(moves_.begin() + ptrdiff_t(first), moves_.begin() + ptrdiff_t(last),
              [&](const Move& a, const Move& b) {
                  return RenameList::PathLess(from_of(a), from_of(b));
              });
}

}  // namespace zentavo
