#include "app/resources.h"

#include "app/window_strings.h"
#include "res/resource.h"

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

QIcon LoadIcon(int id) {
    LoadResources();
    return QIcon(QStringLiteral(":/images/%1.ico").arg(id));
}

QString LoadString(int id) {
    if (id == res::kAboutMenuString) return QString::fromUtf8(text::kAboutMenuEntry);
    return {};
}

}  // namespace zentavo
