// The table of files to rename: one row per file, kept sorted by path.
//
// A row is its full path (the row's key, never rewritten), its new name (the
// file name alone, possibly empty), the inode its folder listing gave (0 if
// not known), its mark and, for a Failed mark, an errno-style reason (0 if
// none known). The texts live end to end in two buffers, so a row costs 24
// bytes beside its texts; a view the list hands out stays valid until the
// list next changes a text (a mark change leaves texts alone). A buffer stops
// short of 1 TiB: one that would grow past it throws std::length_error, as a
// string grown past its max_size does.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
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
    std::string_view new_name(size_t i) const { return TextOf(rows_[i], kName); }
    uint64_t inode(size_t i) const { return rows_[i].inode; }

    // Marks may be read on one thread while a rename run on another sets
    // them, so that a window can show rows turning green; nothing else of a
    // row changes during a run. A mark is set with its reason, so whoever
    // reads a Failed mark reads its reason too.
    RowMark mark(size_t i) const { return RowMark(Outcome(i, std::memory_order_acquire) & 3); }
    int failure(size_t i) const { return Outcome(i, std::memory_order_relaxed) >> 2; }

    void SetNewName(size_t i, std::string_view name);
    // failure is an errno value, below 16384.
    void SetMark(size_t i, RowMark mark, int failure = 0) {
        std::atomic_ref(rows_[i].outcome)
            .store(uint16_t(failure << 2 | int(mark)), std::memory_order_release);
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
    // A row's two texts, each in its own buffer.
    enum Text { kPath = 0, kName = 1 };
    // A size from here up is kept beside the buffer, by where its text lies.
    static constexpr uint16_t kLongText = UINT16_MAX;

    // Where a row's texts lie in their buffers, and the rest, in 24 bytes:
    // an offset in 40 bits, split so that nothing pads the row, and a size in
    // 16 (kLongText for a longer text); the mark and the failure, an errno
    // value, share one word, the mark in its low two bits, so that whoever
    // reads a Failed mark reads its reason with it.
    struct Row {
        uint64_t inode = 0;
        uint32_t at_low[2] = {};
        uint16_t size[2] = {};
        uint8_t at_high[2] = {};
        uint16_t outcome = 0;
    };
    static_assert(sizeof(Row) == 24);

    struct TextBuffer {
        std::string bytes;
        size_t dead = 0;  // used by no row
        std::unordered_map<uint64_t, size_t> long_sizes;  // by where each text lies
    };

    uint16_t Outcome(size_t i, std::memory_order order) const {
        return std::atomic_ref(const_cast<uint16_t&>(rows_[i].outcome)).load(order);
    }
    static uint64_t At(const Row& row, Text text) {
        return uint64_t(row.at_high[text]) << 32 | row.at_low[text];
    }
    size_t Size(const Row& row, Text text) const {
        const uint16_t size = row.size[text];
        return size != kLongText ? size : texts_[text].long_sizes.at(At(row, text));
    }
    std::string_view TextOf(const Row& row, Text text) const {
        return {texts_[text].bytes.data() + At(row, text), Size(row, text)};
    }
    std::string_view PathOf(const Row& row) const { return TextOf(row, kPath); }
    // Makes the row's text the size bytes at at.
    void Place(Row& row, Text text, uint64_t at, size_t size);
    // Whether a and b name the same file under this list's syntax.
    bool SameFile(std::string_view a, std::string_view b) const;
    // Drops the bytes no row uses once they outweigh the ones in use, so that
    // rewriting names or removing rows never lets a buffer grow without end.
    void ReleaseDead(Text text);

    PathSyntax syntax_;
    std::vector<Row> rows_;
    TextBuffer texts_[2];
};

}  // namespace zentavo
