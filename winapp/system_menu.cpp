#include "winapp/system_menu.h"

#include "winapp/message_words.h"

namespace zentavo {

void ExtendSystemMenu(HWND window, const std::wstring& about_entry) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    // First, as in the Linux window's menu: the keyboard's way to add files.
    InsertMenuW(menu, 0, MF_BYPOSITION | MF_STRING, kAddFilesCommand,
                Words(Message(TextId::AddFilesEntry)).c_str());
    InsertMenuW(menu, 1, MF_BYPOSITION | MF_STRING, kAddFolderCommand,
                Words(Message(TextId::AddFolderEntry)).c_str());
    InsertMenuW(menu, 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, kUndoCommand,
                Words(Message(TextId::UndoNothing)).c_str());
    AppendMenuW(menu, MF_STRING | MF_GRAYED, kRedoCommand,
                Words(Message(TextId::RedoNothing)).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    if (!about_entry.empty()) AppendMenuW(menu, MF_STRING, kAboutCommand, about_entry.c_str());
    AppendMenuW(menu, MF_STRING, kHelpCommand, Words(Message(TextId::HelpEntry)).c_str());
}

void UpdateHistoryEntry(HWND window, UINT command, const std::wstring& text, bool enabled) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    ModifyMenuW(menu, command, MF_BYCOMMAND | MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED),
                command, text.c_str());
}

void OpenSystemMenu(HWND window, POINT at) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    const UINT chosen =
        UINT(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, window, nullptr));
    if (chosen != 0) SendMessageW(window, WM_SYSCOMMAND, chosen, 0);
}

}  // namespace zentavo
