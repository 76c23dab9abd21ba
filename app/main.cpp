#include <clocale>

#include <QApplication>

#include "app/renamer_app.h"
#include "fileops/locale_code_page.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const zentavo::LocaleCodePage locale;
    QApplication application(argc, argv);
    return zentavo::CRenamerApp(locale.page())
        .Run(zentavo::CRenamerApp::PathsFromArguments(argc, argv));
}
