#include "core/rename_list.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/text.h"

namespace zentavo {

namespace {

// Where a row's offsets stop: 48 bits.
constexpr uint64_t kMaxTextBytes = uint64_t(1) << 48;

// Throws, as a string grown past its max_size does, when texts cannot take
// more bytes at offsets a row can hold.
void RequireRoom(const std::string& texts, size_t more) {
    if (more > kMaxTextBytes - texts.size())
        throw std::length_error("a rename list's texts would pass 256 TiB");
}

int ComparePaths(std::string_view a, std::string_view b) {
    const int folded = CompareIgnoreAsciiCase(a, b);
    if (folded != 0) return folded;
    return a.compare(b);
}

// Orders rows by compare on their paths, then by position (where each path
// lies in texts, which holds the batch in its given order). A drop gathered
// folder by folder in the list's order is in order already, and one look at
// each pair of neighbours proves it.
template <typename Rows, typename Compare>
void SortByPathThenPosition(Rows& rows, const char* texts, const Compare& compare) {
    const auto path = [texts](const auto& row) {
        return std::string_view(texts + row.PathAt(), row.path_size);
    };
    const auto out_of_order = [&](const auto& a, const auto& b) {
        return compare(path(a), path(b)) > 0;
    };
    if (std::adjacent_find(rows.begin(), rows.end(), out_of_order) == rows.end()) return;

    // A drop's paths usually share a long prefix (the dropped folder); the
    // comparisons start after it, since equal bytes fold equal too.
    const std::string_view first = path(rows.front());
    size_t shared = first.size();
    for (const auto& row : rows) shared = CommonPrefixLength(first.substr(0, shared), path(row));
    std::sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
        const int compared = compare(path(a).substr(shared), path(b).substr(shared));
        return compared != 0 ? compared < 0 : a.PathAt() < b.PathAt();
    });
}

}  // namespace

bool RenameList::PathLess(std::string_view a, std::string_view b) {
    return ComparePaths(a, b) < 0;
}

bool RenameList::SameFile(std::string_view a, std::string_view b) const {
    return IgnoresCase(syntax_) ? EqualsIgnoreAsciiCase(a, b) : a == b;
}

std::optional<size_t> RenameList::Find(std::string_view path) const {
    // Rows that fold equal to path are adjacent and start at the first row
    // not folding below it; exact matching needs the full order instead.
    auto it = IgnoresCase(syntax_)
                  ? std::lower_bound(rows_.begin(), rows_.end(), path,
                                     [this](const Row& row, std::string_view p) {
                                         return CompareIgnoreAsciiCase(PathOf(row), p) < 0;
                                     })
                  : std::lower_bound(rows_.begin(), rows_.end(), path,
                                     [this](const Row& row, std::string_view p) {
                                         return PathLess(PathOf(row), p);
                                     });
    if (it == rows_.end() || !SameFile(PathOf(*it), path)) return std::nullopt;
    return size_t(it - rows_.begin());
}

void RenameList::SetNewName(size_t i, std::string_view name) {
    Row& row = rows_[i];
    if (name.size() <= row.name_size) {
        // The old name's room holds it; name may be a view of that room.
        if (!name.empty()) std::memmove(names_.data() + row.NameAt(), name.data(), name.size());
        dead_name_bytes_ += row.name_size - name.size();
    } else {
        RequireRoom(names_, name.size());
        const uint64_t at = names_.size();
        names_.append(name);  // safe when name is a view of names_
        dead_name_bytes_ += row.name_size;
        row.SetNameAt(at);
    }
    row.name_size = uint32_t(name.size());
    ReleaseDead(names_, dead_name_bytes_, &Row::NameAt, &Row::SetNameAt, &Row::name_size);
}

void RenameList::FitNames() {
    if (names_.capacity() - names_.size() > names_.size() / 8) names_.shrink_to_fit();
}

size_t RenameList::Insert(std::string_view path) {
    const auto it = std::upper_bound(
        rows_.begin(), rows_.end(), path,
        [this](std::string_view p, const Row& row) { return PathLess(p, PathOf(row)); });
    RequireRoom(paths_, path.size());
    Row row;
    row.SetPathAt(paths_.size());
    row.path_size = uint32_t(path.size());
    const ptrdiff_t index = it - rows_.begin();
    paths_.append(path);  // may move the buffer that path views
    rows_.insert(rows_.begin() + index, row);
    return size_t(index);
}

