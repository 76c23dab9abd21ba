// The main window driven as a user drives it: drops from a file manager,
// clicks, keys, over real files in a temporary folder.

#include <cstdio>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QHelpEvent>
#include <QAccessible>
#include <QtTest>

#include <cerrno>
#include <filesystem>
#include <functional>

#include <QScopeGuard>

#include "app/contrast.h"
#include "app/dialog_units.h"
#include "app/fit_validator.h"
#include "app/locale_text.h"
#include "app/rename_list_view.h"
#include "app/renamer_dlg.h"
#include "app/window_texts.h"
#include "app_test_support.h"
#include "journal/journal_store.h"
#include "posix/os.h"
#include "posix/posix_journal_storage.h"
#include "tests/posix/faulty_os.h"
#include "tests/support/test_code_page.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

// The window with handles on its controls and a folder of files to drop.
class Driver {
public:
    Driver() {
        window.show();
        // Keys reach the window's shortcuts only once it is the active one.
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(pattern() && recurse() && set_filenames() && rename() && exit() && list());
    }

    QComboBox* pattern() const { return window.findChild<QComboBox*>("patternBox"); }
    QCheckBox* recurse() const { return window.findChild<QCheckBox*>("recurseCheck"); }
    QPushButton* set_filenames() const {
        return window.findChild<QPushButton*>("setFilenamesButton");
    }
    QPushButton* rename() const { return window.findChild<QPushButton*>("renameButton"); }
    QPushButton* exit() const { return window.findChild<QPushButton*>("exitButton"); }
    RenameListView* list() const { return window.findChild<RenameListView*>("renameList"); }
    const RenameList& rows() const { return window.session().list(); }

    void Drop(const std::vector<std::string>& relative) {
        std::vector<std::string> paths;
        for (const std::string& name : relative) paths.push_back(folder.path() + "/" + name);
        QVERIFY(DropPaths(&window, paths));
        QTRY_VERIFY(!window.busy());
    }
    void SetFilenames(const QString& text) {
        pattern()->lineEdit()->setText(text);
        QTest::mouseClick(set_filenames(), Qt::LeftButton);
        QTRY_VERIFY(!window.busy());
    }
    void ClickRename() {
        QTest::mouseClick(rename(), Qt::LeftButton);
        QTRY_VERIFY(!window.busy());
    }
    // Starts a job that moves files and holds its first move until the
    // job's progress box shows, which takes the keyboard until the job ends.
    void ShowingProgress(const std::function<void()>& start) {
        fs.HoldMove(1);
        start();
        QTRY_VERIFY(fs.holding());
        QWidget* box = nullptr;
        QTRY_VERIFY((box = window.findChild<QWidget*>("progressDialog")) && box->isVisible());
        fs.Open();
        QTRY_VERIFY(!window.busy());
        QTRY_VERIFY(window.isActiveWindow());
    }
    // What the row's tooltip says, as plain text, read as QToolTip reads it.
    QString ToolTip(int row) const {
        const QString tip = list()->model()->index(row, 1).data(Qt::ToolTipRole).toString();
        QString plain =
            Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
        return plain.remove(QChar(0x200b));  // where a line may break
    }
    void SelectRows(std::initializer_list<int> rows) {
        list()->setFocus();
        for (int row : rows) {
            const QRect rect = list()->visualRect(list()->model()->index(row, 0));
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              rect.center());
        }
    }
    // Actions: "drop NAME[,NAME...]", "set PATTERN", "rename", "delete all".
    void Do(const QString& action) {
        if (action.startsWith("drop ")) {
            std::vector<std::string> names;
            for (const QString& name : action.mid(5).split(','))
                names.push_back(name.toStdString());
            Drop(names);
        } else if (action.startsWith("set ")) {
            SetFilenames(action.mid(4));
        } else if (action == "rename") {
            ClickRename();
        } else if (action == "delete all") {
            list()->setFocus();
            list()->selectAll();
            QTest::keyClick(list(), Qt::Key_Delete);
        } else {
            QFAIL(qPrintable("unknown action " + action));
        }
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (size_t i = 0; i < rows().count(); ++i)
            names.emplace_back(rows().path(i).substr(folder.path().size() + 1));
        return names;
    }

    TempFolder folder;
    TempFolder state;
    BoxRecorder boxes;
    GatedFileSystem fs;
    FaultyOs journal_os;
    CRenamerDlg window{kTestPage, nullptr, state / "journal", &fs, &journal_os};
};

// The hue at the centre of a row's image, the colour of its ball; -1 for a
// row without image.
int RowImageHue(const QAbstractItemModel* model, int row) {
    const QImage image = model->index(row, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
    if (image.isNull()) return -1;
    // Below the check or cross drawn on the ball.
    return QColor(image.pixel(image.width() / 2, image.height() * 3 / 4)).hsvHue();
}

QWidget* ShownToolTip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
    return nullptr;
}

// What a screen reader is told of a widget, or of a cell of a list.
QString Heard(QWidget* widget) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    return control ? control->text(QAccessible::Name) : QString();
}
QString HeardCell(QWidget* list, int row, int column) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface* cell =
        table && table->tableInterface() ? table->tableInterface()->cellAt(row, column) : nullptr;
    return cell ? cell->text(QAccessible::Name) : QString();
}


}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensEmptyWithBothButtonsDisabled();
    void isAnApplicationWindowCentredOnTheScreen();
    void resizingGivesTheListTheRoom();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void listColumnsShareTheClientWidth();
    void listHearsOfEveryChange_data();
    void listHearsOfEveryChange();
    void dropTakesNonUtf8NamesExactly();
    void dropOfFolder_data();
    void dropOfFolder();
    void addFromTheMenu_data();
    void addFromTheMenu();
    void dropTakesTheKeyboard();
    void dropIgnoresUrlsThatAreNotLocalFiles();
    void dropIgnoresAllButFileLists();
    void deleteRemovesEverySelectedRow_data();
    void deleteRemovesEverySelectedRow();
    void selectionIsByClickAndOnlyInTheFirstColumn();
    void selectionShowsOnlyWhileTheListHasTheFocus();
    void listKeysMoveAsInAList_data();
    void listKeysMoveAsInAList();
    void rowsAreAsHighAsAListsRows();
    void enterAndEscapeLeaveTheWindowOpen();
    void enterPressesTheFocusedButton();
    void exitAndCloseEndWithResultOne_data();
    void exitAndCloseEndWithResultOne();
    void renameReportsSuccess();
    void renameReportsFailuresAndMarksRows();
    void marksSurviveANewSetFilenames();
    void tooltipsSayWhy_data();
    void tooltipsSayWhy();
    void tooltipsWrapAndStayOnScreen_data();
    void tooltipsWrapAndStayOnScreen();
    void previewWarnsOfFailures_data();
    void previewWarnsOfFailures();
    void warningsStayReadable_data();
    void warningsStayReadable();
    void cancel_data();
    void cancel();
    void countsAreGroupedAsTheLocaleWritesThem_data();
    void countsAreGroupedAsTheLocaleWritesThem();
    void patternFieldStopsWhenFull();
    void undoAndRedoAreAHistory_data();
    void undoAndRedoAreAHistory();
    void undoBringsFilesBackAsAFreshList();
    void ctrlZInThePatternBoxReachesTheRun();
    void undoListsEveryFileOfTheRun_data();
    void undoListsEveryFileOfTheRun();
    void undoCanBeCancelled();
    void failedUndoLeavesTheWindowAsItWas_data();
    void failedUndoLeavesTheWindowAsItWas();
};

void MainWindowTest::opensEmptyWithBothButtonsDisabled() {
    Driver d;
    QVERIFY(!d.set_filenames()->isEnabled());
    QVERIFY(!d.rename()->isEnabled());
    QCOMPARE(d.pattern()->lineEdit()->text(), QString());
    QCOMPARE(d.pattern()->count(), 2);
    QStringList items{d.pattern()->itemText(0), d.pattern()->itemText(1)};
    QVERIFY(items.contains("%3c.%<e"));
    QVERIFY(items.contains("%<1d-%3c.%<e"));
    QVERIFY(QString::compare(items[0], items[1], Qt::CaseInsensitive) < 0);
    QVERIFY(!d.recurse()->isChecked());
    QCOMPARE(d.list()->model()->rowCount(), 0);
    QCOMPARE(QApplication::focusWidget(), d.pattern());

    for (QPushButton* button : d.window.findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QCOMPARE(d.set_filenames()->text(), QString("&Set Filenames"));
    QCOMPARE(d.rename()->text(), QString("Re&name!"));
    QCOMPARE(d.exit()->text(), QString("E&xit"));
    QCOMPARE(d.recurse()->text(), QString("&Recurse into Subdirectories"));

    // A screen reader names every control the keyboard reaches.
    int named = 0;
    for (QWidget* control : d.window.findChildren<QWidget*>()) {
        if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus)) continue;
        QVERIFY2(!Heard(control).isEmpty(), control->metaObject()->className());
        ++named;
    }
    QCOMPARE(named, 8);
    QCOMPARE(Heard(d.pattern()), QString("Rename Pattern"));
    QCOMPARE(Heard(d.set_filenames()), QString("Set Filenames"));
    QCOMPARE(Heard(d.list()), QString("Files to rename"));
}

