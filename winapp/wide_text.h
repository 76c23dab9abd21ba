// Between the engine's WTF-8 and the wide strings of Windows' calls.
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

// Bytes that are not WTF-8 cannot name a Windows file; they show as U+FFFD
// each, so that a text is never lost whole.
std::wstring Wide(std::string_view wtf8);
std::string Wtf8(std::wstring_view wide);

}  // namespace zentavo
