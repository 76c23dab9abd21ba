// The bytes zentavo-cli writes, made UTF-16 for a Windows console, whose
// wide calls show every character whatever the console's code page.
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

// Appends bytes to pending and returns the UTF-16 form of all of it but an
// unfinished character at its end, which stays in pending for the next
// write: a stream buffer may cut a character anywhere. A byte that starts
// no character, a lone surrogate among them, shows as U+FFFD.
std::u16string TakeConsoleUtf16(std::string& pending, std::string_view bytes);

}  // namespace zentavo