void MainWindowTest::isAnApplicationWindowCentredOnTheScreen() {
    Driver d;
    QCOMPARE(d.window.windowTitle(), QString("Zentavo 1.0"));
    QCOMPARE(d.window.parentWidget(), nullptr);
    QCOMPARE(d.window.windowType(), Qt::Window);
    const Qt::WindowFlags flags = d.window.windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowMaximizeButtonHint);
    const QSize layout = DialogUnits::ForFont(QApplication::font()).ToPixels(QSize(340, 226));
    QCOMPARE(d.window.size(), layout);
    QCOMPARE(d.window.minimumSize(), layout);

    const QRect available = d.window.screen()->availableGeometry();
    const QPoint offset = d.window.frameGeometry().center() - available.center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
}

void MainWindowTest::controlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("units");
    QTest::newRow("pattern box") << "patternBox" << QRect(69, 167, 128, 0);
    QTest::newRow("check box") << "recurseCheck" << QRect(69, 185, 128, 10);
    QTest::newRow("Set Filenames") << "setFilenamesButton" << QRect(69, 204, 58, 14);
    QTest::newRow("Rename") << "renameButton" << QRect(139, 204, 58, 14);
    QTest::newRow("Help") << "helpButton" << QRect(282, 188, 50, 14);
    QTest::newRow("Exit") << "exitButton" << QRect(282, 205, 50, 14);
    QTest::newRow("list") << "renameList" << QRect(7, 7, 325, 153);
}

void MainWindowTest::controlsSitWhereTheLayoutPutsThem() {
    QFETCH(QString, name);
    QFETCH(QRect, units);
    Driver d;
    const DialogUnits pixels = DialogUnits::ForFont(QApplication::font());
    QCOMPARE(d.window.size(), pixels.ToPixels(QSize(340, 226)));
    auto* control = d.window.findChild<QWidget*>(name);
    QVERIFY(control);
    QRect expected = pixels.ToPixels(units);
    // The pattern box is as high as its field; its list drops below.
    if (units.height() == 0) expected.setHeight(control->height());
    QCOMPARE(control->geometry(), expected);
}

void MainWindowTest::listColumnsShareTheClientWidth() {
    Driver d;
    // Enough rows for a vertical scroll bar: the columns still fit beside it.
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i) names.push_back(d.folder.AddFile(std::to_string(i)));
    QVERIFY(DropPaths(&d.window, names));
    QTRY_VERIFY(!d.window.busy());
    RenameListView* list = d.list();
    QTRY_VERIFY(list->verticalScrollBar()->isVisible());
    const int path = list->horizontalHeader()->sectionSize(0);
    const int new_name = list->horizontalHeader()->sectionSize(1);
    const int room = list->viewport()->width();
    QVERIFY2(path + new_name <= room && path + new_name >= room - 2,
             qPrintable(QString("%1 + %2 in %3").arg(path).arg(new_name).arg(room)));
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QVERIFY2(std::abs(path * 3 - new_name * 7) <= 10,
             qPrintable(QString("%1 : %2").arg(path).arg(new_name)));

    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QString("Path"));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QString("New Filename"));
    QVERIFY(!list->horizontalHeader()->sectionsClickable());
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    // A long path keeps both its ends on its one line.
    QCOMPARE(list->textElideMode(), Qt::ElideMiddle);
    QVERIFY(!list->wordWrap());
}

void MainWindowTest::resizingGivesTheListTheRoom() {
    Driver d;
    const auto geometry = [&](const char* name) {
        return d.window.findChild<QWidget*>(name)->geometry();
    };
    const auto columns = [&] {
        return std::pair(d.list()->horizontalHeader()->sectionSize(0), d.list()->horizontalHeader()->sectionSize(1));
    };
    const QRect list = geometry("renameList");
    const QRect pattern = geometry("patternBox");
    const QRect exit = geometry("exitButton");
    const auto [path, name] = columns();

    const QSize gained(300, 200);
    d.window.resize(d.window.size() + gained);
    QTRY_COMPARE(geometry("renameList").size(), list.size() + gained);
    QCOMPARE(geometry("renameList").topLeft(), list.topLeft());
    QCOMPARE(geometry("patternBox"), pattern.translated(0, gained.height()));
    QCOMPARE(geometry("exitButton"), exit.translated(gained.width(), gained.height()));
    const auto [wide_path, wide_name] = columns();
    QVERIFY(wide_path + wide_name > path + name + gained.width() - 3);
    QVERIFY2(std::abs(wide_path * 3 - wide_name * 7) <= 10,
             qPrintable(QString("%1 : %2").arg(wide_path).arg(wide_name)));

    // Once the user drags the divider, the columns keep what was chosen.
    QHeaderView* header = d.list()->horizontalHeader();
    const QPoint divider(header->sectionViewportPosition(1), header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, divider);
    QMouseEvent drag(QEvent::MouseMove, divider - QPoint(80, 0),
                     header->viewport()->mapToGlobal(divider - QPoint(80, 0)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &drag);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, divider - QPoint(80, 0));
    QCOMPARE(header->sectionSize(0), wide_path - 80);
    d.window.resize(d.window.size() - gained);
    QTRY_COMPARE(geometry("renameList").size(), list.size());
    QCOMPARE(header->sectionSize(0), wide_path - 80);

    // It cannot be made smaller than the layout.
    d.window.resize(100, 100);
    QCOMPARE(d.window.size(), d.window.minimumSize());
}

// Each row: what is done first, then the action the list must hear of. A
// list that hears nothing shows old rows: it must hear of a change that
// covers every row (a new layout, a reset, the rows removed, or every row's
// data).
void MainWindowTest::listHearsOfEveryChange_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("action");
    QTest::newRow("a drop") << QStringList{} << "drop a.txt";
    QTest::newRow("a drop that adds rows") << QStringList{"drop b.txt"} << "drop a.txt,c.txt";
    QTest::newRow("a drop after a run")
        << QStringList{"drop a.txt", "set %n-x", "rename"} << "drop b.txt";
    QTest::newRow("Delete") << QStringList{"drop a.txt,b.txt"} << "delete all";
    QTest::newRow("Set Filenames") << QStringList{"drop a.txt,b.txt,c.txt"} << "set %3c";
    QTest::newRow("a rename run") << QStringList{"drop a.txt,b.txt,c.txt", "set %3c"} << "rename";
}

void MainWindowTest::listHearsOfEveryChange() {
    QFETCH(QStringList, before);
    QFETCH(QString, action);
    Driver d;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) d.folder.AddFile(name);
    for (const QString& step : before) d.Do(step);

    QAbstractItemModel* model = d.list()->model();
    QSignalSpy data(model, &QAbstractItemModel::dataChanged);
    QSignalSpy layout(model, &QAbstractItemModel::layoutChanged);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    d.Do(action);
    int heard = int(layout.count() + reset.count() + removed.count());
    for (const QList<QVariant>& change : data) {
        heard += change.at(0).value<QModelIndex>() == model->index(0, 0) &&
                 change.at(1).value<QModelIndex>() ==
                     model->index(model->rowCount() - 1, model->columnCount() - 1);
    }
    QVERIFY(heard > 0);
}

void MainWindowTest::dropTakesNonUtf8NamesExactly() {
    Driver d;
    const std::string latin1_name = "caf\xE9 cr\xE8me.txt";  // not valid UTF-8
    const std::string path = d.folder.AddFile(latin1_name);
    QVERIFY(DropUriList(&d.window, FileUrl(path) + "\r\n"));
    QTRY_VERIFY(!d.window.busy());

    QCOMPARE(d.rows().count(), size_t(1));
    QCOMPARE(std::string(d.rows().path(0)), path);
    const QString shown = d.list()->model()->index(0, 0).data().toString();
    QVERIFY(shown.endsWith(QString::fromUtf8("caf\xEF\xBF\xBD cr\xEF\xBF\xBDme.txt")));

    d.SetFilenames("%t-1.%e");
    d.ClickRename();
    QVERIFY(d.folder.Exists("caf\xE9 cr\xE8me-1.txt"));
    QVERIFY(!d.folder.Exists(latin1_name));
    QCOMPARE(d.rows().mark(0), RowMark::Renamed);
}

