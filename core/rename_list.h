// The table of files to rename: one row per file, kept sorted by path.
//
// A row is its full path (the row's key, never rewritten), its new name (the
// file name alone, possibly empty), the inode its folder listing gave (0 if
// not known), its mark and, for a Failed mark, an errno-style reason (0 if
// none known). The texts live end to end in two buffers, so a row costs 32
// bytes beside its texts; a view the list hands out stays valid until the
// list next changes a text (a mark change leaves texts alone). No text may
// reach 4 GiB, and a buffer stops short of 256 TiB: one that would grow past
// it throws std::length_error, as a string grown past its max_size does.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/path_batch.h"
#include "core/path_syntax.h"

namespace zentavo {

// Also the index of the row's image in the row image strip (image 2, an
// orange ball, is never assigned).
enum class RowMark : unsigned char {
    Pending = 0,
    Renamed = 1,
    Failed = 3,
};

// The longest new name a row can use: a whole path must fit in PATH_MAX
// (4096 bytes with its terminator), and a name may lead into subfolders.
inline constexpr size_t kMaxNewNameLength = 4095;

// A row with such a name is shown as too long and fails without a move.
inline bool NameTooLong(std::string_view name) {
    return name.size() > kMaxNewNameLength;
}

class RenameList {
public:
    explicit RenameList(PathSyntax syntax = kNativeSyntax) : syntax_(syntax) {}

    PathSyntax syntax() const { return syntax_; }
    size_t count() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }

    std::string_view path(size_t i) const { return PathOf(rows_[i]); }
    std::string_view new_name(size_t i) const {
        return {names_.data() + rows_[i].NameAt(), rows_[i].name_size};
    }
    uint64_t inode(size_t i) const { return rows_[i].inode; }

    // Marks may be read on one thread while a rename run on another sets
    // them, so that a window can show rows turning green; nothing else of a
    // row changes during a run. A mark is set after its reason, so whoever
    // reads a Failed mark reads its reason too.
    RowMark mark(size_t i) const {
        return std::atomic_ref(const_cast<RowMark&>(rows_[i].mark)).load(std::memory_order_acquire);
    }
    int failure(size_t i) const {
        return std::atomic_ref(const_cast<int16_t&>(rows_[i].failure))
            .load(std::memory_order_relaxed);
    }

    void SetNewName(size_t i, std::string_view name);
    void SetMark(size_t i, RowMark mark, int failure = 0) {
        std::atomic_ref(rows_[i].failure).store(int16_t(failure), std::memory_order_relaxed);
        std::atomic_ref(rows_[i].mark).store(mark, std::memory_order_release);
    }

    // The row that names the same file as path: on POSIX the same bytes, on
    // Windows the same text with ASCII letter case ignored.
    std::optional<size_t> Find(std::string_view path) const;

    // Adds a Pending row with an empty new name at its sorted place and
    // returns its index. Does not look for duplicates; see InsertNew.
    size_t Insert(std::string_view path);

    // Adds every path that no row names yet, exactly as inserting them one by
    // one in the given order (each after a Find) would, but sorted and merged
    // in one go, each row with its inode from the batch. Returns the number
    // of rows added.
    size_t InsertNew(PathBatch batch);
    size_t InsertNew(const std::vector<std::string>& paths);

    // Gives back the room a pass over every row's name left its buffer to
    // grow into: names added one by one grow it by doubling.
    void FitNames();

    // Removes the rows at the given indexes (any order, repeats allowed); the
    // others keep their order.
    void Remove(std::span<const size_t> indexes);
    void RemoveAll();

    // The sort order: ASCII letters folded, and where two paths fold equal,
    // their bytes; a total order, so every row's position is defined.
    static bool PathLess(std::string_view a, std::string_view b);

private:
    // Where a row's texts lie in their buffers, and the rest, in 32 bytes: an
    // offset in 48 bits, split so that nothing pads the row; a failure is an
    // errno value, which fits in 16 bits.
    struct Row {
        uint64_t inode = 0;
        uint32_t path_at_low = 0;
        uint32_t name_at_low = 0;
        uint32_t path_size = 0;
        uint32_t name_size = 0;
        uint16_t path_at_high = 0;
        uint16_t name_at_high = 0;
        int16_t failure = 0;
        RowMark mark = RowMark::Pending;

        uint64_t PathAt() const { return uint64_t(path_at_high) << 32 | path_at_low; }
        uint64_t NameAt() const { return uint64_t(name_at_high) << 32 | name_at_low; }
        void SetPathAt(uint64_t at) {
            path_at_low = uint32_t(at);
            path_at_high = uint16_t(at >> 32);
        }
        void SetNameAt(uint64_t at) {
            name_at_low = uint32_t(at);
            name_at_high = uint16_t(at >> 32);
        }
    };
    static_assert(sizeof(Row) == 32);
    using TextAt = uint64_t (Row::*)() const;
    using SetTextAt = void (Row::*)(uint64_t);
    using TextSize = uint32_t Row::*;

    // Whether a and b name the same file under this list's syntax.
    bool SameFile(std::string_view a, std::string_view b) const;
    std::string_view PathOf(const Row& row) const {
        return {paths_.data() + row.PathAt(), row.path_size};
    }
    // Drops the bytes no row uses once they outweigh the ones in use, so that
    // rewriting names or removing rows never lets a buffer grow without end.
    void ReleaseDead(std::string& texts, size_t& dead, TextAt at, SetTextAt set_at,
                     TextSize size);

    PathSyntax syntax_;
    std::vector<Row> rows_;
    std::string paths_;
    std::string names_;
    size_t dead_path_bytes_ = 0;  // of paths_, used by no row
    size_t dead_name_bytes_ = 0;
};

}  // namespace zentavo
