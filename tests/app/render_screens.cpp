// Renders the main window in its typical states, the About box and, given a
// help file, the help window to PNG files, for the documentation and for
// looking at what a user sees:
//   zentavo_screenshots OUTPUT_FOLDER [HELP_FILE]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeView>

#include <clocale>
#include <cstdio>
#include <string>

#include "app/about_dlg.h"
#include "app/help_viewer.h"
#include "app/renamer_dlg.h"
#include "app_test_support.h"
#include "core/code_page.h"
#include "fileops/locale_code_page.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

bool Save(QWidget& window, const QString& folder, const char* name) {
    QApplication::processEvents();
    const QString file = folder + "/" + name;
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const LocaleCodePage locale;
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [HELP_FILE]\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    BoxRecorder boxes;

    TempFolder photos;
    for (const char* name : {"IMG_0412.JPG", "IMG_0413.JPG", "IMG_0415.JPG", "IMG_0420.JPG",
                             "IMG_0421.JPG", "IMG_0433.JPG"})
        photos.AddFile(std::string("Rome/") + name);
    for (const char* name : {"DSC01877.jpg", "DSC01878.jpg", "DSC01880.jpg", "notes.txt"})
        photos.AddFile(std::string("Florence/") + name);
    // Not listed, and in the way of the first Florence photo's new name.
    photos.AddFile("Florence/florence-001.jpg");

    CRenamerDlg window(locale.page());
    window.show();
    bool ok = Save(window, folder, "main-window-empty.png");

    window.findChild<QCheckBox*>("recurseCheck")->setChecked(true);
    DropPaths(&window,
              {photos.path() + "/Rome", photos.path() + "/Florence/DSC01877.jpg",
               photos.path() + "/Florence/DSC01878.jpg", photos.path() + "/Florence/DSC01880.jpg"});
    window.findChild<QComboBox*>("patternBox")->lineEdit()->setText("%<1d-%3c.%<e");
    window.findChild<QPushButton*>("setFilenamesButton")->click();
    auto* list = window.findChild<QTreeView*>("renameList");
    list->setFocus();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    ok = Save(window, folder, "main-window-named.png") && ok;

    window.findChild<QPushButton*>("renameButton")->click();
    list->clearSelection();
    ok = Save(window, folder, "main-window-renamed.png") && ok;

    CAboutDlg about(&window);
    about.show();
    ok = Save(about, folder, "about-box.png") && ok;

    if (argc == 3) {
        BrowserHelpViewer help;
        ok = help.ShowContext(&window, argv[2], 131174) &&
             Save(*help.window(), folder, "help-window.png") && ok;
    }
    return ok ? 0 : 1;
}
