#include <clocale>

#include <QApplication>

#include "app/command_line.h"
#include "app/renamer_app.h"
#include "posix/large_blocks.h"
#include "posix/locale_code_page.h"

int main(int argc, char** argv) {
    zentavo::GiveLargeBlocksBack();
    std::setlocale(LC_ALL, "");
    const zentavo::LocaleCodePage locale;
    zentavo::CommandLine command_line(argc, argv);
    QApplication application(command_line.qt_argc(), command_line.qt_argv());
    return zentavo::CRenamerApp(locale.page()).Run(command_line.Paths());
}
