// The window's shell: help from every source to the right context, the box
// for a failed request, the window menu and its commands, the About box.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <functional>

#include "app/about_dlg.h"
#include "app/help_viewer.h"
#include "app/renamer_app.h"
#include "app/renamer_dlg.h"
#include "app_test_support.h"
#include "res/resource.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

struct HelpRequest {
    QWidget* owner;
    std::string file;
    int context;
};

class RecordingViewer : public HelpViewer {
public:
    bool ShowContext(QWidget* owner, const std::string& file, int context) override {
        requests.push_back({owner, file, context});
        if (during_request) during_request();
        return succeed;
    }
    std::vector<HelpRequest> requests;
    bool succeed = true;
    std::function<void()> during_request;
};

// The main window of the application object, shown, with help going to a
// recording viewer.
class Shell {
public:
    Shell() {
        theApp.SetExecutablePath("/usr/bin/zentavo");
        theApp.SetHelpViewer(&viewer);
        theApp.SetMainWindow(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    ~Shell() {
        theApp.SetMainWindow(nullptr);
        theApp.SetHelpViewer(nullptr);
    }

    // Runs check while the About box is open over the window, then closes it
    // with Escape.
    void WithAboutBox(unsigned command, const std::function<void(CAboutDlg*)>& check) {
        bool checked = false;
        QTimer::singleShot(0, &window, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            if (about && QTest::qWaitForWindowExposed(about)) {
                check(about);
                checked = true;
                QTest::keyClick(about, Qt::Key_Escape);
            }
        });
        window.OnSysCommand(command);
        QVERIFY(checked);
    }

    BoxRecorder boxes;
    RecordingViewer viewer;
    CRenamerDlg window;
};

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void helpFromTheMainWindow_data();
    void helpFromTheMainWindow();
    void f1WithAModifierAsksForNothing_data();
    void f1WithAModifierAsksForNothing();
    void helpFromTheAboutBox();
    void failedHelpRequestIsReported();
    void noHelpWithoutAWindowThatAnswers();
    void builtInViewerShowsTheTopic();
    void builtInViewerSaysWhatIsMissing();
    void systemMenuEndsWithAboutAndHelp();
    void systemMenuOpensOnTheFreeArea();
    void sysCommandDispatch_data();
    void sysCommandDispatch();
    void closeFromTheSystemMenuEndsWithResultOne();
    void aboutBoxIsModalAndCentredOnTheWindow();
    void windowCarriesBothIcons();
};

void ShellTest::helpFromTheMainWindow_data() {
    QTest::addColumn<QString>("source");
    QTest::newRow("Help button") << "button";
    QTest::newRow("Help button by Enter") << "enter";
    QTest::newRow("window menu") << "menu";
    QTest::newRow("F1 in the pattern box") << "f1 pattern";
    QTest::newRow("F1 in the list") << "f1 list";
}

void ShellTest::helpFromTheMainWindow() {
    QFETCH(QString, source);
    Shell shell;
    auto* help = shell.window.findChild<QPushButton*>("57670");
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->text(), QString("&Help"));
    if (source == "button") {
        QTest::mouseClick(help, Qt::LeftButton);
    } else if (source == "enter") {
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Return);
    } else if (source == "menu") {
        shell.window.OnSysCommand(res::kHelpCommand);
    } else if (source == "f1 pattern") {
        QWidget* pattern = shell.window.Control(res::kPatternBox);
        pattern->setFocus();
        QTest::keyClick(pattern, Qt::Key_F1);
    } else {
        QWidget* list = shell.window.Control(res::kRenameList);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F1);
    }
    QCOMPARE(shell.viewer.requests.size(), size_t(1));
    QCOMPARE(shell.viewer.requests[0].file, std::string("/usr/bin/zentavo.HLP"));
    QCOMPARE(shell.viewer.requests[0].context, 131174);
    QCOMPARE(shell.viewer.requests[0].owner, &shell.window);
    QVERIFY(shell.boxes.boxes.empty());
    QVERIFY(shell.window.isVisible());
}

void ShellTest::f1WithAModifierAsksForNothing_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Shift+F1") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+F1") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt+F1") << Qt::KeyboardModifiers(Qt::AltModifier);
}

void ShellTest::f1WithAModifierAsksForNothing() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Shell shell;
    QWidget* pattern = shell.window.Control(res::kPatternBox);
    pattern->setFocus();
    QTest::keyClick(pattern, Qt::Key_F1, modifiers);
    QTest::keyClick(&shell.window, Qt::Key_F1, modifiers);
    QVERIFY(shell.viewer.requests.empty());
}