void MainWindowTest::dropOfFolder_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("recurse");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("hint");
    const QStringList tree{"top/a.txt", "top/b.txt", "top/sub/c.txt", "top/sub/deeper/d.txt"};
    QTest::newRow("without recursion")
        << tree << false << QStringList{"top/a.txt", "top/b.txt"} << false;
    QTest::newRow("with recursion") << tree << true << tree << false;
    QTest::newRow("only subfolders, without recursion")
        << QStringList{"top/sub/c.txt"} << false << QStringList{} << true;
    QTest::newRow("only subfolders, with recursion")
        << QStringList{"top/sub/c.txt"} << true << QStringList{"top/sub/c.txt"} << false;
    QTest::newRow("an empty subfolder is a subfolder")
        << QStringList{"top/sub/"} << false << QStringList{} << true;
    QTest::newRow("an empty folder has no subfolder to blame")
        << QStringList{} << false << QStringList{} << false;
}

void MainWindowTest::dropOfFolder() {
    QFETCH(QStringList, files);
    QFETCH(bool, recurse);
    QFETCH(QStringList, names);
    QFETCH(bool, hint);
    Driver d;
    d.folder.AddFolder("top");
    for (const QString& name : files) {
        if (name.endsWith('/'))
            d.folder.AddFolder(name.chopped(1).toStdString());
        else
            d.folder.AddFile(name.toStdString());
    }
    if (recurse) QTest::mouseClick(d.recurse(), Qt::LeftButton);
    QCOMPARE(d.recurse()->isChecked(), recurse);

    d.Drop({"top"});
    std::vector<std::string> expected;
    for (const QString& name : names) expected.push_back(name.toStdString());
    QCOMPARE(d.Names(), expected);
    QCOMPARE(d.set_filenames()->isEnabled(), !names.empty());
    QCOMPARE(d.list()->emptyHint(), hint ? Texts::OnlySubfoldersHint() : QString());
    QCOMPARE(d.list()->accessibleDescription(), d.list()->emptyHint());

    // Whatever comes next, the list no longer stands empty for that reason.
    d.folder.AddFile("more.txt");
    d.Drop({"more.txt"});
    QCOMPARE(d.list()->emptyHint(), QString());
}

void MainWindowTest::addFromTheMenu_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("files")
        << QKeySequence("Ctrl+O") << QStringList{"top/a.txt", "top/b b.txt"}
        << QStringList{"top/a.txt", "top/b b.txt"};
    QTest::newRow("a folder, as dropped")
        << QKeySequence("Ctrl+Shift+O") << QStringList{"top"}
        << QStringList{"top/a.txt", "top/b b.txt", "top/c.txt"};
    QTest::newRow("nothing chosen") << QKeySequence("Ctrl+O") << QStringList{} << QStringList{};
}

// The platform's dialog is answered as a user would: the names typed into
// it, then accepted, or cancelled when nothing is chosen.
void MainWindowTest::addFromTheMenu() {
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, names);
    Driver d;
    for (const char* name : {"top/a.txt", "top/b b.txt", "top/c.txt", "top/sub/d.txt"})
        d.folder.AddFile(name);
    const QString folder = QString::fromStdString(d.folder.path());
    bool answered = false;
    std::function<void()> answer = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, answer);
            return;
        }
        answered = true;
        if (chosen.isEmpty()) return dialog->reject();
        QStringList quoted;
        for (const QString& name : chosen) quoted << '"' + folder + '/' + name + '"';
        dialog->selectFile(chosen.size() == 1 ? folder + '/' + chosen[0] : quoted.join(' '));
        static_cast<QDialog*>(dialog)->accept();
    };
    QTimer::singleShot(0, answer);
    QTest::keySequence(&d.window, keys);
    QTRY_VERIFY(answered);
    QTRY_VERIFY(!d.window.busy());

    std::vector<std::string> expected;
    for (const QString& name : names) expected.push_back(name.toStdString());
    QCOMPARE(d.Names(), expected);
    QCOMPARE(d.set_filenames()->isEnabled(), !names.empty());
}

// A drag from a file manager leaves the keyboard here, where the user goes
// on.
void MainWindowTest::dropTakesTheKeyboard() {
    Driver d;
    QWidget file_manager;
    file_manager.show();
    file_manager.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &file_manager);
    d.folder.AddFile("a.txt");
    d.Drop({"a.txt"});
    QTRY_COMPARE(QApplication::activeWindow(), &d.window);
}

void MainWindowTest::dropIgnoresUrlsThatAreNotLocalFiles() {
    Driver d;
    const std::string local = d.folder.AddFile("kept.txt");
    const std::string elsewhere = d.folder.AddFile("elsewhere.txt");
    const QByteArray uri_list =
        "# a comment line\r\n"
        "http://example.org" +
        QByteArray::fromStdString(elsewhere) +
        "\r\n"
        "file://another-host" +
        QByteArray::fromStdString(elsewhere) + "\r\n" + FileUrl(local) + "\r\n";
    QVERIFY(DropUriList(&d.window, uri_list));
    QTRY_VERIFY(!d.window.busy());
    QCOMPARE(d.Names(), std::vector<std::string>{"kept.txt"});
}

void MainWindowTest::dropIgnoresAllButFileLists() {
    Driver d;
    QMimeData text;
    text.setText("/etc/passwd");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&d.window, &enter);
    QVERIFY(!enter.isAccepted());
    // No control takes the drop for itself: it always reaches the window.
    QVERIFY(!d.pattern()->lineEdit()->acceptDrops());
    QVERIFY(d.window.acceptDrops());
}

void MainWindowTest::deleteRemovesEverySelectedRow_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Delete") << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Shift+Delete") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Delete") << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void MainWindowTest::deleteRemovesEverySelectedRow() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Driver d;
    for (const char* name : {"0", "1", "2", "3", "4", "5"}) d.folder.AddFile(name);
    d.Drop({"0", "1", "2", "3", "4", "5"});
    d.SetFilenames("%n");
    QVERIFY(d.rename()->isEnabled());

    d.SelectRows({0, 2, 5});
    QCOMPARE(d.list()->selectionModel()->selectedIndexes().size(), 3);
    QTest::keyClick(d.list(), Qt::Key_Delete, modifiers);

    QCOMPARE(d.Names(), (std::vector<std::string>{"1", "3", "4"}));
    QCOMPARE(d.list()->model()->rowCount(), 3);
    QVERIFY(d.set_filenames()->isEnabled());
    QVERIFY(d.rename()->isEnabled());
    QVERIFY(!d.window.session().stale());

    // Other keys leave the rows alone.
    d.list()->selectAll();
    QTest::keyClick(d.list(), Qt::Key_Backspace);
    QTest::keyClick(d.list(), Qt::Key_Insert);
    QCOMPARE(d.rows().count(), size_t(3));
}

void MainWindowTest::selectionIsByClickAndOnlyInTheFirstColumn() {
    Driver d;
    for (const char* name : {"0", "1", "2", "3", "4"}) d.folder.AddFile(name);
    d.Drop({"0", "1", "2", "3", "4"});
    RenameListView* list = d.list();
    QAbstractItemModel* model = list->model();
    const auto click = [&](int row, int column, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(model->index(row, column)).center());
    };
    const auto selected_rows = [&] {
        QList<int> rows;
        for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
            rows << (index.column() == 0 ? index.row() : -1);
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    list->setFocus();
    click(1, 0, Qt::NoModifier);
    QCOMPARE(selected_rows(), QList<int>{1});
    click(3, 0, Qt::ShiftModifier);
    QCOMPARE(selected_rows(), (QList<int>{1, 2, 3}));
    click(0, 0, Qt::ControlModifier);
    QCOMPARE(selected_rows(), (QList<int>{0, 1, 2, 3}));
    click(2, 0, Qt::ControlModifier);
    QCOMPARE(selected_rows(), (QList<int>{0, 1, 3}));
    click(4, 1, Qt::ControlModifier);
    QCOMPARE(selected_rows(), (QList<int>{0, 1, 3}));
    QVERIFY(!list->selectionModel()->isSelected(model->index(4, 1)));
    QVERIFY(!(model->flags(model->index(4, 1)) & Qt::ItemIsSelectable));
}

void MainWindowTest::selectionShowsOnlyWhileTheListHasTheFocus() {
    Driver d;
    d.folder.AddFile("a-long-enough-name.txt");
    d.Drop({"a-long-enough-name.txt"});
    RenameListView* list = d.list();
    const QRect row = list->visualRect(list->model()->index(0, 0));
    const auto shown = [&] { return list->viewport()->grab(row).toImage(); };

    const QImage unselected = shown();
    list->setFocus();
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    const QImage focused = shown();
    d.pattern()->setFocus();
    QVERIFY(!list->hasFocus());
    const QImage unfocused = shown();

    QVERIFY(focused != unselected);
    QCOMPARE(unfocused, unselected);
    QVERIFY(list->selectionModel()->isSelected(list->model()->index(0, 0)));
}

