#include "engine/move_list.h"

#include <algorithm>

namespace zentavo {

MoveList::Move MoveList::Appended(std::string& texts, std::string_view first,
                                  std::string_view second, uint32_t origin,
                                  const FileIdentity& identity, bool first_kept) {
    constexpr size_t kMostShared = (size_t{1} << 24) - 1;
    const size_t most = std::min({first.size(), second.size(), kMostShared});
    size_t shared = 0;
    while (shared < most && first[shared] == second[shared]) ++shared;
    Move move;
    move.at = texts.size();
    move.shared = shared;
    move.first_size = first_kept ? uint32_t(first.size()) : 0;
    move.rest_size = uint32_t(second.size() - shared);
    move.origin = origin;
    move.identity = identity;
    if (first_kept) texts += first;
    texts += second.substr(shared);
    return move;
}

void MoveList::Add(std::string_view from, std::string_view to, uint32_t origin,
                   FileIdentity identity) {
    moves_.push_back(Appended(texts_, from, to, origin, identity, true));
}

void MoveList::AddRow(uint32_t row, std::string_view to) {
    moves_.push_back(Appended(texts_, rows_->path(row), to, row, {}, false));
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
    moves_.push_back(Appended(list_.texts_, from, to, origin, identity, true));
}

void MoveList::Anew::Finish() {
    list_.moves_ = std::move(moves_);
}

void MoveList::TakeBack(const std::vector<uint32_t>& order, const OriginOf& of) {
    constexpr uint32_t kGoes = UINT32_MAX;
    // Where each move is to be: kGoes for one that order does not keep, or
    // that has been carried to its place already.
    std::vector<uint32_t> place(moves_.size(), kGoes);
    for (size_t k = 0; k < order.size(); ++k) place[order[k]] = uint32_t(k);
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
}

void MoveList::SortByFrom(size_t first, size_t last) {
    std::string a_from;
    std::string b_from;
    std::sort(moves_.begin() + ptrdiff_t(first), moves_.begin() + ptrdiff_t(last),
              [&](const Move& a, const Move& b) {
                  return RenameList::PathLess(FromOf(a, a_from), FromOf(b, b_from));
              });
}

}  // namespace zentavo
