// The images built into the program from res/.
#pragma once

#include <QIcon>
#include <QImage>

namespace zentavo {

// The program's icon, 32 by 32 and 16 by 16 pixels.
inline QIcon AppIcon() {
    return QIcon(QStringLiteral(":/zentavo.ico"));
}
// The strip of row images, one 13-pixel cell per mark.
inline QImage RowImageStrip() {
    return QImage(QStringLiteral(":/row_images.bmp"));
}

}  // namespace zentavo
