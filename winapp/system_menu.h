// The entries the main window adds to its system menu after the platform's
// own: Undo and Redo, then the About box and help, each after a separator.
#pragma once

#include <windows.h>

#include <string>

namespace zentavo {

// System-menu commands keep their low four bits clear; 16 to 31 all open
// the About box, and help keeps the number of the help command.
constexpr UINT kAboutCommand = 0x0010;
constexpr UINT kUndoCommand = 0x0020;
constexpr UINT kRedoCommand = 0x0030;
constexpr UINT kHelpCommand = 57670;

// Appends the entries; the About entry only when about_entry (the string
// resource's text) is not empty.
void ExtendSystemMenu(HWND window, const std::wstring& about_entry);

// The Undo or Redo entry says what it would act on, greyed when it would
// do nothing.
void UpdateHistoryEntry(HWND window, UINT command, const std::wstring& text, bool enabled);

// Opens the system menu at a point on the screen and carries out what is
// chosen there.
void OpenSystemMenu(HWND window, POINT at);

}  // namespace zentavo
