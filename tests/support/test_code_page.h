// The code page of tests that do not test code pages: UTF-8, as most systems
// have it, with no locale behind it.
#pragma once

#include "core/code_page.h"

namespace zentavo {

inline const CodePage kTestPage{CodePage::Kind::Utf8};

}  // namespace zentavo
