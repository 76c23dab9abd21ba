#include "core/rename_list.h"

#include <algorithm>
#include <iterator>

#include "core/text.h"

namespace zentavo {

namespace {

int ComparePaths(std::string_view a, std::string_view b) {
    const int folded = CompareIgnoreAsciiCase(a, b);
    if (folded != 0) return folded;
    return a.compare(b);
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
                                     [](const RenameRow& row, std::string_view p) {
                                         return CompareIgnoreAsciiCase(row.path, p) < 0;
                                     })
                  : std::lower_bound(rows_.begin(), rows_.end(), path,
                                     [](const RenameRow& row, std::string_view p) {
                                         return PathLess(row.path, p);
                                     });
    if (it == rows_.end() || !SameFile(it->path, path)) return std::nullopt;
    return size_t(it - rows_.begin());
}

size_t RenameList::Insert(std::string path) {
    auto it = std::upper_bound(
        rows_.begin(), rows_.end(), path,
        [](const std::string& p, const RenameRow& row) { return PathLess(p, row.path); });
    it = rows_.insert(it, RenameRow{std::move(path), {}, 0, RowMark::Pending, 0});
    return size_t(it - rows_.begin());
}

size_t RenameList::InsertNew(std::vector<std::string> paths, const std::vector<uint64_t>& inodes) {
    // Within each group of paths that name one file, the first in the given
    // order is the one that row-by-row insertion keeps: ordering by the
    // sameness key, then by position, puts it first in its group. The views
    // spare the comparisons a hop through the string objects.
    struct Entry {
        std::string_view path;
        size_t position;
    };
    // A drop's paths usually share a long prefix (the dropped folder); the
    // comparisons start after it, since equal bytes fold equal too.
    size_t shared = paths.empty() ? 0 : paths.front().size();
    for (const std::string& path : paths) {
        shared = std::min(shared, path.size());
        shared =
            size_t(std::mismatch(path.data(), path.data() + shared, paths.front().data()).first -
                   path.data());
    }
    std::vector<Entry> order;
    order.reserve(paths.size());
    for (size_t i = 0; i < paths.size(); ++i)
        order.push_back({std::string_view(paths[i]).substr(shared), i});
    if (IgnoresCase(syntax_)) {
        std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
            const int folded = CompareIgnoreAsciiCase(a.path, b.path);
            return folded != 0 ? folded < 0 : a.position < b.position;
        });
    } else {
        std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
            const int compared = ComparePaths(a.path, b.path);
            return compared != 0 ? compared < 0 : a.position < b.position;
        });
    }

    // Into an empty list the new rows go straight, already in order.
    const bool fresh = rows_.empty();
    std::vector<RenameRow> added;
    std::vector<RenameRow>& out = fresh ? rows_ : added;
    out.reserve(order.size());
    for (const Entry& entry : order) {
        const std::string& path = paths[entry.position];
        if (!out.empty() && SameFile(out.back().path, path)) continue;
        if (!fresh && Find(path)) continue;
        const uint64_t inode = inodes.empty() ? 0 : inodes[entry.position];
        out.push_back(RenameRow{std::move(paths[entry.position]), {}, inode, RowMark::Pending, 0});
    }
    if (fresh) {
        if (rows_.capacity() - rows_.size() > rows_.size() / 8) rows_.shrink_to_fit();
        return rows_.size();
    }
    if (added.empty()) return 0;

    // Group representatives differ in their folded text (Windows) or bytes
    // (POSIX), so sorting by the sameness key already sorted them by PathLess.
    std::vector<RenameRow> merged;
    merged.reserve(rows_.size() + added.size());
    std::merge(std::make_move_iterator(rows_.begin()), std::make_move_iterator(rows_.end()),
               std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()),
               std::back_inserter(merged),
               [](const RenameRow& a, const RenameRow& b) { return PathLess(a.path, b.path); });
    rows_ = std::move(merged);
    return added.size();
}

void RenameList::Remove(size_t i) {
    rows_.erase(rows_.begin() + std::ptrdiff_t(i));
}

void RenameList::Remove(std::span<const size_t> indexes) {
    std::vector<bool> doomed(rows_.size(), false);
    for (size_t i : indexes) {
        if (i < rows_.size()) doomed[i] = true;
    }
    size_t kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (doomed[i]) continue;
        if (kept != i) rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
}

}  // namespace zentavo
