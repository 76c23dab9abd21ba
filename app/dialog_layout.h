// Where the two dialogs place their controls, in dialog units (left, top,
// width, height), as their templates give them. DialogUnits turns them into
// pixels for the font in use.
#pragma once

#include <QRect>
#include <QSize>

namespace zentavo::layout {

// The main window, in tab order.
inline constexpr QSize kMainWindow{340, 226};
inline constexpr QRect kPatternLabel{7, 169, 61, 8};
inline constexpr QRect kPatternBox{69, 167, 128, 72};  // its list dropped down
inline constexpr QRect kRecurseCheck{69, 185, 128, 10};
inline constexpr QRect kSetFilenamesButton{69, 204, 58, 14};
inline constexpr QRect kRenameButton{139, 204, 58, 14};
inline constexpr QRect kHelpButton{282, 188, 50, 14};
inline constexpr QRect kExitButton{282, 205, 50, 14};
inline constexpr QRect kRenameList{7, 7, 325, 153};

// The About box.
inline constexpr QSize kAboutBox{241, 206};
inline constexpr QRect kAboutIcon{7, 7, 21, 20};
inline constexpr QRect kAboutVersion{55, 7, 179, 8};
inline constexpr QRect kAboutRights{55, 22, 179, 60};
inline constexpr QRect kAboutOkButton{97, 185, 47, 14};
inline constexpr QRect kAboutPostcard{55, 93, 179, 37};
inline constexpr QRect kAboutAddress{71, 131, 91, 35};

}  // namespace zentavo::layout
