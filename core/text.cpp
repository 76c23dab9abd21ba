#include "core/text.h"

#include <algorithm>
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

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

void TrimInPlace(std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsCSpace(text[end - 1])) --end;
    text.resize(end);
    size_t begin = 0;
    while (begin < text.size() && IsCSpace(text[begin])) ++begin;
    text.erase(0, begin);
}

int CompareIgnoreAsciiCase(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    while (i < common) {
        // Long shared prefixes (the same folder) are the common case: skip
        // identical bytes eight at a time before folding.
        while (common - i >= sizeof(uint64_t)) {
            uint64_t wa;
            uint64_t wb;
            std::memcpy(&wa, a.data() + i, sizeof wa);
            std::memcpy(&wb, b.data() + i, sizeof wb);
            if (wa != wb) break;
            i += sizeof(uint64_t);
        }
        const auto [pa, pb] = std::mismatch(a.data() + i, a.data() + common, b.data() + i);
        i = size_t(pa - a.data());
        if (i == common) break;
        const auto ca = static_cast<unsigned char>(AsciiLower(*pa));
        const auto cb = static_cast<unsigned char>(AsciiLower(*pb));
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareIgnoreAsciiCase(a, b) == 0;
}

}  // namespace zentavo
