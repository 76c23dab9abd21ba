// The moves of a run, each from one path to another: what a rename run makes
// of the list's rows, what a journal planned, what an undo takes back. The
// paths lie end to end in one buffer, as the rename list keeps its texts, so
// a move costs a few numbers beside its bytes, not two strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/rename_list.h"
#include "engine/file_system.h"

namespace zentavo {

class MoveList {
public:
    // Room for moves whose paths take bytes in all, so that the list holds
    // no slack from growing.
    void Reserve(size_t moves, size_t bytes) {
        moves_.reserve(moves);
        texts_.reserve(bytes);
    }

    // origin is what the move stands for in its owner's terms: a row of the
    // rename list, a file of an undo. The move starts Pending.
    void Add(std::string_view from, std::string_view to, uint32_t origin,
             FileIdentity identity = {});

    size_t count() const { return moves_.size(); }
    bool empty() const { return moves_.empty(); }

    // Views valid until the list next grows.
    std::string_view from(size_t i) const {
        return {texts_.data() + moves_[i].at, moves_[i].from_size};
    }
    std::string_view to(size_t i) const {
        return {texts_.data() + moves_[i].at + moves_[i].from_size, moves_[i].to_size};
    }
    uint32_t origin(size_t i) const { return moves_[i].origin; }
    const FileIdentity& identity(size_t i) const { return moves_[i].identity; }

    RowMark mark(size_t i) const { return moves_[i].mark; }
    int failure(size_t i) const { return moves_[i].failure; }
    void SetMark(size_t i, RowMark mark, int failure = 0) {
        moves_[i].mark = mark;
        moves_[i].failure = failure;
    }

    // Puts the moves [first, last) in the rename list's order of their sources.
    void SortByFrom(size_t first, size_t last);

private:
    // 48 bytes: where the move's two paths lie, one after the other, and the rest.
    struct Move {
        uint64_t at = 0;
        uint32_t from_size = 0;
        uint32_t to_size = 0;
        uint32_t origin = 0;
        int failure = 0;
        FileIdentity identity;
        RowMark mark = RowMark::Pending;
    };

    std::vector<Move> moves_;
    std::string texts_;
};

}  // namespace zentavo
