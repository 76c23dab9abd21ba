// Turns a control of a dialog template into a widget.
#pragma once

#include "app/dialog_template.h"

class QWidget;

namespace zentavo {

// The widget for control, placed by its rectangle and named by its id;
// nullptr for a kind that is not known.
QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent);

}  // namespace zentavo
