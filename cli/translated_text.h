// zentavo-cli's texts in the user's language. Tr, TrN and Grouped come from
// the platform's folder: on POSIX gettext reads the message catalogues
// (res/translations/zentavo-cli_LANG.po, installed as
// share/locale/LANG/LC_MESSAGES/zentavo-cli.mo); on Windows the texts stay
// English. Tr and TrN also mark their texts for xgettext
// (docs/architecture.md tells how to add one).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zentavo {

// text in the language of LC_MESSAGES, or text itself.
const char* Tr(const char* text);
// The plural form of the language for count: one and many are English's.
const char* TrN(const char* one, const char* many, uint64_t count);

// text with %1 to %9 replaced by args, in one pass: an argument that holds
// "%2" itself stays as it is.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args);

// count with the digit grouping of LC_NUMERIC: 1234567 is "1.234.567" in
// German, "1234567" in the C locale.
std::string Grouped(uint64_t count);

}  // namespace zentavo
