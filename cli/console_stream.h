// A std::ostream over one stream of a Console, so the front end keeps writing
// with << whatever the system below it is.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>

#include "cli/console.h"

namespace zentavo {

class ConsoleStreamBuf : public std::streambuf {
public:
    ConsoleStreamBuf(Console& console, Console::Stream stream);
    ~ConsoleStreamBuf() override;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Flush();

    Console& console_;
    Console::Stream stream_;
    std::array<char, 4096> buffer_{};
};

class ConsoleOstream : public std::ostream {
public:
    ConsoleOstream(Console& console, Console::Stream stream);

private:
    ConsoleStreamBuf buf_;
};

}  // namespace zentavo
