// zentavo-cli speaks English on Windows: gettext is no part of the system
// there, and reading its catalogues would mean carrying a reader of .mo
// files and of their plural rules, which are C expressions.
#include "cli/translated_text.h"

namespace zentavo {

const char* Tr(const char* text) {
    return text;
}

const char* TrN(const char* one, const char* many, uint64_t count) {
    return count == 1 ? one : many;
}

std::string Grouped(uint64_t count) {
    return std::to_string(count);
}

}  // namespace zentavo
