// Renders the main window in its typical states, with Japanese and Chinese
// names, the About box and, given a help file, the help window to PNG files,
// in the language of the locale, for the documentation and for looking at
// what a user sees:
//   LANG=de_DE.UTF-8 zentavo_screenshots OUTPUT_FOLDER [HELP_FILE]
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>

#include <clocale>
#include <cstdio>
#include <string>

#include "app/about_dlg.h"
#include "app/help_viewer.h"
#include "app/locale_text.h"
#include "app/renamer_dlg.h"
#include "app/translations.h"
#include "app_test_support.h"
#include "core/code_page.h"
#include "posix/locale_code_page.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

bool SaveImage(const QImage& image, const QString& folder, const char* name) {
    const QString file = folder + "/" + name;
    const bool saved = image.save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

bool Save(QWidget& window, const QString& folder, const char* name) {
    QApplication::processEvents();
    return SaveImage(window.grab().toImage(), folder, name);
}

bool WaitUntilIdle(const CRenamerDlg& window) {
    return QTest::qWaitFor([&] { return !window.busy(); }, 60000);
}

// The window with the tooltip that hovering over a cell of the list brings
// up, drawn where it would appear.
bool SaveWithToolTip(CRenamerDlg& window, const QModelIndex& cell, const QString& folder,
                     const char* name) {
    auto* list = window.findChild<QAbstractItemView*>("renameList");
    const QPoint at = list->visualRect(cell).center();
    QHelpEvent hover(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &hover);
    QApplication::processEvents();
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
    if (!tip) return false;

    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    const QRect tip_rect = tip->geometry().translated(-origin);
    const QRect canvas = window.rect().united(tip_rect);
    QImage image(canvas.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawPixmap(-canvas.topLeft(), window.grab());
    painter.drawPixmap(tip_rect.topLeft() - canvas.topLeft(), tip->grab());
    painter.end();
    QToolTip::hideText();
    return SaveImage(image, folder, name);
}

// Photos with Japanese and Chinese names, as a fresh window lists and names
// them; the names are written in the locale's encoding, so under Shift JIS
// they are Shift JIS bytes, and a name the encoding cannot hold is left out.
bool SaveCjkNames(const CodePage& page, const QString& folder) {
    TempFolder photos;
    std::vector<std::string> dropped;
    for (const char* name : {"京都/金閣寺.JPG", "京都/清水寺の紅葉.JPG", "京都/伏見稲荷大社.JPG",
                             "北京/故宫.jpg", "北京/长城 八达岭.jpg", "北京/天坛.jpg"}) {
        const QString text = QString::fromUtf8(name);
        const std::string bytes = CurrentLocaleCodec().Encode(text);
        if (CurrentLocaleCodec().Decode(bytes) != text) continue;
        dropped.push_back(photos.AddFile(bytes));
    }
    CRenamerDlg window(page);
    window.show();
    DropPaths(&window, dropped);
    bool ok = WaitUntilIdle(window);
    window.findChild<QComboBox*>("patternBox")->lineEdit()->setText("%1d-%3c.%<e");
    window.findChild<QPushButton*>("setFilenamesButton")->click();
    ok = WaitUntilIdle(window) && ok;
    return Save(window, folder, "main-window-cjk.png") && ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const LocaleCodePage locale;
    QApplication application(argc, argv);
    const Translations translations;
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
    ok = WaitUntilIdle(window) && ok;
    window.findChild<QComboBox*>("patternBox")->lineEdit()->setText("%<1d-%3c.%<e");
    window.findChild<QPushButton*>("setFilenamesButton")->click();
    ok = WaitUntilIdle(window) && ok;
    auto* list = window.findChild<QAbstractItemView*>("renameList");
    list->setFocus();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    ok = Save(window, folder, "main-window-named.png") && ok;
    // The first Florence photo's new name is taken: the preview warns of it.
    ok = SaveWithToolTip(window, list->model()->index(0, 1), folder, "main-window-warning.png") &&
         ok;
    // The same under a dark desktop theme.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    list->clearFocus();
    ok = Save(window, folder, "main-window-dark.png") && ok;
    QApplication::setPalette(light);
    list->setFocus();

    window.findChild<QPushButton*>("renameButton")->click();
    ok = WaitUntilIdle(window) && ok;
    list->clearSelection();
    ok = Save(window, folder, "main-window-renamed.png") && ok;
    ok =
        SaveWithToolTip(window, list->model()->index(0, 0), folder, "main-window-failed.png") && ok;

    ok = SaveCjkNames(locale.page(), folder) && ok;

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