void MainWindowTest::listKeysMoveAsInAList_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("current");  // from row 2
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("keeps_focus");
    QTest::newRow("down") << QKeySequence(Qt::Key_Down) << 3 << QList<int>{3} << true;
    QTest::newRow("up") << QKeySequence(Qt::Key_Up) << 1 << QList<int>{1} << true;
    QTest::newRow("home") << QKeySequence(Qt::Key_Home) << 0 << QList<int>{0} << true;
    QTest::newRow("end") << QKeySequence(Qt::Key_End) << 5 << QList<int>{5} << true;
    QTest::newRow("ctrl+home moves only") << QKeySequence("Ctrl+Home") << 0 << QList<int>{2}
                                          << true;
    QTest::newRow("ctrl+end moves only") << QKeySequence("Ctrl+End") << 5 << QList<int>{2} << true;
    QTest::newRow("shift+down") << QKeySequence("Shift+Down") << 3 << QList<int>{2, 3} << true;
    QTest::newRow("shift+end") << QKeySequence("Shift+End") << 5 << QList<int>{2, 3, 4, 5}
                               << true;
    QTest::newRow("shift+home") << QKeySequence("Shift+Home") << 0 << QList<int>{0, 1, 2} << true;
    QTest::newRow("tab leaves") << QKeySequence(Qt::Key_Tab) << 2 << QList<int>{2} << false;
}

void MainWindowTest::listKeysMoveAsInAList() {
    QFETCH(QKeySequence, keys);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(bool, keeps_focus);
    Driver d;
    for (const char* name : {"0", "1", "2", "3", "4", "5"}) d.folder.AddFile(name);
    d.Drop({"0", "1", "2", "3", "4", "5"});
    d.SelectRows({2});
    QTest::keySequence(d.list(), keys);
    QCOMPARE(d.list()->currentIndex().row(), current);
    QCOMPARE(d.list()->currentIndex().column(), 0);
    QList<int> rows;
    for (const QModelIndex& index : d.list()->selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, selected);
    QCOMPARE(d.list()->hasFocus(), keeps_focus);
}

// As high as a list of the same rows draws them: a line and its image.
void MainWindowTest::rowsAreAsHighAsAListsRows() {
    Driver d;
    d.folder.AddFile("a.txt");
    d.Drop({"a.txt"});
    QTreeView plain_list;
    plain_list.setModel(d.list()->model());
    plain_list.setRootIsDecorated(false);
    plain_list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain_list));
    const QModelIndex first = d.list()->model()->index(0, 0);
    const int height = plain_list.visualRect(first).height();
    QCOMPARE(d.list()->visualRect(first).height(), height);
    // The same under a new font.
    QFont larger = d.list()->font();
    larger.setPointSize(larger.pointSize() * 2);
    d.list()->setFont(larger);
    plain_list.setFont(larger);
    QTRY_VERIFY(plain_list.visualRect(first).height() > height);
    QTRY_COMPARE(d.list()->visualRect(first).height(), plain_list.visualRect(first).height());
}

void MainWindowTest::enterAndEscapeLeaveTheWindowOpen() {
    Driver d;
    QSignalSpy finished(&d.window, &QDialog::finished);
    QLineEdit* edit = d.pattern()->lineEdit();
    edit->setFocus();
    QTest::keyClicks(edit, "%n");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(d.list(), Qt::Key_Return);
    QTest::keyClick(d.list(), Qt::Key_Escape);
    QTest::keyClick(&d.window, Qt::Key_Escape);
    QTest::keyClick(&d.window, Qt::Key_Return);

    QVERIFY(d.window.isVisible());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(edit->text(), QString("%n"));
    QCOMPARE(d.pattern()->count(), 2);  // the typed pattern was not added
}

void MainWindowTest::enterPressesTheFocusedButton() {
    Driver d;
    d.folder.AddFile("a.txt");
    d.Drop({"a.txt"});
    d.pattern()->lineEdit()->setText("%n");
    d.set_filenames()->setFocus();
    QTest::keyClick(d.set_filenames(), Qt::Key_Return);
    QCOMPARE(std::string(d.rows().new_name(0)), std::string("a.txt"));
    QVERIFY(d.rename()->isEnabled());

    d.exit()->setFocus();
    QSignalSpy finished(&d.window, &QDialog::finished);
    QTest::keyClick(d.exit(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
}

void MainWindowTest::exitAndCloseEndWithResultOne_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "exit";
    QTest::newRow("Alt+X") << "alt+x";
    QTest::newRow("close request") << "close";
}

void MainWindowTest::exitAndCloseEndWithResultOne() {
    QFETCH(QString, how);
    Driver d;
    QSignalSpy finished(&d.window, &QDialog::finished);
    // Pending rows do not hold the window open, and nothing is asked.
    d.Drop({d.folder.AddFile("pending.txt").substr(d.folder.path().size() + 1)});
    if (how == "exit")
        QTest::mouseClick(d.exit(), Qt::LeftButton);
    else if (how == "alt+x")
        QTest::keyClick(d.window.windowHandle(), Qt::Key_X, Qt::AltModifier);
    else
        d.window.close();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    QVERIFY(!d.window.isVisible());
    QVERIFY(d.boxes.boxes.empty());
}

void MainWindowTest::renameReportsSuccess() {
    Driver d;
    d.folder.AddFile("a.txt");
    d.folder.AddFile("b.txt");
    d.Drop({"a.txt", "b.txt"});
    d.SetFilenames("%3c.%<e");
    d.ClickRename();

    QCOMPARE(d.boxes.boxes.size(), size_t(1));
    const ShownBox& box = d.boxes.boxes[0];
    QCOMPARE(box.owner, &d.window);
    QCOMPARE(box.icon, MessageIcon::Information);
    QCOMPARE(box.caption, QString("Finished"));
    QCOMPARE(box.text, QString("2 file(s) were renamed successfully."));
    QVERIFY(d.folder.Exists("001.txt") && d.folder.Exists("002.txt"));
    // The rows keep their old paths beside their new names.
    QCOMPARE(d.Names(), (std::vector<std::string>{"a.txt", "b.txt"}));
    QCOMPARE(d.list()->model()->index(1, 1).data().toString(), QString("002.txt"));
    const int green = RowImageHue(d.list()->model(), 1);
    QVERIFY2(green > 80 && green < 160, qPrintable(QString::number(green)));
    QVERIFY(d.window.session().stale());

    d.ClickRename();
    QCOMPARE(d.boxes.boxes.back().text, QString("0 file(s) were renamed successfully."));
}

void MainWindowTest::renameReportsFailuresAndMarksRows() {
    Driver d;
    d.folder.AddFile("a.txt", "a");
    d.folder.AddFile("b.txt", "b");
    d.folder.AddFile("taken.txt", "keep me");
    d.Drop({"a.txt", "b.txt"});
    d.SetFilenames("taken.txt");
    d.ClickRename();

    QCOMPARE(d.boxes.boxes.size(), size_t(1));
    QCOMPARE(d.boxes.boxes[0].icon, MessageIcon::Warning);
    QCOMPARE(d.boxes.boxes[0].caption, QString("Rename Failed"));
    QCOMPARE(d.boxes.boxes[0].text, QString("Renaming failed for 2 file(s)."));
    QCOMPARE(d.rows().mark(0), RowMark::Failed);
    QCOMPARE(d.rows().mark(1), RowMark::Failed);
    QVERIFY(d.folder.Exists("a.txt") && d.folder.Exists("b.txt"));
    // The red ball of a failed row is what the list shows.
    const int red = RowImageHue(d.list()->model(), 0);
    QVERIFY2(red >= 0 && (red < 12 || red > 340), qPrintable(QString::number(red)));
}

void MainWindowTest::marksSurviveANewSetFilenames() {
    Driver d;
    d.folder.AddFile("a.txt");
    d.folder.AddFile("b.txt");
    d.folder.AddFile("in-the-way.txt");
    d.Drop({"a.txt", "b.txt"});
    d.SetFilenames("%t-new.%e");
    d.list()->setFocus();
    d.SelectRows({1});
    d.ClickRename();
    QCOMPARE(d.rows().mark(0), RowMark::Renamed);

    d.SetFilenames("in-the-way.txt");
    QCOMPARE(d.rows().mark(0), RowMark::Renamed);
    QCOMPARE(d.rows().mark(1), RowMark::Renamed);
    QCOMPARE(std::string(d.rows().new_name(0)), std::string("in-the-way.txt"));
    QCOMPARE(d.Names(), (std::vector<std::string>{"a.txt", "b.txt"}));
    // New names leave the selection as it was.
    QVERIFY(d.list()->selectionModel()->isSelected(d.list()->model()->index(1, 0)));

    // Marked rows are not renamed again.
    d.ClickRename();
    QCOMPARE(d.boxes.boxes.back().text, QString("0 file(s) were renamed successfully."));
    QVERIFY(d.folder.Exists("a-new.txt") && d.folder.Exists("in-the-way.txt"));
}

// Each row: files on disk (a name ending in "/" is a folder), the files
// dropped, a pattern, what the file system does to the move of the first
// dropped file, and what the first row's tooltip says once renamed.
void MainWindowTest::tooltipsSayWhy_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("left_at");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("heard");  // by a screen reader, after the path
    QTest::newRow("renamed") << QStringList{"a.txt"} << QStringList{"a.txt"} << "b.txt" << 0 << ""
                             << "New path: @/b.txt\nRenamed" << "renamed";
    QTest::newRow("a name that looks like markup")
        << QStringList{"<b>a &amp; b"} << QStringList{"<b>a &amp; b"} << "<i>%n" << 0 << ""
        << "New path: @/<i><b>a &amp; b\nRenamed" << "renamed";
    QTest::newRow("name taken")
        << QStringList{"a.txt", "b.txt"} << QStringList{"a.txt"} << "b.txt" << 0 << ""
        << "New path: @/b.txt\nNot renamed: A file named \"b.txt\" already exists"
        << "failed: A file named \"b.txt\" already exists";
    QTest::newRow("permission denied")
        << QStringList{"a.txt"} << QStringList{"a.txt"} << "b.txt" << EACCES << ""
        << "Not renamed: Permission denied" << "failed: Permission denied";
    QTest::newRow("file gone") << QStringList{"a.txt"} << QStringList{"a.txt"} << "b.txt" << ENOENT
                               << ""
                               << "Not renamed: The file is no longer there"
                               << "failed: The file is no longer there";
    QTest::newRow("folder missing")
        << QStringList{"a.txt"} << QStringList{"a.txt"} << "sub/b.txt" << 0 << ""
        << "Not renamed: The file, or the folder it was to move into, is not there"
        << "failed: The file, or the folder it was to move into, is not there";
    QTest::newRow("folder replaced")
        << QStringList{"a.txt"} << QStringList{"a.txt"} << "b.txt" << ESTALE << ""
        << "Not renamed: The folder @ was replaced during the rename"
        << "failed: The folder @ was replaced during the rename";
    QTest::newRow("folder or target folder replaced")
        << QStringList{"a.txt"} << QStringList{"a.txt"} << "sub/b.txt" << ESTALE << ""
        << "Not renamed: The folder @, or the one the file was to move into, was replaced "
           "during the rename"
        << "failed: The folder @, or the one the file was to move into, was replaced during the "
           "rename";
    QTest::newRow("left under a temporary name")
        << QStringList{"a.txt"} << QStringList{"a.txt"} << "A.txt" << EIO << "@/.zentavo-run-0.tmp"
        << "The file is now under the temporary name @/.zentavo-run-0.tmp"
        << "failed: Input/output error; The file is now under the temporary name "
           "@/.zentavo-run-0.tmp";
}

