#include "cli/translated_text.h"

namespace zentavo {

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string filled;
    filled.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t index = i + 1 < text.size() ? size_t(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && index < args.size() && index < 9) {
            filled += args.begin()[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace zentavo
