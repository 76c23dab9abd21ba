#include "engine/path_index.h"

#include <algorithm>
#include <functional>

namespace zentavo {

namespace {

// An item put in a free slot is never moved, and a taken one leaves a mark
// rather than a free slot, so the table fills only by puts: at two thirds
// full at most, a search meets a free slot within a few slots. The table's
// size is not rounded up to a power of two, which would double its slack
// for half the sizes.
size_t SlotsFor(size_t puts) {
    return std::max<size_t>(8, puts + puts / 2 + 1);
}

}  // namespace

PathIndex::PathIndex(size_t puts, KeyOf key_of)
    : key_of_(std::move(key_of)), slots_(SlotsFor(puts)) {}

size_t PathIndex::SlotOf(std::string_view key, uint32_t hash) const {
    // A forgotten item's slot may be reused, but an item put after it may
    // lie further on, so the search goes on to an empty slot.
    constexpr size_t kNoSlot = SIZE_MAX;
    size_t reusable = kNoSlot;
    // The hash scaled to the table: its high bits pick the slot.
    size_t at = size_t((uint64_t(hash) * slots_.size()) >> 32);
    for (;; at = at + 1 == slots_.size() ? 0 : at + 1) {
        const Slot& slot = slots_[at];
        if (slot.item == kEmpty) return reusable == kNoSlot ? at : reusable;
        if (Forgotten(slot)) {
            if (reusable == kNoSlot) reusable = at;
        } else if (slot.item != kTaken && slot.hash == hash && key_of_(slot.item) == key) {
            return at;
        }
    }
}

uint32_t PathIndex::Find(std::string_view key) const {
    const Slot& slot = slots_[SlotOf(key, uint32_t(std::hash<std::string_view>()(key)))];
    return Free(slot) ? kNone : slot.item;
}

uint32_t PathIndex::Put(std::string_view key, uint32_t item) {
    const uint32_t hash = uint32_t(std::hash<std::string_view>()(key));
    Slot& slot = slots_[SlotOf(key, hash)];
    const uint32_t was = Free(slot) ? kNone : slot.item;
    slot = {item, hash};
    return was;
}

uint32_t PathIndex::Take(std::string_view key) {
    Slot& slot = slots_[SlotOf(key, uint32_t(std::hash<std::string_view>()(key)))];
    if (Free(slot)) return kNone;
    const uint32_t was = slot.item;
    slot.item = kTaken;
    return was;
}

}  // namespace zentavo
