// The built-in resources: dialog templates, images and strings.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace zentavo {

// Makes the resources of the static library reachable; cheap after the
// first call.
void LoadResources();

// The bitmap with this id; a null image when there is none.
QImage LoadBitmap(int id);
// The icon with this id, in all its sizes.
QIcon LoadIcon(int id);
// The string with this id; empty when there is none.
QString LoadString(int id);

}  // namespace zentavo
