#include "app/resources.h"

// Outside any namespace: the resource initialiser is a global function.
static void InitZentavoResources() {
    Q_INIT_RESOURCE(zentavo);
}

namespace zentavo {

void LoadResources() {
    static const bool loaded = (InitZentavoResources(), true);
    (void)loaded;
}

QImage LoadBitmap(int id) {
    LoadResources();
    return QImage(QStringLiteral(":/images/%1.bmp").arg(id));
}

}  // namespace zentavo
