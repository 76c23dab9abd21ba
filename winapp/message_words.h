// A message of the window logic in the words the Windows window shows:
// English texts, paths as Windows spells them, numbers and times as the
// user's locale writes them.
#pragma once

#include <string>
#include <vector>

#include "window/message.h"

namespace zentavo {

std::wstring Words(const Value& value);
std::wstring Words(const Message& message);
// Lines of a paragraph one below the other, an empty line between
// paragraphs.
std::wstring Words(const std::vector<Paragraph>& paragraphs);

}  // namespace zentavo
