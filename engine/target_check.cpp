#include "engine/target_check.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/path_syntax.h"
#include "engine/lexical_path.h"
#include "engine/rename_run.h"

namespace zentavo {

namespace {

constexpr size_t kStopCheckEvery = 256;
constexpr uint32_t kNone = UINT32_MAX;

enum class State : unsigned char { Free, Taken, Follows, OnStack, Cycle };

// The targets of the rows a run would move, one after another in one block:
// a million of them cost no more than their bytes.
class Movers {
public:
    // Room for everything at once: grown bit by bit, the keys would for a
    // moment take three times their size.
    void Reserve(size_t rows, size_t key_bytes) {
        rows_.reserve(rows);
        ends_.reserve(rows);
        keys_.reserve(key_bytes);
    }
    void Add(size_t row, std::string_view key) {
        rows_.push_back(uint32_t(row));
        keys_ += key;
        ends_.push_back(keys_.size());
    }
    size_t count() const { return rows_.size(); }
    size_t row(size_t k) const { return rows_[k]; }
    std::string_view key(size_t k) const {
        const size_t begin = k == 0 ? 0 : ends_[k - 1];
        return std::string_view(keys_).substr(begin, ends_[k] - begin);
    }
    // The mover of a row, if it is one.
    uint32_t Of(size_t row) const {
        const auto found = std::lower_bound(rows_.begin(), rows_.end(), uint32_t(row));
        return found != rows_.end() && *found == row ? uint32_t(found - rows_.begin()) : kNone;
    }

private:
    std::vector<uint32_t> rows_;  // ascending
    std::string keys_;
    std::vector<size_t> ends_;
};

// The target as the run meets it: "sub/../x" and "./x" name what they lead to.
std::string TargetKey(const RenameList& list, size_t row, const CodePage& page) {
    const std::string_view name = list.new_name(row);
    std::string target = RenameTarget(list.path(row), name, list.syntax(), page);
    const bool leads_elsewhere =
        name.find_first_of(Separators(list.syntax())) != std::string_view::npos || name == "." ||
        name == "..";
    return leads_elsewhere ? LexicalKey(target, list.syntax()) : target;
}

// The NAME_MAX of the folders targets lie in, asked once per run of rows in
// one folder.
class NameLimits {
public:
    explicit NameLimits(FileSystem& fs) : fs_(fs) {}

    // Whether the last name of target is longer than its folder allows; a
    // folder that cannot be asked (gone, say) allows any length, and the
    // run will tell.
    bool TooLong(std::string_view target, std::string_view separators) {
        const size_t last = target.find_last_of(separators);
        if (last == std::string_view::npos) return false;
        const std::string_view folder = target.substr(0, last == 0 ? 1 : last);
        if (folder != folder_) {
            folder_ = folder;
            if (fs_.NameMax(folder_, limit_) != 0) limit_ = 0;
        }
        return limit_ != 0 && fs_.NameLength(target.substr(last + 1)) > limit_;
    }

private:
    FileSystem& fs_;
    std::string folder_;
    size_t limit_ = 0;
};

}  // namespace

std::vector<TargetProblem> CheckTargets(FileSystem& fs, const RenameList& list,
                                        const CodePage& page, std::stop_token stop) {
    // A target is its row's folder and new name; one that leads elsewhere
    // ("../x") is no longer than that.
    size_t rows = 0, key_bytes = 0;
    for (size_t row = 0; row < list.count(); ++row) {
        if (!RunWillTry(list, row)) continue;
        const std::string_view path = list.path(row);
        const size_t last = page.FindLastOf(path, Separators(list.syntax()));
        key_bytes += (last == std::string_view::npos ? 2 : last + 1) + list.new_name(row).size();
        ++rows;
    }
    Movers movers;
    movers.Reserve(rows, key_bytes);
    NameLimits limits(fs);
    // The run fails these without moving them, so their files stay put.
    std::vector<TargetProblem> too_long;
    for (size_t row = 0; row < list.count(); ++row) {
        if (row % kStopCheckEvery == 0 && stop.stop_requested()) return {};
        if (!RunWillTry(list, row)) continue;
        const std::string key = TargetKey(list, row, page);
        if (key == list.path(row)) continue;
        if (limits.TooLong(key, Separators(list.syntax())))
            too_long.push_back({row, TargetProblemKind::NameTooLong});
        else
            movers.Add(row, key);
    }
    const size_t count = movers.count();

    // Rows with one target lie side by side once sorted by it.
    std::vector<uint32_t> order(count);
    for (size_t k = 0; k < count; ++k) order[k] = uint32_t(k);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const int compared = movers.key(a).compare(movers.key(b));
        return compared < 0 || (compared == 0 && a < b);
    });
    std::vector<uint32_t> same_target(count, kNone);
    for (size_t i = 1; i < count; ++i) {
        if (movers.key(order[i]) != movers.key(order[i - 1])) continue;
        same_target[order[i]] = order[i - 1];
        if (same_target[order[i - 1]] == kNone) same_target[order[i - 1]] = order[i];
    }
    order = {};

    // Each target is free, held by a file that stays, or held by a mover.
    // Value-initialised, every state starts Free (g++ 12 at -O3 misreads the
    // vector filled from a value as freeing a pointer into it).
    std::vector<State> state(count);
    std::vector<uint32_t> next(count, kNone);
    std::string key;
    for (size_t k = 0; k < count; ++k) {
        if (k % kStopCheckEvery == 0 && stop.stop_requested()) return {};
        key = movers.key(k);
        const std::optional<size_t> holder = list.Find(key);
        if (holder) {
            next[k] = movers.Of(*holder);
            if (next[k] != kNone) {
                state[k] = State::Follows;
                continue;
            }
        }
        if (FileStamp stamp; fs.Stamp(key, stamp) == 0) state[k] = State::Taken;
    }

    // Along each chain to its end: a free end frees the whole chain, a held
    // one holds it, and a chain that comes back on itself is a ring whose
    // rows all fail, as do the rows that lead into it.
    std::vector<uint32_t> chain;
    for (size_t start = 0; start < count; ++start) {
        chain.clear();
        uint32_t k = uint32_t(start);
        while (state[k] == State::Follows) {
            state[k] = State::OnStack;
            chain.push_back(k);
            k = next[k];
        }
        State end = state[k];
        if (end == State::OnStack) {
            for (auto member = std::find(chain.begin(), chain.end(), k); member != chain.end();
                 ++member)
                state[*member] = State::Cycle;
            end = State::Taken;
        } else if (end == State::Cycle) {
            end = State::Taken;
        }
        for (uint32_t member : chain)
            if (state[member] == State::OnStack) state[member] = end;
    }

    std::vector<TargetProblem> problems;
    for (size_t k = 0; k < count; ++k) {
        const size_t row = movers.row(k);
        if (state[k] == State::Cycle) {
            problems.push_back({row, TargetProblemKind::Cycle, movers.row(next[k])});
        } else if (state[k] == State::Taken) {
            const std::optional<size_t> holder = list.Find(movers.key(k));
            problems.push_back({row, TargetProblemKind::TargetTaken, holder.value_or(kNoRow)});
        } else if (same_target[k] != kNone) {
            problems.push_back({row, TargetProblemKind::SameTarget, movers.row(same_target[k])});
        }
    }
    if (!too_long.empty()) {
        problems.insert(problems.end(), too_long.begin(), too_long.end());
        std::sort(problems.begin(), problems.end(),
                  [](const TargetProblem& a, const TargetProblem& b) { return a.row < b.row; });
    }
    return problems;
}

}  // namespace zentavo
