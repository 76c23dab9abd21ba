#include "cli/posix/posix_console.h"

#include <unistd.h>

#include <cerrno>
#include <clocale>

#include "cli/posix/gettext_catalogue.h"

namespace zentavo {

namespace {

int Descriptor(Console::Stream stream) {
    return stream == Console::Stream::Out ? STDOUT_FILENO : STDERR_FILENO;
}

}  // namespace

PosixConsole::PosixConsole(int argc, char** argv) : arguments_(argv + 1, argv + argc) {
    std::setlocale(LC_ALL, "");
    BindTranslations();
}

std::vector<std::string> PosixConsole::Arguments() const {
    return arguments_;
}

bool PosixConsole::IsTerminal(Stream stream) const {
    return isatty(Descriptor(stream)) == 1;
}

bool PosixConsole::Write(Stream stream, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(Descriptor(stream), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(size_t(written));
    }
    return true;
}

}  // namespace zentavo
