// Numbers of the program's resources, controls and commands. Every widget
// built from a dialog template carries its id as its object name.
#pragma once

namespace zentavo::res {

// Dialog templates (res/dialogs/).
inline constexpr int kAboutTemplate = 100;
inline constexpr int kMainTemplate = 102;

// String table.
inline constexpr int kAboutMenuString = 101;

// Images.
inline constexpr int kAppIcon = 128;
inline constexpr int kRowImages = 134;

// Controls of the main window.
inline constexpr int kRecurseCheck = 1000;
inline constexpr int kRenameList = 1003;
inline constexpr int kPatternBox = 1004;
inline constexpr int kSetFilenamesButton = 1005;
inline constexpr int kRenameButton = 1006;
inline constexpr int kExitButton = 1007;

// Buttons and commands shared with the framework.
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;
inline constexpr int kAboutCommand = 16;
inline constexpr int kHelpCommand = 57670;
inline constexpr int kDefaultHelpCommand = 57671;

// Window-menu commands that the window itself carries out.
inline constexpr int kMinimizeCommand = 0xF020;
inline constexpr int kCloseCommand = 0xF060;

// Help contexts: a dialog answers with this base plus its template id.
inline constexpr int kDialogHelpBase = 0x20000;

}  // namespace zentavo::res
