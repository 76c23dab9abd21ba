// zentavo-cli's console on POSIX: argv as it came, file descriptors 1 and 2,
// the user's locale and its message catalogues.
#pragma once

#include "cli/console.h"

namespace zentavo {

class PosixConsole : public Console {
public:
    // Takes on the user's locale, so build it before anything that reads
    // the locale.
    PosixConsole(int argc, char** argv);

    std::vector<std::string> Arguments() const override;
    bool IsTerminal(Stream stream) const override;
    bool Write(Stream stream, std::string_view bytes) override;

private:
    std::vector<std::string> arguments_;
};

}  // namespace zentavo
