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

bool MoveList::TakeBack(const std::vector<uint32_t>& order, const OriginOf& of) {
    constexpr uint32_t kGoes = UINT32_MAX;
    // Where each move is to be: kGoes for one that order does not keep, or
    // that has been carried to its place already.
    std::vector<uint32_t> place(moves_.size(), kGoes);
    for (size_t k = 0; k < order.size(); ++k) {
        if (order[k] >= moves_.size() || place[order[k]] != kGoes) return false;
        place[order[k]] = uint32_t(k);
    }
    // Each move is carried to its place, and the one there on to its own:
    // a place is given to one move alone, so the chain ends at a move that
    // goes or has gone.
    for (size_t start = 0; start < moves_.size(); ++start) {
        uint32_t to = place[start];
        if (to == kGoes) continue;
        place[start] = kGoes;
        Move carried = moves_[start];
        while (true) {
            const uint32_t next = place[to];
            place[to] = kGoes;
            std::swap(carried, moves_[to]);
            if (next == kGoes) break;
            to = next;
        }
    }
    moves_.resize(order.size());
    for (size_t k = 0; k < moves_.size(); ++k) {
        Move& move = moves_[k];
        of(k, move.origin, move.identity);
        move.failure = 0;
        move.mark = RowMark::Pending;
        move.backwards = !move.backwards;
    }
    return true;
}

void MoveList::SortByFrom(size_t first, size_t last) {
    const auto from_of = [&](const Move& move) { return text(FromOf(move)); };
    std::sort(moves_.begin() + ptrdiff_t(first), moves_.begin() + ptrdiff_t(last),
              [&](const Move& a, const Move& b) {
                  return RenameList::PathLess(from_of(a), from_of(b));
              });
}

}  // namespace zentavo
