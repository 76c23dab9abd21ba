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

// Compares a1 a2 with b1 b2, each pair read as one text.
int CompareJoined(std::string_view a1, std::string_view a2, std::string_view b1,
                  std::string_view b2) {
    std::string_view a = a1, b = b1;
    bool a_ends = false, b_ends = false;  // a or b is its text's second part
    while (true) {
        if (a.empty() && !a_ends) {
            a = a2;
            a_ends = true;
        } else if (b.empty() && !b_ends) {
            b = b2;
            b_ends = true;
        } else if (a.empty() || b.empty()) {
            return a.empty() ? (b.empty() ? 0 : -1) : 1;
        } else {
            const size_t stretch = std::min(a.size(), b.size());
            if (const int compared = a.substr(0, stretch).compare(b.substr(0, stretch));
                compared != 0)
                return compared;
            a.remove_prefix(stretch);
            b.remove_prefix(stretch);
        }
    }
}

// The targets of the rows a run would move, without a copy of each: a
// target is its folder, which the rows of one folder share, and the row's
// new name as the list holds it. A name that leads elsewhere ("../x") makes
// a target of its own, held whole.
class Movers {
public:
    explicit Movers(const RenameList& list) : list_(list) {}

    void Reserve(size_t movers) { movers_.reserve(movers); }
    // target is where row's move leads; whole when it does not end in the
    // row's new name.
    void Add(size_t row, std::string_view target, bool whole) {
        const std::string_view head =
            target.substr(0, target.size() - (whole ? 0 : list_.new_name(row).size()));
        if (whole || heads_.empty() || !heads_.back().ends_in_name ||
            Head(heads_.size() - 1) != head) {
            head_text_ += head;
            heads_.push_back({head_text_.size(), !whole});
        }
        movers_.push_back({uint32_t(row), uint32_t(heads_.size() - 1)});
    }
    size_t count() const { return movers_.size(); }
    size_t row(size_t k) const { return movers_[k].row; }
    // Below zero when mover a's target sorts before b's, zero when they are
    // one, as their texts compare.
    int Compare(size_t a, size_t b) const {
        const Mover& first = movers_[a];
        const Mover& second = movers_[b];
        if (first.head == second.head) return Tail(first).compare(Tail(second));
        return CompareJoined(Head(first.head), Tail(first), Head(second.head), Tail(second));
    }
    // Writes mover k's target to key.
    void Key(size_t k, std::string& key) const {
        key = Head(movers_[k].head);
        key += Tail(movers_[k]);
    }
    // The mover of a row, if it is one.
    uint32_t Of(size_t row) const {
        const auto found =
            std::lower_bound(movers_.begin(), movers_.end(), row,
                             [](const Mover& mover, size_t r) { return mover.row < r; });
        return found != movers_.end() && found->row == row ? uint32_t(found - movers_.begin())
                                                           : kNone;
    }

private:
    struct Mover {
        uint32_t row;
        uint32_t head;
    };
    struct Span {
        size_t end;         // in head_text_, where the next head begins
        bool ends_in_name;  // the row's new name follows it
    };

    std::string_view Head(size_t h) const {
        const size_t begin = h == 0 ? 0 : heads_[h - 1].end;
        return std::string_view(head_text_).substr(begin, heads_[h].end - begin);
    }
    std::string_view Tail(const Mover& mover) const {
        return heads_[mover.head].ends_in_name ? list_.new_name(mover.row) : std::string_view();
    }

    const RenameList& list_;
    std::vector<Mover> movers_;  // by row, ascending
    std::vector<Span> heads_;
    std::string head_text_;
};

// The target as the run meets it, written to target: "sub/../x" and "./x"
// name what they lead to. Returns whether the target ends in the row's new
// name as the list holds it.
bool TargetOf(const RenameList& list, size_t row, const CodePage& page, std::string& target) {
    const std::string_view name = list.new_name(row);
    target = RenameTarget(list.path(row), name, list.syntax(), page);
    const bool leads_elsewhere =
        name.find_first_of(Separators(list.syntax())) != std::string_view::npos || name == "." ||
        name == "..";
    if (leads_elsewhere) target = LexicalKey(target, list.syntax());
    return !leads_elsewhere;
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
    size_t rows = 0;
    for (size_t row = 0; row < list.count(); ++row) rows += RunWillTry(list, row);
    Movers movers(list);
    movers.Reserve(rows);
    NameLimits limits(fs);
    // The run fails these without moving them, so their files stay put.
    std::vector<TargetProblem> too_long;
    std::string key;
    for (size_t row = 0; row < list.count(); ++row) {
        if (row % kStopCheckEvery == 0 && stop.stop_requested()) return {};
        if (!RunWillTry(list, row)) continue;
        const bool ends_in_name = TargetOf(list, row, page, key);
        if (key == list.path(row)) continue;
        if (limits.TooLong(key, Separators(list.syntax())))
            too_long.push_back({row, TargetProblemKind::NameTooLong});
        else
            movers.Add(row, key, !ends_in_name);
    }
    const size_t count = movers.count();

    // Rows with one target lie side by side once sorted by it.
    std::vector<uint32_t> order(count);
    for (size_t k = 0; k < count; ++k) order[k] = uint32_t(k);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const int compared = movers.Compare(a, b);
        return compared < 0 || (compared == 0 && a < b);
    });
    std::vector<uint32_t> same_target(count, kNone);
    for (size_t i = 1; i < count; ++i) {
        if (movers.Compare(order[i], order[i - 1]) != 0) continue;
        same_target[order[i]] = order[i - 1];
        if (same_target[order[i - 1]] == kNone) same_target[order[i - 1]] = order[i];
    }
    order = {};

    // Each target is free, held by a file that stays, or held by a mover.
    // Value-initialised, every state starts Free (g++ 12 at -O3 misreads the
    // vector filled from a value as freeing a pointer into it).
    std::vector<State> state(count);
    std::vector<uint32_t> next(count, kNone);
    for (size_t k = 0; k < count; ++k) {
        if (k % kStopCheckEvery == 0 && stop.stop_requested()) return {};
        movers.Key(k, key);
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
            movers.Key(k, key);
            const std::optional<size_t> holder = list.Find(key);
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
