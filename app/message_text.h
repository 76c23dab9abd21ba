// The logic's messages in the user's language: each text of the table
// through Qt's translation (Texts::Tr), its values filled in, paths decoded
// by the locale, counts grouped, times in the locale's short form.
#pragma once

#include <vector>

#include <QString>

#include "window/message.h"

namespace zentavo {

QString Render(const Message& message);
QString Render(const Value& value);
// Lines joined by a line break, paragraphs by an empty line.
QString Render(const std::vector<Paragraph>& paragraphs);

}  // namespace zentavo
