// The texts of the table as the Windows window shows them: English, as
// zentavo-cli.exe speaks it. A text that counts takes its singular or
// plural form, as the Qt window's English translation gives them.
#pragma once

#include <string_view>

#include "window/text_id.h"

namespace zentavo {

std::string_view EnglishText(TextId id, int count);

}  // namespace zentavo
