// The built-in resources: dialog templates, images and strings.
#pragma once

#include <QImage>

namespace zentavo {

// Makes the resources of the static library reachable; cheap after the
// first call.
void LoadResources();

// The bitmap with this id; a null image when there is none.
QImage LoadBitmap(int id);

}  // namespace zentavo
