// Names made fit for a terminal: every byte visible and unambiguous, and the
// number of columns they take known, so table columns line up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/code_page.h"
#include "core/path_syntax.h"

namespace zentavo {

struct ShownText {
    std::string text;
    size_t columns = 0;
};

// Backslash becomes "\\" where a name can hold one (on Windows it only
// separates, and stays as it is), tab, line feed and carriage return "\t",
// "\n", "\r", other control bytes and bytes that start no character "\xHH". On a
// double-byte page its characters are kept; on any other page, well-formed
// UTF-8 is kept and every other byte above 0x7F escaped, because the C locale
// of scripts and containers usually sits on a UTF-8 terminal.
ShownText ShowForTerminal(std::string_view text, const CodePage& page,
                          PathSyntax syntax = kNativeSyntax);

}  // namespace zentavo
