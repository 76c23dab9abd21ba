#include "core/text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace zentavo {

std::string_view TrimView(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsCSpace(text[begin])) ++begin;
    while (end > begin && IsCSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

void TrimInPlace(std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsCSpace(text[end - 1])) --end;
    text.resize(end);
    size_t begin = 0;
    while (begin < text.size() && IsCSpace(text[begin])) ++begin;
    text.erase(0, begin);
}

namespace {

// The first i in [from, end) where a[i] != b[i], or end. Long shared prefixes
// (the same folder) are the common case: the bytes go eight at a time, and
// the first difference in a word is found without going back to bytes.
size_t FirstDifference(const char* a, const char* b, size_t from, size_t end) {
    size_t i = from;
    while (end - i >= sizeof(uint64_t)) {
        uint64_t wa;
        uint64_t wb;
        std::memcpy(&wa, a + i, sizeof wa);
        std::memcpy(&wb, b + i, sizeof wb);
        if (const uint64_t differ = wa ^ wb; differ != 0) {
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(differ)
                                                                       : std::countl_zero(differ);
            return i + size_t(bit) / 8;
        }
        i += sizeof(uint64_t);
    }
    while (i < end && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

int CompareIgnoreAsciiCase(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = FirstDifference(a.data(), b.data(), 0, common); i < common;
         i = FirstDifference(a.data(), b.data(), i + 1, common)) {
        const auto ca = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiLower(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

size_t CommonPrefixLength(std::string_view a, std::string_view b) {
    return FirstDifference(a.data(), b.data(), 0, std::min(a.size(), b.size()));
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareIgnoreAsciiCase(a, b) == 0;
}

}  // namespace zentavo
