// Where a minimised window draws its icon: centred in the client area, the
// odd pixel going right and down.
#pragma once

#include <QPoint>
#include <QSize>

namespace zentavo {

// Signed division truncating toward zero, so an icon wider than the client
// area by two pixels still starts at 0, by four at -1.
constexpr QPoint IconicIconOrigin(QSize client, QSize icon) {
    return QPoint((client.width() - icon.width() + 1) / 2,
                  (client.height() - icon.height() + 1) / 2);
}

}  // namespace zentavo
