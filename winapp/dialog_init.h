// A dialog template's initialisation data (resource type 240, named like
// the template): the entries its combo boxes hold when it opens.
#pragma once

#include <windows.h>

namespace zentavo {

// Adds the entries the data of template_id gives to the controls of dialog.
void ApplyDialogInit(HWND dialog, HINSTANCE instance, int template_id);

}  // namespace zentavo
