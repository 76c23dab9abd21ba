#include "core/rename_list.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/text.h"

namespace zentavo {

namespace {

// Where a row's offsets stop: 40 bits.
constexpr uint64_t kMaxTextBytes = uint64_t(1) << 40;

// Throws, as a string grown past its max_size does, when texts cannot take
// more bytes at offsets a row can hold.
void RequireRoom(const std::string& texts, size_t more) {
    if (more > kMaxTextBytes - texts.size())
        throw std::length_error("a rename list's texts would pass 1 TiB");
}

int ComparePaths(std::string_view a, std::string_view b) {
    const int folded = CompareIgnoreAsciiCase(a, b);
    if (folded != 0) return folded;
    return a.compare(b);
}

// Orders rows by compare on their paths (path_of gives a row's), then by
// position (where each path lies in its buffer, at_of, which holds the batch
// in its given order). A drop gathered folder by folder in the list's order
// is in order already, and one look at each pair of neighbours proves it.
template <typename Rows, typename PathOf, typename AtOf, typename Compare>
void SortByPathThenPosition(Rows& rows, const PathOf& path, const AtOf& at_of,
                            const Compare& compare) {
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
        return compared != 0 ? compared < 0 : at_of(a) < at_of(b);
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

void RenameList::Place(Row& row, Text text, uint64_t at, size_t size) {
    row.at_low[text] = uint32_t(at);
    row.at_high[text] = uint8_t(at >> 32);
    row.size[text] = uint16_t(std::min<size_t>(size, kLongText));
    if (size >= kLongText) texts_[text].long_sizes[at] = size;
}

void RenameList::SetNewName(size_t i, std::string_view name) {
    Row& row = rows_[i];
    TextBuffer& names = texts_[kName];
    const size_t old_size = Size(row, kName);
    if (name.size() <= old_size) {
        // The old name's room holds it; name may be a view of that room.
        if (!name.empty()) std::memmove(names.bytes.data() + At(row, kName), name.data(), name.size());
        names.dead += old_size - name.size();
        Place(row, kName, At(row, kName), name.size());
    } else {
        RequireRoom(names.bytes, name.size());
        const uint64_t at = names.bytes.size();
        names.bytes.append(name);  // safe when name is a view of the names
        names.dead += old_size;
        Place(row, kName, at, name.size());
    }
    ReleaseDead(kName);
}

void RenameList::FitNames() {
    std::string& names = texts_[kName].bytes;
    if (names.capacity() - names.size() > names.size() / 8) names.shrink_to_fit();
}

size_t RenameList::Insert(std::string_view path) {
    const auto it = std::upper_bound(
        rows_.begin(), rows_.end(), path,
        [this](std::string_view p, const Row& row) { return PathLess(p, PathOf(row)); });
    std::string& paths = texts_[kPath].bytes;
    RequireRoom(paths, path.size());
    Row row;
    Place(row, kPath, paths.size(), path.size());
    const ptrdiff_t index = it - rows_.begin();
    paths.append(path);  // may move the buffer that path views
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
    RequireRoom(texts_[kPath].bytes, batch.text_.size());
    TextBuffer& paths = texts_[kPath];
    const uint64_t base = paths.bytes.size();
    size_t begin = 0;
    for (size_t i = 0; i < batch.size(); ++i) {
        Row row;
        Place(row, kPath, base + begin, batch.ends_[i] - begin);
        row.inode = batch.inodes_[i];
        out.push_back(row);
        begin = batch.ends_[i];
    }
    if (fresh) {
        paths.bytes = std::move(batch.text_);
    } else {
        paths.bytes += batch.text_;
    }
    batch = PathBatch();

    // Within each group of paths that name one file, the first in the given
    // order is the one that row-by-row insertion keeps: ordering by the
    // sameness key, then by position, puts it first in its group.
    const auto path_of = [this](const Row& row) { return PathOf(row); };
    const auto at_of = [](const Row& row) { return At(row, kPath); };
    if (IgnoresCase(syntax_)) {
        SortByPathThenPosition(out, path_of, at_of, [](std::string_view a, std::string_view b) {
            return CompareIgnoreAsciiCase(a, b);
        });
    } else {
        SortByPathThenPosition(out, path_of, at_of, [](std::string_view a, std::string_view b) {
            return ComparePaths(a, b);
        });
    }

    size_t kept = 0;
    for (const Row& row : out) {
        const std::string_view path = PathOf(row);
        if ((kept > 0 && SameFile(PathOf(out[kept - 1]), path)) || (!fresh && Find(path))) {
            paths.dead += path.size();
            continue;
        }
        out[kept++] = row;
    }
    out.resize(kept);

    if (fresh) {
        if (rows_.capacity() - rows_.size() > rows_.size() / 8) rows_.shrink_to_fit();
        // A walk grows its batch as it goes, to up to twice the bytes it holds.
        if (paths.bytes.capacity() - paths.bytes.size() > paths.bytes.size() / 8)
            paths.bytes.shrink_to_fit();
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
    ReleaseDead(kPath);
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
            texts_[kPath].dead += Size(rows_[i], kPath);
            texts_[kName].dead += Size(rows_[i], kName);
            continue;
        }
        rows_[kept++] = rows_[i];
    }
    rows_.resize(kept);
    ReleaseDead(kPath);
    ReleaseDead(kName);
}

void RenameList::RemoveAll() {
    rows_.clear();
    rows_.shrink_to_fit();
    for (TextBuffer& texts : texts_) texts = TextBuffer();
}

void RenameList::ReleaseDead(Text text) {
    TextBuffer& texts = texts_[text];
    if (texts.dead <= texts.bytes.size() / 2) return;
    TextBuffer kept;
    kept.bytes.reserve(texts.bytes.size() - texts.dead);
    for (Row& row : rows_) {
        const std::string_view bytes = TextOf(row, text);
        const uint64_t at = kept.bytes.size();
        kept.bytes += bytes;
        if (bytes.size() >= kLongText) kept.long_sizes[at] = bytes.size();
        row.at_low[text] = uint32_t(at);
        row.at_high[text] = uint8_t(at >> 32);
    }
    texts = std::move(kept);
}

}  // namespace zentavo