void ShellTest::helpFromTheAboutBox() {
    Shell shell;
    shell.WithAboutBox(res::kAboutCommand, [&](CAboutDlg* about) {
        QTest::keyClick(about, Qt::Key_F1);
        QTest::keyClick(about, Qt::Key_F1, Qt::ShiftModifier);
    });
    QCOMPARE(shell.viewer.requests.size(), size_t(1));
    QCOMPARE(shell.viewer.requests[0].context, 131172);

    // Back in the main window, its own context again.
    shell.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shell.window));
    QTest::keyClick(shell.window.Control(res::kPatternBox), Qt::Key_F1);
    QCOMPARE(shell.viewer.requests.size(), size_t(2));
    QCOMPARE(shell.viewer.requests.back().context, 131174);
}

void ShellTest::failedHelpRequestIsReported() {
    Shell shell;
    shell.viewer.succeed = false;
    QTest::mouseClick(shell.window.findChild<QPushButton*>("57670"), Qt::LeftButton);

    QCOMPARE(shell.boxes.boxes.size(), size_t(1));
    const ShownBox& box = shell.boxes.boxes[0];
    QCOMPARE(box.text, QString("Failed to launch help."));
    QCOMPARE(box.caption, QString("zentavo"));
    QCOMPARE(box.icon, MessageIcon::Warning);
    QCOMPARE(box.owner, &shell.window);

    // While the box is up, help asks for nothing more.
    shell.boxes.boxes.clear();
    shell.viewer.requests.clear();
    struct AskAgain : BoxRecorder {
        void Show(QWidget* owner, MessageIcon icon, const QString& caption,
                  const QString& text) override {
            BoxRecorder::Show(owner, icon, caption, text);
            theApp.OnHelp();
        }
    } asking_again;
    theApp.OnHelp();
    QCOMPARE(shell.viewer.requests.size(), size_t(1));
    QCOMPARE(asking_again.boxes.size(), size_t(1));

    // After the box is gone, help works again.
    shell.viewer.succeed = true;
    theApp.OnHelp();
    QCOMPARE(shell.viewer.requests.size(), size_t(2));
}

void ShellTest::noHelpWithoutAWindowThatAnswers() {
    Shell shell;
    QWidget stranger;
    stranger.show();
    stranger.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&stranger));
    stranger.setFocus();
    theApp.OnHelp();
    QVERIFY(shell.viewer.requests.empty());
    QVERIFY(shell.boxes.boxes.empty());
}

void ShellTest::builtInViewerShowsTheTopic() {
    BrowserHelpViewer viewer;
    QVERIFY(viewer.ShowContext(nullptr, ZENTAVO_BUILT_HELP_FILE, 131172));
    QTextBrowser* window = viewer.window();
    QVERIFY(window && window->isVisible());
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    QVERIFY(window->toPlainText().contains("About"));
    QVERIFY(window->verticalScrollBar()->value() > 0);

    // The next request reuses the window.
    QVERIFY(viewer.ShowContext(nullptr, ZENTAVO_BUILT_HELP_FILE, 131174));
    QCOMPARE(viewer.window(), window);
    QVERIFY(window->toPlainText().contains("The main window"));
}

void ShellTest::builtInViewerSaysWhatIsMissing() {
    TempFolder folder;
    BrowserHelpViewer viewer;
    QVERIFY(viewer.ShowContext(nullptr, folder.path() + "/missing.HLP", 131174));
    QVERIFY(viewer.window()->toPlainText().contains("could not be read"));
    QVERIFY(viewer.window()->toPlainText().contains("missing.HLP"));

    const std::string file = folder.AddFile("other.HLP", "<html><body>no topics</body></html>");
    QVERIFY(viewer.ShowContext(nullptr, file, 131174));
    QVERIFY(viewer.window()->toPlainText().contains("no topic for context 131174"));

    QVERIFY(!viewer.ShowContext(nullptr, "", 131174));
}

void ShellTest::systemMenuEndsWithAboutAndHelp() {
    Shell shell;
    const auto& menu = shell.window.system_menu();
    QVERIFY(menu.size() >= 3);
    const size_t n = menu.size();
    QCOMPARE(menu[n - 3].text, QString());
    QCOMPARE(menu[n - 2].text, QString("&About Zentavo..."));
    QCOMPARE(menu[n - 2].command, 16u);
    QCOMPARE(menu[n - 1].text, QString("&Help..."));
    QCOMPARE(menu[n - 1].command, 57670u);
}

