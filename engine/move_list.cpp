#include "engine/move_list.h"

#include <algorithm>

namespace zentavo {

namespace {

template <typename Move>
Move Appended(std::string& texts, std::string_view from, std::string_view to, uint32_t origin,
              const FileIdentity& identity) {
    Move move;
    move.at = texts.size();
    move.first_size = uint32_t(from.size());
    move.second_size = uint32_t(to.size());
    move.origin = origin;
    move.identity = identity;
    texts += from;
    texts += to;
    return move;
}

}  // namespace

void MoveList::Add(std::string_view from, std::string_view to, uint32_t origin,
                   FileIdentity identity) {
    moves_.push_back(Appended<Move>(texts_, from, to, origin, identity));
}

void MoveList::AddRow(uint32_t row, std::string_view to) {
    moves_.push_back(Appended<Move>(texts_, {}, to, row, {}));
}

MoveList::Anew::Anew(MoveList& list, size_t moves, size_t bytes) : list_(list) {
    moves_.reserve(moves);
    if (bytes > 0) list_.texts_.reserve(list_.texts_.size() + bytes);
}

void MoveList::Anew::Backwards(size_t i, uint32_t origin, const FileIdentity& identity) {
    Move move = list_.moves_[i];
    move.origin = origin;
    move.identity = identity;
    move.failure = 0;
    move.mark = RowMark::Pending;
    move.backwards = !move.backwards;
    moves_.push_back(move);
}

void MoveList::Anew::Add(std::string_view from, std::string_view to, uint32_t origin,
                         const FileIdentity& identity) {
    moves_.push_back(Appended<Move>(list_.texts_, from, to, origin, identity));
}

void MoveList::Anew::Finish() {
    list_.moves_ = std::move(moves_);
}

void MoveList::SortByFrom(size_t first, size_t last) {
    const auto from_of = [&](const Move& move) { return text(FromOf(move)); };
    std::sort(moves_.begin() + ptrdiff_t(first), moves_.begin() + ptrdiff_t(last),
              [&](const Move& a, const Move& b) {
                  return RenameList::PathLess(from_of(a), from_of(b));
              });
}

}  // namespace zentavo
