// The table of files to rename: one row per file, kept sorted by path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/path_syntax.h"

namespace zentavo {

// Also the index of the row's image in the row image strip (image 2, an
// orange ball, is never assigned).
enum class RowMark : unsigned char {
    Pending = 0,
    Renamed = 1,
    Failed = 3,
};

struct RenameRow {
    std::string path;      // full path; the row's key, never rewritten
    std::string new_name;  // file name alone, possibly empty
    uint64_t inode = 0;    // as the folder listing gave it; 0 if not known
    RowMark mark = RowMark::Pending;
    int failure = 0;  // errno-style reason of a Failed mark, 0 if none known
};

class RenameList {
public:
    explicit RenameList(PathSyntax syntax = kNativeSyntax) : syntax_(syntax) {}

    PathSyntax syntax() const { return syntax_; }
    size_t count() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }

    const RenameRow& row(size_t i) const { return rows_[i]; }
    const std::string& path(size_t i) const { return rows_[i].path; }
    const std::string& new_name(size_t i) const { return rows_[i].new_name; }
    uint64_t inode(size_t i) const { return rows_[i].inode; }
    RowMark mark(size_t i) const { return rows_[i].mark; }
    int failure(size_t i) const { return rows_[i].failure; }

    void SetNewName(size_t i, std::string name) { rows_[i].new_name = std::move(name); }
    void SetMark(size_t i, RowMark mark, int failure = 0) {
        rows_[i].mark = mark;
        rows_[i].failure = failure;
    }

    // The row that names the same file as path: on POSIX the same bytes, on
    // Windows the same text with ASCII letter case ignored.
    std::optional<size_t> Find(std::string_view path) const;

    // Adds a Pending row with an empty new name at its sorted place and
    // returns its index. Does not look for duplicates; see InsertNew.
    size_t Insert(std::string path);

    // Adds every path that no row names yet, exactly as inserting them one by
    // one in the given order (each after a Find) would, but sorted and merged
    // in one go. Returns the number of rows added. inodes, when not empty,
    // holds the inode number of each path.
    size_t InsertNew(std::vector<std::string> paths, const std::vector<uint64_t>& inodes = {});

    void Remove(size_t i);
    // Removes the rows at the given indexes (any order, repeats allowed); the
    // others keep their order.
    void Remove(std::span<const size_t> indexes);
    void RemoveAll() { rows_.clear(); }

    // The sort order: ASCII letters folded, and where two paths fold equal,
    // their bytes; a total order, so every row's position is defined.
    static bool PathLess(std::string_view a, std::string_view b);

private:
    // Whether a and b name the same file under this list's syntax.
    bool SameFile(std::string_view a, std::string_view b) const;

    PathSyntax syntax_;
    std::vector<RenameRow> rows_;
};

}  // namespace zentavo