void ShellTest::systemMenuOpensOnTheFreeArea() {
    Shell shell;
    QStringList shown;
    const auto read_and_close_menu = [&] {
        QTimer::singleShot(0, &shell.window, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    shown << (action->isSeparator() ? QString("-") : action->text());
                menu->close();
            }
        });
    };

    // On a label, part of the free area.
    read_and_close_menu();
    auto* label = shell.window.findChild<QLabel*>();
    const QPoint on_label = label->geometry().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, on_label, shell.window.mapToGlobal(on_label));
    QApplication::sendEvent(&shell.window, &click);
    QCOMPARE(shown.mid(shown.size() - 3), (QStringList{"-", "&About Zentavo...", "&Help..."}));

    // Shift+F10 from a control without a menu of its own.
    shown.clear();
    read_and_close_menu();
    QWidget* list = shell.window.Control(res::kRenameList);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1),
                          shell.window.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&shell.window, &key);
    QCOMPARE(shown.size(), int(shell.window.system_menu().size()));

    // Not over the list.
    shown.clear();
    read_and_close_menu();
    const QPoint on_list = list->geometry().center();
    QContextMenuEvent on_control(QContextMenuEvent::Mouse, on_list,
                                 shell.window.mapToGlobal(on_list));
    QApplication::sendEvent(&shell.window, &on_control);
    QVERIFY(shown.isEmpty());
    QApplication::processEvents();
}

void ShellTest::sysCommandDispatch_data() {
    QTest::addColumn<unsigned>("command");
    QTest::addColumn<bool>("about");
    QTest::addColumn<int>("help_requests");
    QTest::newRow("16 opens About") << 16u << true << 0;
    QTest::newRow("31 opens About") << 31u << true << 0;
    QTest::newRow("15 does nothing") << 15u << false << 0;
    QTest::newRow("32 does nothing") << 32u << false << 0;
    QTest::newRow("57670 asks for help") << 57670u << false << 1;
    QTest::newRow("57671 does nothing") << 57671u << false << 0;
    QTest::newRow("57664 does nothing") << 57664u << false << 0;
}

void ShellTest::sysCommandDispatch() {
    QFETCH(unsigned, command);
    QFETCH(bool, about);
    QFETCH(int, help_requests);
    Shell shell;
    bool opened = false;
    QTimer::singleShot(0, &shell.window, [&] {
        if (auto* box = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
            opened = true;
            box->reject();
        }
    });
    shell.window.OnSysCommand(command);
    QApplication::processEvents();
    QCOMPARE(opened, about);
    QCOMPARE(int(shell.viewer.requests.size()), help_requests);
    QVERIFY(shell.window.isVisible());
}

void ShellTest::closeFromTheSystemMenuEndsWithResultOne() {
    Shell shell;
    QTimer::singleShot(0, &shell.window, [&] { shell.window.OnSysCommand(res::kCloseCommand); });
    QCOMPARE(shell.window.DoModal(), 1);

    Shell minimised;
    minimised.window.OnSysCommand(res::kMinimizeCommand);
    QVERIFY(minimised.window.isMinimized());
}

void ShellTest::aboutBoxIsModalAndCentredOnTheWindow() {
    Shell shell;
    shell.WithAboutBox(res::kAboutCommand, [&](CAboutDlg* about) {
        QCOMPARE(about->windowTitle(), QString("About Zentavo..."));
        QCOMPARE(about->parentWidget(), &shell.window);
        QVERIFY(about->isModal());
        QCOMPARE(QApplication::activeModalWidget(), about);
        const QPoint offset =
            about->frameGeometry().center() - shell.window.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
        QStringList texts;
        for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
        QVERIFY(texts.contains("Zentavo Version 1.0"));
        auto* ok = about->findChild<QPushButton*>("1");
        QVERIFY(ok && ok->isDefault());
        // The main window takes no input meanwhile.
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QCOMPARE(QGuiApplication::modalWindow(), about->windowHandle());
    });

    // OK and Enter end it too.
    QSignalSpy finished_by_ok(&shell.window, &QDialog::finished);
    for (int key : {Qt::Key_Return, Qt::Key_Space}) {
        bool ended = false;
        QTimer::singleShot(0, &shell.window, [&] {
            if (auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
                QSignalSpy finished(about, &QDialog::finished);
                QTest::keyClick(about->findChild<QPushButton*>("1"), Qt::Key(key));
                ended = finished.count() == 1 && finished.at(0).at(0).toInt() == 1;
                if (!ended) about->reject();
            }
        });
        shell.window.OnSysCommand(res::kAboutCommand);
        QVERIFY(ended);
    }
    QCOMPARE(finished_by_ok.count(), 0);
}

void ShellTest::windowCarriesBothIcons() {
    Shell shell;
    const QList<QSize> sizes = shell.window.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
