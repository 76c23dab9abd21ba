// Paths of a list found by their keys, held as the list's indexes in one
// flat table rather than as a node per path: a journal's hundreds of
// thousands of paths cost a few numbers each, in one block that goes back
// to the system whole once the index is gone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace zentavo {

class PathIndex {
public:
    static constexpr uint32_t kNone = UINT32_MAX;
    // The key of an item in the index; asked only of items whose key's hash
    // matches, and valid until the next call.
    using KeyOf = std::function<std::string_view(uint32_t item)>;

    // Room for items put `puts` times in all, counting those replaced or
    // taken out again.
    PathIndex(size_t puts, KeyOf key_of);

    // The item under key, or kNone.
    uint32_t Find(std::string_view key) const;
    // Puts item under key; returns the item that was there (now replaced),
    // or kNone.
    uint32_t Put(std::string_view key, uint32_t item);
    // Takes the item under key out and returns it, or kNone.
    uint32_t Take(std::string_view key);
    // Forgets every item below first at once, as if taken out: for items
    // put in ascending order, in runs that start afresh.
    void ForgetBelow(uint32_t first) { floor_ = first; }

private:
    static constexpr uint32_t kEmpty = UINT32_MAX;
    static constexpr uint32_t kTaken = UINT32_MAX - 1;

    struct Slot {
        uint32_t item = kEmpty;
        uint32_t hash = 0;
    };

    // The slot that holds key, or else the free one where it would go.
    size_t SlotOf(std::string_view key, uint32_t hash) const;
    bool Forgotten(const Slot& slot) const { return slot.item != kTaken && slot.item < floor_; }
    bool Free(const Slot& slot) const { return slot.item == kEmpty || Forgotten(slot); }

    KeyOf key_of_;
    std::vector<Slot> slots_;
    uint32_t floor_ = 0;
};

}  // namespace zentavo
