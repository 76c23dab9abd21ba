// The images built into the program.
#pragma once

#include <QIcon>
#include <QImage>

namespace zentavo {

// The program's icon, 32 by 32 and 16 by 16 pixels.
QIcon AppIcon();
// The strip of row images, one 13-pixel cell per mark.
QImage RowImageStrip();

}  // namespace zentavo
