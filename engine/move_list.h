// The moves of a run, each from one path to another: what a rename run makes
// of the list's rows, what a journal planned, what an undo takes back. The
// paths lie end to end in one buffer, as the rename list keeps its texts, so
// a move costs a few numbers beside its bytes, not two strings; the moves of
// the list's rows read their sources from the rows, and an undo's moves point
// at the paths of the plan they take back. A move's second path keeps only
// what follows the start it shares with the first: a rename stays in its
// folder, so the folder is held once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rename_list.h"
#include "engine/file_system.h"

namespace zentavo {

class MoveList {
public:
    MoveList() = default;
    // A list of the rename list's rows moving, which reads each move's
    // source from its row rather than copy it: the rows must keep their
    // texts while the list lives, as they do during a run (only marks
    // change).
    explicit MoveList(const RenameList& rows) : rows_(&rows) {}

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

    // The move of row from its path to `to`, in a list of rows.
    void AddRow(uint32_t row, std::string_view to);

    size_t count() const { return moves_.size(); }
    bool empty() const { return moves_.empty(); }

    // A move's paths, whole, joined into the caller's own string (one
    // kept for many calls costs no allocation), which is returned.
    const std::string& from(size_t i, std::string& into) const { return FromOf(moves_[i], into); }
    const std::string& to(size_t i, std::string& into) const { return ToOf(moves_[i], into); }

    // Where the path a move was added from lies in the list's buffer (not
    // in a list of rows): unlike a move's index, it outlives the list's
    // moves being made anew. 8 bytes, as an undo holds one per file.
    struct Span {
        uint64_t at : 40 = 0;
        uint64_t size : 24 = 0;
    };
    static_assert(sizeof(Span) == 8);
    Span first_span(size_t i) const { return {moves_[i].at, moves_[i].first_size}; }
    std::string_view text(Span span) const { return {texts_.data() + span.at, span.size}; }

    uint32_t origin(size_t i) const { return moves_[i].origin; }
    const FileIdentity& identity(size_t i) const { return moves_[i].identity; }

    RowMark mark(size_t i) const { return moves_[i].mark; }
    int failure(size_t i) const { return moves_[i].failure; }
    void SetMark(size_t i, RowMark mark, int failure = 0) {
        moves_[i].mark = mark;
        moves_[i].failure = int16_t(failure);
    }

    // Puts the moves [first, last) in the rename list's order of their sources.
    void SortByFrom(size_t first, size_t last);

    // Keeps only the moves that order names, in that order, each made
    // backwards (from its target to its source) and Pending, with the
    // origin and identity that of(k, origin, identity) gives move k (the
    // identity arrives as the move's own, and is called for k in order): the
    // way back over a run's plan, made in place of its moves rather than
    // beside them. order names each move it keeps once, and only moves the
    // list holds.
    using OriginOf = std::function<void(size_t k, uint32_t& origin, FileIdentity& identity)>;
    void TakeBack(const std::vector<uint32_t>& order, const OriginOf& of);

    // Lets the moves go and keeps their paths: spans stay readable by text().
    // A vector assigned {} keeps its block; one moved over gives it back.
    void ForgetMoves() { moves_ = std::vector<Move>(); }

    // Makes the list's moves anew over its paths (below).
    class Anew;

private:
    // 40 bytes: where the move's first path lies, followed by the rest of
    // its second, how much of the first's start the second begins with, and
    // the rest. A failure is an errno value, which fits in 16 bits.
    struct Move {
        uint64_t at : 40 = 0;
        uint64_t shared : 24 = 0;
        uint32_t first_size = 0;  // 0 in a list of rows: the row's path
        uint32_t rest_size = 0;
        uint32_t origin = 0;
        int16_t failure = 0;
        RowMark mark = RowMark::Pending;
        bool backwards = false;  // from the second path to the first
        FileIdentity identity;
    };
    static_assert(sizeof(Move) == 40);

    // The move from first to second, its bytes put at the end of texts:
    // the first path's unless a row holds it, then the rest of the second.
    static Move Appended(std::string& texts, std::string_view first, std::string_view second,
                         uint32_t origin, const FileIdentity& identity, bool first_kept);

    std::string_view First(const Move& move) const {
        return rows_ ? rows_->path(move.origin)
                     : std::string_view(texts_.data() + move.at, move.first_size);
    }
    const std::string& CopyFirst(const Move& move, std::string& into) const {
        into.assign(First(move));
        return into;
    }
    const std::string& JoinSecond(const Move& move, std::string& into) const {
        into.assign(First(move).substr(0, move.shared));
        into.append(texts_.data() + move.at + move.first_size, move.rest_size);
        return into;
    }
    const std::string& FromOf(const Move& move, std::string& into) const {
        return move.backwards ? JoinSecond(move, into) : CopyFirst(move, into);
    }
    const std::string& ToOf(const Move& move, std::string& into) const {
        return move.backwards ? CopyFirst(move, into) : JoinSecond(move, into);
    }

    const RenameList* rows_ = nullptr;
    std::vector<Move> moves_;
    std::string texts_;
};

// Gives a list new moves in place of its own, keeping the paths these had: a
// way back over a run's plan then costs no copy of the plan's paths. The
// list's moves stay as they were until Finish.
class MoveList::Anew {
public:
    // Room for moves, and for bytes of paths that are not the list's
    // already: texts of spans read after this stay valid while moves are
    // added.
    Anew(MoveList& list, size_t moves, size_t bytes);

    // Move i of the list as it was, made backwards: from its target to its
    // source.
    void Backwards(size_t i, uint32_t origin, const FileIdentity& identity);
    void Add(std::string_view from, std::string_view to, uint32_t origin,
             const FileIdentity& identity);
    void Finish();

private:
    MoveList& list_;
    std::vector<Move> moves_;
};

}  // namespace zentavo