void MainWindowTest::tooltipsSayWhy() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, dropped);
    QFETCH(QString, pattern);
    QFETCH(int, error);
    QFETCH(QString, left_at);
    QFETCH(QString, says);
    QFETCH(QString, heard);
    Driver d;
    const QString root = QString::fromStdString(d.folder.path());
    for (const QString& file : files) d.folder.AddFile(file.toStdString());
    std::vector<std::string> names;
    for (const QString& name : dropped) names.push_back(name.toStdString());
    d.Drop(names);
    if (error != 0) {
        MoveResult result;
        result.error = error;
        result.left_at = QString(left_at).replace("@", root).toStdString();
        d.fs.FailMove(std::string(d.rows().path(0)), result);
    }
    d.SetFilenames(pattern);
    d.ClickRename();
    const QString tip = d.ToolTip(0);
    QVERIFY2(tip.startsWith(QString::fromStdString(std::string(d.rows().path(0))) + "\n"),
             qPrintable(tip));
    QVERIFY2(tip.contains(QString(says).replace("@", root)), qPrintable(tip));
    // A screen reader hears the state that the ball shows.
    QCOMPARE(HeardCell(d.list(), 0, 0), QString::fromStdString(std::string(d.rows().path(0))) +
                                            ", " + heard.replace("@", root));
    // Both cells of the row say the same.
    QCOMPARE(d.list()->model()->index(0, 0).data(Qt::ToolTipRole),
             d.list()->model()->index(0, 1).data(Qt::ToolTipRole));
}

void MainWindowTest::tooltipsWrapAndStayOnScreen_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("a deep path")
        << QString("photos/2026/holidays in the south/rome and florence/day three/" +
                   QString("IMG_0042.JPG"));
    QTest::newRow("a long name without a space") << QString(200, 'x');
}

// Hovering a row near the screen's right edge brings a tooltip no wider than
// about 80 characters that lies wholly on the screen.
void MainWindowTest::tooltipsWrapAndStayOnScreen() {
    QFETCH(QString, file);
    Driver d;
    d.folder.AddFile(file.toStdString());
    d.Drop({file.toStdString()});
    d.SetFilenames("%n-" + QString(120, 'n'));
    const QRect screen = d.window.screen()->availableGeometry();
    d.window.move(screen.right() - d.window.frameGeometry().width(), screen.top());
    const QRect cell = d.list()->visualRect(d.list()->model()->index(0, 1));
    const QPoint at(cell.right() - 2, cell.center().y());
    QHelpEvent hover(QEvent::ToolTip, at, d.list()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(d.list()->viewport(), &hover);
    QWidget* tip = nullptr;
    QTRY_VERIFY((tip = ShownToolTip()));
    const int readable = 80 * tip->fontMetrics().averageCharWidth() + 40;
    QVERIFY2(tip->width() <= readable, qPrintable(QString("%1 > %2").arg(tip->width()).arg(readable)));
    QVERIFY2(screen.contains(tip->geometry()),
             qPrintable(QString("%1,%2 %3x%4")
                            .arg(tip->x())
                            .arg(tip->y())
                            .arg(tip->width())
                            .arg(tip->height())));
    QToolTip::hideText();
}

// Each row: files on disk, the files dropped, a pattern, and what the
// preview says of each row ("-" for nothing).
void MainWindowTest::previewWarnsOfFailures_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("warnings");
    const QString same = "Another listed file is to get the same new path: @/";
    const QString taken = "A file named \"%1\" already exists and no listed file moves it away";
    const QString cycle =
        "These renames form a cycle, which cannot complete without replacing a file: ";
    QTest::newRow("two rows, one new path") << QStringList{"a", "b"} << QStringList{"a", "b"}
                                            << "same" << QStringList{same + "b", same + "a"};
    QTest::newRow("an existing file that stays")
        << QStringList{"a", "kept"} << QStringList{"a"} << "kept" << QStringList{taken.arg("kept")};
    QTest::newRow("a cycle") << QStringList{"p/q", "q/p"} << QStringList{"p/q", "q/p"}
                             << "../%n/%1d"
                             << QStringList{cycle + "q \u2192 p \u2192 q",
                                            cycle + "p \u2192 q \u2192 p"};
    QTest::newRow("a chain that ends at a free name")
        << QStringList{"0", "1"} << QStringList{"0", "1"} << "%c" << QStringList{"-", "-"};
    QTest::newRow("a chain that ends at a file that stays")
        << QStringList{"0", "1", "2"} << QStringList{"0", "1"} << "%c"
        << QStringList{taken.arg("1"), taken.arg("2")};
    QTest::newRow("a row that moves nothing")
        << QStringList{"a"} << QStringList{"a"} << "%n" << QStringList{"-"};
    const QString long_name(128, 'a');
    QTest::newRow("a name longer than the folder takes")
        << QStringList{long_name, "b"} << QStringList{long_name, "b"} << "%n%n"
        << QStringList{"The new name is too long for this folder", "-"};
}

