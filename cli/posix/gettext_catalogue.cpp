#include "cli/posix/gettext_catalogue.h"

#include <libintl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/translated_text.h"

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

std::string Grouped(uint64_t count) {
    char text[64];
    const int length =
        std::snprintf(text, sizeof text, "%'llu", static_cast<unsigned long long>(count));
    return std::string(text, size_t(length));
}

}  // namespace zentavo
