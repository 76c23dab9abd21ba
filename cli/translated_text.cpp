#include "cli/translated_text.h"

#include <libintl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace zentavo {

namespace {

constexpr char kTextDomain[] = "zentavo-cli";

std::string ProgramFolder() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (size_t(length) < buffer.size()) {
            const std::string path(buffer.data(), size_t(length));
            return path.substr(0, path.rfind('/'));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

void BindTranslations() {
    const std::string folder = ProgramFolder();
    if (folder.empty()) return;
    // bin/zentavo-cli finds bin/../share/locale; the build tree puts both
    // in the same places.
    bindtextdomain(kTextDomain, (folder + "/../share/locale").c_str());
}

const char* Tr(const char* text) {
    return dgettext(kTextDomain, text);
}

const char* TrN(const char* one, const char* many, uint64_t count) {
    return dngettext(kTextDomain, one, many, static_cast<unsigned long>(count));
}

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

std::string Grouped(uint64_t count) {
    char text[64];
    const int length =
        std::snprintf(text, sizeof text, "%'llu", static_cast<unsigned long long>(count));
    return std::string(text, size_t(length));
}

}  // namespace zentavo
