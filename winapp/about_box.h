// The About box: the program's name, version, icon and notices, modal over
// the main window.
#pragma once

#include <windows.h>

#include <functional>

namespace zentavo {

// Asks for the help file's topic of a context on behalf of a window;
// whether the request could be made.
using HelpRequest = std::function<bool(HWND owner, unsigned long context)>;

// The help context the box answers F1 with.
inline constexpr unsigned long kAboutBoxHelpContext = 131172;

// Shows the box centred over owner, which takes no input meanwhile, until
// OK, Enter, Escape or its close box. F1 in it asks open_help for its
// topic, and says so when the request cannot be made.
void ShowAboutBox(HWND owner, const HelpRequest& open_help);
// The same, with the program's help file in the user's browser.
void ShowAboutBox(HWND owner);

}  // namespace zentavo
