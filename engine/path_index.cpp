#include "engine/path_index.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace zentavo {

namespace {

// An item put in a free slot is never moved, and a taken one leaves a mark
// rather than a free slot, so the table fills only by puts: at half full
// at most, a search meets a free slot soon.
size_t SlotsFor(size_t puts) {
    return std::bit_ceil(std::max<size_t>(8, 2 * puts));
}

}  // namespace

PathIndex::PathIndex(size_t puts, KeyOf key_of)
    : key_of_(std::move(key_of)), slots_(SlotsFor(puts)) {}

size_t PathIndex::SlotOf(std::string_view key, uint32_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (Free(slot)) return at;
        if (slot.item != kTaken && slot.hash == hash && key_of_(slot.item) == key) return at;
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
