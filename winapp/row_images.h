// The row images of the list: bitmap 134 cut into images 13 pixels wide,
// RGB(255, 0, 255) transparent, one per mark (pending, renamed, warned,
// failed). As in the Linux window, the renamed ball carries a check and the
// failed one a cross, so that they differ without their colours.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace zentavo {

// Null when the bitmap cannot be loaded; the caller destroys the list.
HIMAGELIST LoadRowImages(HINSTANCE instance);

}  // namespace zentavo
