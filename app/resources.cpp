#include "app/resources.h"

// Outside any namespace: the resource initialiser is a global function.
static void InitZentavoResources() {
    Q_INIT_RESOURCE(zentavo);
}

namespace zentavo {

namespace {

// The resources of a static library must be registered before first use.
void LoadResources() {
    static const bool loaded = (InitZentavoResources(), true);
    (void)loaded;
}

}  // namespace

QIcon AppIcon() {
    LoadResources();
    return QIcon(QStringLiteral(":/zentavo.ico"));
}

QImage RowImageStrip() {
    LoadResources();
    return QImage(QStringLiteral(":/row_images.bmp"));
}

}  // namespace zentavo
