// The entries the main window adds to its system menu: adding files and a
// folder before the platform's own, then after them Undo and Redo, then the
// About box and help, each after a separator.
#pragma once

#include <windows.h>

#include <string>

namespace zentavo {

// System-menu commands keep their low four bits clear; 16 to 31 all open
// the About box, and help keeps the number of the help command.
constexpr UINT kAboutCommand = 0x0010;
constexpr UINT kUndoCommand = 0x0020;
constexpr UINT kRedoCommand = 0x0030;
constexpr UINT kAddFilesCommand = 0x0040;
constexpr UINT kAddFolderCommand = 0x0050;
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