size_t RenameList::InsertNew(const std::vector<std::string>& paths) {
    PathBatch batch;
    for (const std::string& path : paths) batch.Add(path);
    return InsertNew(std::move(batch));
}

size_t RenameList::InsertNew(PathBatch batch) {
    if (batch.empty()) return 0;
    // Into an empty list the new rows go straight, and take the batch's
    // buffer over as their own.
    const bool fresh = rows_.empty();
    if (fresh) RemoveAll();
    std::vector<Row> added;
    std::vector<Row>& out = fresh ? rows_ : added;
    out.reserve(batch.size());
    RequireRoom(paths_, batch.text_.size());
    const uint64_t base = paths_.size();
    size_t begin = 0;
    for (size_t i = 0; i < batch.size(); ++i) {
        Row row;
        row.SetPathAt(base + begin);
        row.path_size = uint32_t(batch.ends_[i] - begin);
        row.inode = batch.inodes_[i];
        out.push_back(row);
        begin = batch.ends_[i];
    }
    if (fresh) {
        paths_ = std::move(batch.text_);
    } else {
        paths_ += batch.text_;
    }
    batch = PathBatch();

    // Within each group of paths that name one file, the first in the given
    // order is the one that row-by-row insertion keeps: ordering by the
    // sameness key, then by position, puts it first in its group.
    if (IgnoresCase(syntax_)) {
        SortByPathThenPosition(out, paths_.data(), [](std::string_view a, std::string_view b) {
            return CompareIgnoreAsciiCase(a, b);
        });
    } else {
        SortByPathThenPosition(out, paths_.data(), [](std::string_view a, std::string_view b) {
            return ComparePaths(a, b);
        });
    }

    size_t kept = 0;
    for (const Row& row : out) {
        const std::string_view path = PathOf(row);
        if ((kept > 0 && SameFile(PathOf(out[kept - 1]), path)) || (!fresh && Find(path))) {
            dead_path_bytes_ += path.size();
            continue;
        }
        out[kept++] = row;
    }
    out.resize(kept);

    if (fresh) {
        if (rows_.capacity() - rows_.size() > rows_.size() / 8) rows_.shrink_to_fit();
        // A walk grows its batch as it goes, to up to twice the bytes it holds.
        if (paths_.capacity() - paths_.size() > paths_.size() / 8) paths_.shrink_to_fit();
    } else if (!added.empty()) {
        // Group representatives differ in their folded text (Windows) or
        // bytes (POSIX), so sorting by the sameness key sorted them by
        // PathLess.
        const ptrdiff_t middle = ptrdiff_t(rows_.size());
        rows_.insert(rows_.end(), added.begin(), added.end());
        std::inplace_merge(
            rows_.begin(), rows_.begin() + middle, rows_.end(),
            [this](const Row& a, const Row& b) { return PathLess(PathOf(a), PathOf(b)); });
    }
    ReleaseDead(paths_, dead_path_bytes_, &Row::PathAt, &Row::SetPathAt, &Row::path_size);
    return kept;
}

void RenameList::Remove(std::span<const size_t> indexes) {
    std::vector<bool> doomed(rows_.size(), false);
    for (size_t i : indexes) {
        if (i < rows_.size()) doomed[i] = true;
    }
    size_t kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (doomed[i]) {
            dead_path_bytes_ += rows_[i].path_size;
            dead_name_bytes_ += rows_[i].name_size;
            continue;
        }
        rows_[kept++] = rows_[i];
    }
    rows_.resize(kept);
    ReleaseDead(paths_, dead_path_bytes_, &Row::PathAt, &Row::SetPathAt, &Row::path_size);
    ReleaseDead(names_, dead_name_bytes_, &Row::NameAt, &Row::SetNameAt, &Row::name_size);
}

void RenameList::RemoveAll() {
    rows_.clear();
    rows_.shrink_to_fit();
    paths_.clear();
    paths_.shrink_to_fit();
    names_.clear();
    names_.shrink_to_fit();
    dead_path_bytes_ = 0;
    dead_name_bytes_ = 0;
}

void RenameList::ReleaseDead(std::string& texts, size_t& dead, TextAt at, SetTextAt set_at,
                             TextSize size) {
    if (dead <= texts.size() / 2) return;
    std::string kept;
    kept.reserve(texts.size() - dead);
    for (Row& row : rows_) {
        const uint64_t from = (row.*at)();
        (row.*set_at)(kept.size());
        kept.append(texts, from, row.*size);
    }
    texts.swap(kept);
    dead = 0;
}

}  // namespace zentavo