void MainWindowTest::previewWarnsOfFailures() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, dropped);
    QFETCH(QString, pattern);
    QFETCH(QStringList, warnings);
    Driver d;
    for (const QString& file : files) d.folder.AddFile(file.toStdString());
    std::vector<std::string> names;
    for (const QString& name : dropped) names.push_back(name.toStdString());
    d.Drop(names);
    d.SetFilenames(pattern);

    QAbstractItemModel* model = d.list()->model();
    const QString root = QString::fromStdString(d.folder.path());
    for (int row = 0; row < warnings.size(); ++row) {
        const QModelIndex name = model->index(row, 1);
        const QString expected = QString(warnings[row]).replace("@", root);
        const QString path = QString::fromStdString(std::string(d.rows().path(size_t(row))));
        if (expected == "-") {
            QVERIFY(!name.data(Qt::BackgroundRole).isValid());
            QVERIFY2(d.ToolTip(row).count('\n') == 1, qPrintable(d.ToolTip(row)));
            QCOMPARE(HeardCell(d.list(), row, 0), path + ", pending");
            continue;
        }
        QCOMPARE(HeardCell(d.list(), row, 0), path + ", pending: " + expected);
        QVERIFY(name.data(Qt::BackgroundRole).isValid());
        QVERIFY(name.data(Qt::ForegroundRole).isValid());
        QVERIFY2(d.ToolTip(row).endsWith("\n" + expected), qPrintable(d.ToolTip(row)));
        QCOMPARE(d.rows().mark(size_t(row)), RowMark::Pending);
    }
    // Warnings change neither the marks nor what can be pressed.
    QVERIFY(d.rename()->isEnabled());
}

void MainWindowTest::warningsStayReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("default palette") << QApplication::style()->standardPalette();
    QTest::newRow("dark Fusion palette") << DarkPalette();
}

// Every cell's text stands out from its background by at least 4.5:1, the
// warned one's too, whatever the palette.
void MainWindowTest::warningsStayReadable() {
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    QApplication::setPalette(palette);
    Driver d;
    for (const char* name : {"a", "b", "kept"}) d.folder.AddFile(name);
    d.Drop({"a", "b"});
    d.SetFilenames("kept");
    QTRY_VERIFY(d.ToolTip(0).contains("already exists"));

    int cells = 0;
    for (int row = 0; row < d.list()->model()->rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            const QModelIndex cell = d.list()->model()->index(row, column);
            const QVariant text = cell.data(Qt::ForegroundRole);
            const QVariant background = cell.data(Qt::BackgroundRole);
            const QColor text_colour = text.isValid() ? text.value<QBrush>().color()
                                                      : palette.color(QPalette::Text);
            const QColor background_colour = background.isValid()
                                                 ? background.value<QBrush>().color()
                                                 : palette.color(QPalette::Base);
            const double ratio = ContrastRatio(text_colour, background_colour);
            QVERIFY2(ratio >= 4.5, qPrintable(QString("row %1, column %2: %3:1 (%4 on %5)")
                                                  .arg(row)
                                                  .arg(column)
                                                  .arg(ratio)
                                                  .arg(text_colour.name(), background_colour.name())));
            cells += text.isValid();
        }
    }
    QCOMPARE(cells, 2);  // both warned rows' new names were looked at
}

// Cancel, pressed while the job waits on the file system: a rename stops
// after the move it is making, a drop keeps nothing of itself.
void MainWindowTest::cancel_data() {
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("marks");  // R renamed, F failed
    QTest::newRow("rename") << "rename"
                            << "RRFFF";
    QTest::newRow("drop") << "drop"
                          << "RRRRR";
}

