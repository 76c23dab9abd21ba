#include <QApplication>

#include "app/renamer_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return zentavo::CRenamerApp().Run();
}
