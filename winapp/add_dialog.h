// The shell's common item dialog, open to choose files or folders to add to
// the list: the keyboard's way to what a drop from Explorer does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zentavo {

enum class AddChoice { Files, Folders };

// The full paths chosen, as the shell spells them; none when the user
// cancels or the dialog cannot open. The calling thread is to be in a
// single-threaded COM apartment.
std::vector<std::wstring> ChooseToAdd(HWND owner, AddChoice choice);

}  // namespace zentavo