void MainWindowTest::cancel() {
    QFETCH(QString, job);
    QFETCH(QString, marks);
    Driver d;
    for (const char* name : {"a", "b", "c", "d", "e", "more/f"}) d.folder.AddFile(name);
    d.Drop({"a", "b", "c", "d", "e"});
    d.SetFilenames("%n-new");
    if (job == "rename") {
        d.fs.HoldMove(2);
        QTest::mouseClick(d.rename(), Qt::LeftButton);
    } else {
        d.ClickRename();
        d.fs.HoldListings();
        QVERIFY(DropPaths(&d.window, {d.folder / "more"}));
    }
    QTRY_VERIFY(d.fs.holding());
    // The window keeps answering, and shows a way to stop after a moment.
    QPushButton* cancel = nullptr;
    QTRY_VERIFY((cancel = d.window.findChild<QPushButton*>("cancelButton")) != nullptr);
    QTRY_VERIFY(cancel->isVisible() && cancel->isEnabled());
    QVERIFY(d.window.busy());
    if (job == "rename") {
        // The box counts every move, and the list shows the first row done.
        QTRY_COMPARE(d.window.findChild<QLabel*>("progressText")->text(),
                     QString("Renaming: 1 of 5 file(s) renamed"));
        const int green = RowImageHue(d.list()->model(), 0);
        QVERIFY2(green > 80 && green < 160, qPrintable(QString::number(green)));
    }
    QTest::mouseClick(cancel, Qt::LeftButton);
    d.fs.Open();
    QTRY_VERIFY(!d.window.busy());
    QVERIFY(!d.window.findChild<QWidget*>("progressDialog") ||
            !d.window.findChild<QWidget*>("progressDialog")->isVisible());

    // A rename completed the move under way when Cancel was pressed and
    // tried no other; the list of a drop is as it was, run and all.
    QCOMPARE(d.Names(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    QString shown;
    for (size_t row = 0; row < d.rows().count(); ++row)
        shown += d.rows().mark(row) == RowMark::Renamed ? 'R' : 'F';
    QCOMPARE(shown, marks);
    QCOMPARE(d.folder.Exists("c-new"), job == "drop");
    QVERIFY(d.window.session().stale());
    QCOMPARE(d.boxes.boxes.size(), size_t(1));
    if (job == "rename") {
        QVERIFY(d.folder.Exists("b-new") && d.folder.Exists("c"));
        QVERIFY(d.ToolTip(4).endsWith("Not renamed: Cancelled"));
        // Stopping is what the user asked for, not a failure.
        QCOMPARE(d.boxes.boxes[0].icon, MessageIcon::Information);
        QCOMPARE(d.boxes.boxes[0].caption, QString("Cancelled"));
        QCOMPARE(d.boxes.boxes[0].text, QString("2 renamed; 3 not tried."));
        QCOMPARE(d.boxes.boxes[0].detail, QString("Renamed: 2\nFailed: 0\nNot tried: 3"));
    }
}

// Each row: what is done to a folder of 1,205 files, and the box that tells
// of it, in a locale that groups digits by thousands.
void MainWindowTest::countsAreGroupedAsTheLocaleWritesThem_data() {
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("a finished run") << "rename" << "Finished"
                                    << "1,205 file(s) were renamed successfully.";
    QTest::newRow("a cancelled run") << "cancel" << "Cancelled" << "1,101 renamed; 104 not tried.";
    QTest::newRow("a run cut short")
        << "kill" << "Interrupted Rename"
        << "1,101 of 1,205 files were renamed before it was cut short.";
}

void MainWindowTest::countsAreGroupedAsTheLocaleWritesThem() {
    QFETCH(QString, job);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    constexpr int kFiles = 1205;
    constexpr int kMoved = 1101;
    Driver d;
    for (int i = 0; i < kFiles; ++i) d.folder.AddFile("many/" + std::to_string(i));
    if (job == "kill") {
        // The journal of a run killed after its moves' steps were written:
        // every step is due at once by this clock.
        JournalStore journals = PosixJournals(SystemOs(), d.state / "journal");
        RunHeader header;
        header.rows = kFiles;
        header.first_folder = d.folder / "many";
        int64_t now = WallClockNs();
        {
            // The writer goes as a killed process's would: without its end,
            // and with the lock a living run holds.
            JournalWriter writer([&now] { return now += 2'000'000'000; });
            QCOMPARE(journals.Create(header, writer), 0);
            for (int i = 0; i < kFiles; ++i) {
                const std::string from = d.folder / ("many/" + std::to_string(i));
                writer.Plan(from, from + "-new", {});
            }
            QCOMPARE(writer.SealPlan(), 0);
            for (int i = 0; i < kMoved; ++i) writer.Moved(uint32_t(i), {});
        }
        d.boxes.answer = false;
        d.window.OfferUndoOfInterruptedRun();
    } else {
        d.Drop({"many"});
        d.SetFilenames("%n-new");
        if (job == "cancel") d.fs.HoldMove(kMoved);
        QTest::mouseClick(d.rename(), Qt::LeftButton);
        if (job == "cancel") {
            QTRY_VERIFY(d.fs.holding());
            QPushButton* cancel = nullptr;
            QTRY_VERIFY((cancel = d.window.findChild<QPushButton*>("cancelButton")) != nullptr);
            QTRY_VERIFY(cancel->isVisible() && cancel->isEnabled());
            QTest::mouseClick(cancel, Qt::LeftButton);
            d.fs.Open();
        }
        QTRY_VERIFY(!d.window.busy());
    }
    QCOMPARE(d.boxes.boxes.size(), size_t(1));
    QCOMPARE(d.boxes.boxes[0].caption, caption);
    QVERIFY2(d.boxes.boxes[0].text.contains(text), qPrintable(d.boxes.boxes[0].text));
    if (job == "rename") {
        QCOMPARE(d.window.findChild<QAction*>("undoAction")->text(),
                 QString("&Undo Rename of 1,205 Files"));
    }
}

void MainWindowTest::patternFieldStopsWhenFull() {
    Driver d;
    QLineEdit* edit = d.pattern()->lineEdit();
    edit->setFocus();
    const QString typed(300, QLatin1Char('W'));
    QTest::keyClicks(edit, typed);
    const QString kept = edit->text();
    QVERIFY(kept.size() > 5);
    QVERIFY(kept.size() < typed.size());
    auto* validator = qobject_cast<const FitValidator*>(edit->validator());
    QVERIFY(validator);
    QVERIFY(validator->Fits(kept));
    QVERIFY(!validator->Fits(kept + "W"));
    // A further key is refused.
    QTest::keyClicks(edit, "W");
    QCOMPARE(edit->text(), kept);
}

// Each row: the key that redoes, and whether every job that moves files
// lasts long enough to show its progress box. Undo steps back run by run and
// never renames again; Redo brings back what was undone, the last undone
// first.
void MainWindowTest::undoAndRedoAreAHistory_data() {
    QTest::addColumn<QKeySequence>("redo_key");
    QTest::addColumn<bool>("progress_shows");
    QTest::newRow("Ctrl+Shift+Z") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << false;
    QTest::newRow("Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y) << false;
    QTest::newRow("Ctrl+Y after progress boxes") << QKeySequence(Qt::CTRL | Qt::Key_Y) << true;
}

void MainWindowTest::undoAndRedoAreAHistory() {
    QFETCH(QKeySequence, redo_key);
    QFETCH(bool, progress_shows);
    Driver d;
    auto* undo = d.window.findChild<QAction*>("undoAction");
    auto* redo = d.window.findChild<QAction*>("redoAction");
    QVERIFY(undo && redo);
    const QList<QAction*> menu = d.window.findChild<QMenu*>("windowMenu")->actions();
    QCOMPARE(menu.indexOf(redo), menu.indexOf(undo) + 1);
    QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(redo->shortcuts().contains(redo_key));
    const auto entries = [&] {
        return QStringList{undo->isEnabled() ? undo->text() : "-",
                           redo->isEnabled() ? redo->text() : "-"};
    };
    const auto press = [&](const QKeySequence& key) {
        d.list()->setFocus();
        QTest::keySequence(d.list(), key);
    };
    const auto job = [&](const std::function<void()>& start) {
        if (progress_shows) return d.ShowingProgress(start);
        start();
        QTRY_VERIFY(!d.window.busy());
    };
    const auto rename = [&] { QTest::mouseClick(d.rename(), Qt::LeftButton); };
    const auto on_disk = [&] {
        QString names;
        for (const char* name : {"a", "b", "a1", "b1", "a12", "b12"})
            names += d.folder.Exists(name) ? QString(name) + " " : "";
        return names;
    };
    QCOMPARE(entries(), (QStringList{"-", "-"}));
    QCOMPARE(undo->text(), QString("&Undo"));

    d.folder.AddFile("a");
    d.folder.AddFile("b");
    d.Drop({"a", "b"});
    d.SetFilenames("%n1");
    job(rename);
    d.Drop({"a1", "b1"});
    d.SetFilenames("%n2");
    job(rename);
    QCOMPARE(on_disk(), QString("a12 b12 "));
    QCOMPARE(entries(), (QStringList{"&Undo Rename of 2 Files", "-"}));

    const QKeySequence ctrl_z(Qt::CTRL | Qt::Key_Z);
    job([&] { press(ctrl_z); });
    QCOMPARE(on_disk(), QString("a1 b1 "));
    QCOMPARE(entries(), (QStringList{"&Undo Rename of 2 Files", "&Redo Rename of 2 Files"}));
    job([&] { press(ctrl_z); });
    QCOMPARE(on_disk(), QString("a b "));
    QCOMPARE(entries(), (QStringList{"-", "&Redo Rename of 2 Files"}));
    // Nothing is left to undo: the key renames nothing again.
    const size_t boxes = d.boxes.boxes.size();
    press(ctrl_z);
    QTRY_VERIFY(!d.window.busy());
    QCOMPARE(on_disk(), QString("a b "));
    QCOMPARE(d.boxes.boxes.size(), boxes);

    job([&] { press(redo_key); });
    QCOMPARE(on_disk(), QString("a1 b1 "));
    QCOMPARE(d.boxes.boxes.back().text, QString("2 file(s) have their new names again."));
    QCOMPARE(entries(), (QStringList{"&Undo Rename of 2 Files", "&Redo Rename of 2 Files"}));
    // A new run clears what could be redone.
    d.SetFilenames("%n3");
    d.ClickRename();
    QCOMPARE(entries(), (QStringList{"&Undo Rename of 2 Files", "-"}));
}

void MainWindowTest::undoBringsFilesBackAsAFreshList() {
    Driver d;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) d.folder.AddFile(name, name);
    d.Drop({"a.txt", "b.txt", "c.txt"});
    d.SetFilenames("%t-new.%e");
    d.ClickRename();
    // A new file takes one old name in the meantime.
    d.folder.AddFile("c.txt", "newcomer");

    d.list()->setFocus();
    QTest::keyClick(d.list(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(!d.window.busy());

    QCOMPARE(d.boxes.boxes.size(), size_t(2));
    const ShownBox& box = d.boxes.boxes[1];
    QCOMPARE(box.icon, MessageIcon::Warning);
    QCOMPARE(box.caption, QString("Undo Incomplete"));
    const QString folder = QString::fromStdString(d.folder.path());
    QCOMPARE(box.text, QString("2 file(s) are back under their names.\n\n1 file(s) could not be "
                               "brought back:\n%1/c.txt: its name is taken; it stays as "
                               "%1/c-new.txt")
                           .arg(folder));
    const auto content = [&](const char* name) {
        QFile file(QString::fromStdString(d.folder / name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    QCOMPARE(content("a.txt"), QByteArray("a.txt"));
    QCOMPARE(content("c-new.txt"), QByteArray("c.txt"));
    QCOMPARE(content("c.txt"), QByteArray("newcomer"));
    // Every file of the run is a new row under the name it has now; the
    // pattern stays for them.
    QCOMPARE(d.Names(), (std::vector<std::string>{"a.txt", "b.txt", "c-new.txt"}));
    QCOMPARE(d.rows().mark(0), RowMark::Pending);
    QCOMPARE(std::string(d.rows().new_name(0)), std::string());
    QCOMPARE(d.list()->model()->rowCount(), 3);
    QCOMPARE(d.pattern()->lineEdit()->text(), QString("%t-new.%e"));
    QVERIFY(d.set_filenames()->isEnabled());
    QVERIFY(!d.rename()->isEnabled());
    // The file left behind keeps the run for the next undo.
    QVERIFY(d.window.findChild<QAction*>("undoAction")->isEnabled());
}

// Typing is undone first; what was typed before a run is the run's, and
// Ctrl+Z then takes back the run.
void MainWindowTest::ctrlZInThePatternBoxReachesTheRun() {
    Driver d;
    d.folder.AddFile("a");
    d.Drop({"a"});
    QTest::mouseClick(d.pattern()->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(d.pattern(), "%n-x");
    // The buttons' keys, which press them a moment later. The run shows
    // its progress box, which has the keyboard until the run is over.
    const auto press_by_key = [&](QPushButton* button, Qt::Key key) {
        QSignalSpy pressed(button, &QPushButton::clicked);
        QTest::keyClick(&d.window, key, Qt::AltModifier);
        QTRY_COMPARE(pressed.count(), 1);
    };
    press_by_key(d.set_filenames(), Qt::Key_S);
    QTRY_VERIFY(!d.window.busy());
    d.ShowingProgress([&] { press_by_key(d.rename(), Qt::Key_N); });
    QVERIFY(d.folder.Exists("a-x"));
    QTest::mouseClick(d.pattern()->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(d.pattern(), "y");
    QCOMPARE(d.pattern()->lineEdit()->text(), QString("%n-xy"));

    QTest::keyClick(d.pattern(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(!d.window.busy());
    QCOMPARE(d.pattern()->lineEdit()->text(), QString("%n-x"));
    QVERIFY(d.folder.Exists("a-x"));

    QTest::keyClick(d.pattern(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(!d.window.busy());
    QCOMPARE(d.pattern()->lineEdit()->text(), QString("%n-x"));
    QVERIFY(d.folder.Exists("a"));
    QVERIFY(!d.folder.Exists("a-x"));
    QCOMPARE(QApplication::focusWidget(), d.pattern());
    // The box has nothing to redo either: Redo brings the rename back.
    QTest::keyClick(d.pattern(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(!d.window.busy());
    QVERIFY(d.folder.Exists("a-x"));
}

// Each row: how a run of a to e ended, and what its undo then says. The list
// holds every file of the run under the name it has now, and a drop adds to
// it: its rows are pending, ready for a new pattern.
void MainWindowTest::undoListsEveryFileOfTheRun_data() {
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("after_a_drop");
    const QString all = "a b c d e";
    QTest::newRow("cancelled") << "cancelled"
                               << "2 file(s) are back under their names."
                               << "Undo Last Rename" << all << "a b c d e f";
    QTest::newRow("with a failure") << "failed"
                                    << "4 file(s) are back under their names."
                                    << "Undo Last Rename" << all << "a b c d e f";
    // Nothing known of the run's files: the list stays the run's, whose rows
    // are spent.
    QTest::newRow("journal damaged in its plan")
        << "damaged"
        << "The journal of run <run> is damaged after record 0; 0 of 5 file(s) brought back."
        << "Undo Incomplete" << all << "f";
}

void MainWindowTest::undoListsEveryFileOfTheRun() {
    QFETCH(QString, run);
    QFETCH(QString, says);
    QFETCH(QString, caption);
    QFETCH(QString, names);
    QFETCH(QString, after_a_drop);
    Driver d;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) d.folder.AddFile(name);
    d.Drop({"a", "b", "c", "d", "e"});
    d.SetFilenames("%n-new");
    if (run == "failed") {
        d.folder.AddFile("e-new");
        d.ClickRename();
    } else if (run == "damaged") {
        d.ClickRename();
        const std::filesystem::path journal =
            *std::filesystem::directory_iterator(d.state / "journal");
        says.replace("<run>", QString::fromStdString(journal.stem()));
        QFile file(QString::fromStdString(journal));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        // The plan is the first record to hold the new names.
        const qsizetype at = bytes.indexOf("-new");
        QVERIFY(at > 0);
        bytes[at] = '+';
        QVERIFY(file.seek(0));
        QCOMPARE(file.write(bytes), bytes.size());
    } else {
        d.fs.HoldMove(2);
        QTest::mouseClick(d.rename(), Qt::LeftButton);
        QPushButton* cancel = nullptr;
        QTRY_VERIFY((cancel = d.window.findChild<QPushButton*>("cancelButton")) != nullptr);
        QTRY_VERIFY(cancel->isVisible() && cancel->isEnabled());
        QTest::mouseClick(cancel, Qt::LeftButton);
        d.fs.Open();
        QTRY_VERIFY(!d.window.busy());
    }

    // The progress box has gone; the window is the active one again.
    d.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d.window));
    d.list()->setFocus();
    QTest::keyClick(d.list(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(!d.window.busy());
    const ShownBox& box = d.boxes.boxes.back();
    QCOMPARE(box.text, says);
    QCOMPARE(box.caption, caption);
    QCOMPARE(box.icon,
             caption == "Undo Incomplete" ? MessageIcon::Warning : MessageIcon::Information);
    const auto listed = [&] {
        QStringList shown;
        for (const std::string& name : d.Names()) shown << QString::fromStdString(name);
        return shown.join(' ');
    };
    QCOMPARE(listed(), names);
    QCOMPARE(d.list()->model()->rowCount(), int(names.split(' ', Qt::SkipEmptyParts).size()));
    d.Drop({"f"});
    QCOMPARE(listed(), after_a_drop);
}

// Cancel stops an undo after the move it is making; the next Ctrl+Z brings
// back the rest.
void MainWindowTest::undoCanBeCancelled() {
    Driver d;
    for (const char* name : {"a", "b", "c", "d", "e"}) d.folder.AddFile(name);
    d.Drop({"a", "b", "c", "d", "e"});
    d.SetFilenames("%n-new");
    d.ClickRename();
    d.fs.HoldMove(2);
    d.list()->setFocus();
    QTest::keyClick(d.list(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(d.fs.holding());
    QPushButton* cancel = nullptr;
    QTRY_VERIFY((cancel = d.window.findChild<QPushButton*>("cancelButton")) != nullptr);
    QTRY_VERIFY(cancel->isVisible() && cancel->isEnabled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    d.fs.Open();
    QTRY_VERIFY(!d.window.busy());

    QCOMPARE(d.boxes.boxes.size(), size_t(2));
    QCOMPARE(d.boxes.boxes[1].icon, MessageIcon::Information);
    QCOMPARE(d.boxes.boxes[1].caption, QString("Cancelled"));
    QCOMPARE(d.boxes.boxes[1].text,
             QString("2 back under their names; 3 not tried. Undo again to bring back the rest."));
    QCOMPARE(d.Names(), (std::vector<std::string>{"a", "b", "c-new", "d-new", "e-new"}));
    for (const char* name : {"a", "b", "c-new", "d-new", "e-new"}) QVERIFY(d.folder.Exists(name));

    d.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d.window));
    QTest::keyClick(d.list(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(!d.window.busy());
    QCOMPARE(d.boxes.boxes.back().text, QString("5 file(s) are back under their names."));
    QCOMPARE(d.Names(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    for (const char* name : {"a", "b", "c", "d", "e"}) QVERIFY(d.folder.Exists(name));
}

// Each row: what becomes of the journal after a run, and what Ctrl+Z then
// says; the rows, the selection and the buttons stay as they were.
void MainWindowTest::failedUndoLeavesTheWindowAsItWas_data() {
    QTest::addColumn<QString>("journal");
    QTest::addColumn<QString>("says");
    QTest::newRow("gone") << "removed"
                          << "There is no rename to undo.";
    QTest::newRow("unreadable") << "unreadable"
                                << "The journal of the last rename cannot be read: ";
    QTest::newRow("not a folder")
        << "a file"
        << "The journal is refused: <journal> is a symbolic link, or not a folder";
    QTest::newRow("open to others") << "mode 0777"
                                    << "The journal is refused: <journal> is open to other users";
    QTest::newRow("held by another process") << "held"
                                             << "Run <run> is still running: ";
}

void MainWindowTest::failedUndoLeavesTheWindowAsItWas() {
    QFETCH(QString, journal);
    QFETCH(QString, says);
    Driver d;
    for (const char* name : {"a", "b", "c"}) d.folder.AddFile(name);
    d.Drop({"a", "b", "c"});
    d.SetFilenames("%n-x");
    d.ClickRename();
    QVERIFY(d.window.findChild<QAction*>("undoAction")->isEnabled());
    // Another program (zentavo-cli, say) changes the journal meanwhile.
    const std::string folder = d.state / "journal";
    const std::filesystem::path run_path = *std::filesystem::directory_iterator(folder);
    const std::string run = run_path.stem();
    if (journal == "removed" || journal == "a file") std::filesystem::remove_all(folder);
    if (journal == "a file") d.state.AddFile("journal");
    if (journal == "mode 0777") std::filesystem::permissions(folder, std::filesystem::perms::all);
    if (journal == "unreadable")
        d.journal_os.Add({.call = OsCall::ReadFolder, .path = folder, .error = EIO});
    // It takes the run between the undo's listing and its hold on the run.
    JournalStore other = PosixJournals(SystemOs(), folder);
    HeldRun held;
    int held_error = -1;
    if (journal == "held") {
        d.journal_os.Add({.call = OsCall::Open, .path = run_path, .nth = 2, .before = [&] {
                              held_error = other.Hold(run, held);
                          }});
    }
    says.replace("<journal>", QString::fromStdString(folder))
        .replace("<run>", QString::fromStdString(run));
    d.SelectRows({0, 2});

    QTest::keyClick(d.list(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(!d.window.busy());
    QCOMPARE(d.boxes.boxes.size(), size_t(2));
    QVERIFY2(d.boxes.boxes[1].text.startsWith(says), qPrintable(d.boxes.boxes[1].text));
    if (journal == "held") QCOMPARE(held_error, 0);
    QCOMPARE(d.Names(), (std::vector<std::string>{"a", "b", "c"}));
    QCOMPARE(d.rows().mark(1), RowMark::Renamed);
    QCOMPARE(d.list()->model()->rowCount(), 3);
    QCOMPARE(d.list()->selectionModel()->selectedRows().size(), 2);
    QVERIFY(d.list()->selectionModel()->isRowSelected(2, {}));
    QVERIFY(d.set_filenames()->isEnabled());
    QVERIFY(d.rename()->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
