// The window's shell: help from every source at the right context, the help
// requests of the application object and the box for a failed one, the
// window menu from mouse and keyboard, the About box, and the program run as
// a whole in its real event loop.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <functional>

#include <QFile>

#include "app/about_dlg.h"
#include "app/help_viewer.h"
#include "app/renamer_app.h"
#include "app/renamer_dlg.h"
#include "app_test_support.h"
#include "tests/support/test_code_page.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

QString ReadText(const char* path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct HelpRequest {
    QWidget* owner;
    std::string file;
    int context;
};

class RecordingViewer : public HelpViewer {
public:
    bool ShowContext(QWidget* owner, const std::string& file, int context) override {
        requests.push_back({owner, file, context});
        return succeed;
    }
    std::vector<HelpRequest> requests;
    bool succeed = true;
};

// The main window, shown and active, with its help requests watched.
class Shell {
public:
    Shell() : help(&window, &CRenamerDlg::helpRequested) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QWidget* Child(const char* name) const { return window.findChild<QWidget*>(name); }
    QMenu* WindowMenu() const { return window.findChild<QMenu*>("windowMenu"); }
    int HelpContext(int request) const { return help.at(request).at(0).toInt(); }

    // Runs check while the About box is open over the window, then closes it
    // with Escape.
    void WithAboutBox(const std::function<void(CAboutDlg*)>& check) {
        bool checked = false;
        QTimer::singleShot(0, &window, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            if (about && QTest::qWaitForWindowExposed(about)) {
                check(about);
                checked = true;
                QTest::keyClick(about, Qt::Key_Escape);
            }
        });
        window.OnSysCommand(CRenamerDlg::kAboutCommand);
        QVERIFY(checked);
    }

    BoxRecorder boxes;
    CRenamerDlg window{kTestPage};
    QSignalSpy help;
};

// The help window of the program, once open.
QTextBrowser* HelpWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(widget); browser && browser->isVisible())
            return browser;
    }
    return nullptr;
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void helpFromTheMainWindow_data();
    void helpFromTheMainWindow();
    void f1WithAModifierAsksForNothing_data();
    void f1WithAModifierAsksForNothing();
    void helpFromTheAboutBox();
    void applicationAsksTheViewerAndReportsFailure();
    void builtInViewerShowsTheTopic();
    void builtInViewerSaysWhatIsMissing();
    void helpWindowFitsTheScreenAndClosesByKey_data();
    void helpWindowFitsTheScreenAndClosesByKey();
    void boxesCanNeitherBeMinimisedNorMaximised_data();
    void boxesCanNeitherBeMinimisedNorMaximised();
    void windowMenuEndsWithAboutAndHelp();
    void windowMenuOpens_data();
    void windowMenuOpens();
    void sysCommandDispatch_data();
    void sysCommandDispatch();
    void aboutBoxIsModalAndCentredOnTheWindow();
    void windowCarriesBothIcons();
    void helpWindowStaysUsableInTheRunningProgram();
    void startsWithThePathsItIsGiven();
};

void ShellTest::helpFromTheMainWindow_data() {
    QTest::addColumn<QString>("source");
    QTest::newRow("Help button") << "button";
    QTest::newRow("Help button by Enter") << "enter";
    QTest::newRow("Alt+H") << "alt+h";
    QTest::newRow("window menu") << "menu";
    QTest::newRow("F1 in the pattern box") << "f1 patternBox";
    QTest::newRow("F1 in the list") << "f1 renameList";
}

void ShellTest::helpFromTheMainWindow() {
    QFETCH(QString, source);
    Shell shell;
    auto* help = qobject_cast<QPushButton*>(shell.Child("helpButton"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->text(), QString("&Help"));
    if (source == "button") {
        QTest::mouseClick(help, Qt::LeftButton);
    } else if (source == "enter") {
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Return);
    } else if (source == "alt+h") {
        QTest::keyClick(shell.window.windowHandle(), Qt::Key_H, Qt::AltModifier);
    } else if (source == "menu") {
        shell.WindowMenu()->actions().constLast()->trigger();
    } else {
        QWidget* control = shell.Child(qPrintable(source.mid(3)));
        control->setFocus();
        QTest::keyClick(shell.window.windowHandle(), Qt::Key_F1);
    }
    // A mnemonic presses its button a moment later, as the eye can follow.
    QTRY_COMPARE(shell.help.count(), 1);
    QCOMPARE(shell.HelpContext(0), 131174);
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
    shell.Child("patternBox")->setFocus();
    QTest::keyClick(shell.window.windowHandle(), Qt::Key_F1, modifiers);
    QCOMPARE(shell.help.count(), 0);
}

void ShellTest::helpFromTheAboutBox() {
    Shell shell;
    shell.WithAboutBox([&](CAboutDlg* about) {
        QTest::keyClick(about->windowHandle(), Qt::Key_F1);
        QTest::keyClick(about->windowHandle(), Qt::Key_F1, Qt::ShiftModifier);
    });
    QCOMPARE(shell.help.count(), 1);
    QCOMPARE(shell.HelpContext(0), 131172);

    // Back in the main window, its own context again.
    shell.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shell.window));
    QTest::keyClick(shell.window.windowHandle(), Qt::Key_F1);
    QCOMPARE(shell.help.count(), 2);
    QCOMPARE(shell.HelpContext(1), 131174);
}

void ShellTest::applicationAsksTheViewerAndReportsFailure() {
    BoxRecorder boxes;
    RecordingViewer viewer;
    CRenamerApp app(kTestPage, "/usr/bin/zentavo", &viewer);
    app.OnHelp(131172);
    QCOMPARE(viewer.requests.size(), size_t(1));
    QCOMPARE(viewer.requests[0].file, std::string("/usr/bin/zentavo.HLP"));
    QCOMPARE(viewer.requests[0].context, 131172);
    QVERIFY(boxes.boxes.empty());

    // A request that cannot be made is reported; while the box is up, help
    // asks for nothing more.
    viewer.succeed = false;
    struct AskAgain : BoxRecorder {
        std::function<void()> again;
        void Show(QWidget* owner, MessageIcon icon, const QString& caption, const QString& text,
                  const QString& detail) override {
            BoxRecorder::Show(owner, icon, caption, text, detail);
            again();
        }
    } asking_again;
    asking_again.again = [&] { app.OnHelp(131174); };
    app.OnHelp(131174);
    QCOMPARE(viewer.requests.size(), size_t(2));
    QCOMPARE(asking_again.boxes.size(), size_t(1));
    const ShownBox& box = asking_again.boxes[0];
    QCOMPARE(box.text, QString("Failed to launch help."));
    QCOMPARE(box.caption, QString("zentavo"));
    QCOMPARE(box.icon, MessageIcon::Warning);

    // After the box is gone, help works again.
    viewer.succeed = true;
    app.OnHelp(131174);
    QCOMPARE(viewer.requests.size(), size_t(3));
}

void ShellTest::builtInViewerShowsTheTopic() {
    const std::string help_file = HelpFilePath(ZENTAVO_BUILT_PROGRAM);
    auto* owner = new QWidget;
    BrowserHelpViewer viewer;
    QVERIFY(viewer.ShowContext(owner, help_file, 131172));
    QPointer<QTextBrowser> window = viewer.window();
    QVERIFY(window && window->isVisible());
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    QVERIFY(window->toPlainText().contains("About"));
    QVERIFY(window->verticalScrollBar()->value() > 0);

    // The next request reuses the window.
    QVERIFY(viewer.ShowContext(owner, help_file, 131174));
    QCOMPARE(viewer.window(), window.data());
    QVERIFY(window->toPlainText().contains("The main window"));

    // It goes with the window it was asked for by.
    delete owner;
    QTRY_VERIFY(!window);
}

void ShellTest::helpWindowFitsTheScreenAndClosesByKey_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
}

void ShellTest::helpWindowFitsTheScreenAndClosesByKey() {
    QFETCH(QKeySequence, keys);
    QWidget owner;
    BrowserHelpViewer viewer;
    QVERIFY(viewer.ShowContext(&owner, HelpFilePath(ZENTAVO_BUILT_PROGRAM), 131174));
    QTextBrowser* window = viewer.window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QTest::keySequence(window, keys);
    QTRY_VERIFY(!window->isVisible());
    // And the next request brings it back.
    QVERIFY(viewer.ShowContext(&owner, HelpFilePath(ZENTAVO_BUILT_PROGRAM), 131174));
    QVERIFY(window->isVisible());
}

void ShellTest::boxesCanNeitherBeMinimisedNorMaximised_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("message") << "message";
    QTest::newRow("question") << "question";
    QTest::newRow("About box") << "about";
}

void ShellTest::boxesCanNeitherBeMinimisedNorMaximised() {
    QFETCH(QString, box);
    Shell shell;
    InstallMessageBoxes(nullptr);  // the real boxes
    Qt::WindowFlags flags;
    bool seen = false;
    QTimer::singleShot(0, &shell.window, [&] {
        if (auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = true;
            flags = shown->windowFlags();
            shown->reject();
        }
    });
    if (box == "message")
        CurrentMessageBoxes().Show(&shell.window, MessageIcon::Information, "c", "t");
    else if (box == "question")
        CurrentMessageBoxes().Ask(&shell.window, "c", "t");
    else
        shell.window.OnSysCommand(CRenamerDlg::kAboutCommand);
    QVERIFY(seen);
    // Without the customising hint, X11 window managers add every button.
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
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

void ShellTest::windowMenuEndsWithAboutAndHelp() {
    Shell shell;
    QStringList entries;
    for (QAction* action : shell.WindowMenu()->actions())
        entries << (action->isSeparator() ? QString("-") : action->text());
    QCOMPARE(entries, (QStringList{"Add &Files...", "Add F&older...", "-", "Mi&nimize", "&Close",
                                   "-", "&Undo", "&Redo", "-", "&About Zentavo...",
                                   "&Help..."}));
}

// Where the window menu opens, by real key presses and mouse clicks: "window"
// for the window menu, "own" for the focused control's own menu, "none".
void ShellTest::windowMenuOpens_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("menu");
    QTest::newRow("Shift+F10 in the list") << "shift+f10"
                                           << "renameList"
                                           << "window";
    QTest::newRow("Shift+F10 on a button") << "shift+f10"
                                           << "exitButton"
                                           << "window";
    QTest::newRow("Shift+F10 in the pattern box") << "shift+f10"
                                                  << "patternBox"
                                                  << "own";
    QTest::newRow("right click on a label") << "right click"
                                            << "label"
                                            << "window";
    QTest::newRow("right click on the free area") << "right click"
                                                  << "free"
                                                  << "window";
    QTest::newRow("right click on the list") << "right click"
                                             << "renameList"
                                             << "none";
}

void ShellTest::windowMenuOpens() {
    QFETCH(QString, how);
    QFETCH(QString, where);
    QFETCH(QString, menu);
    Shell shell;
    QString shown = "none";
    QTimer watch;
    connect(&watch, &QTimer::timeout, &shell.window, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = popup == shell.WindowMenu() ? "window" : "own";
            popup->close();
        }
    });
    watch.start(10);
    QWidget* target = where == "label"  ? shell.window.findChild<QLabel*>()
                      : where == "free" ? nullptr
                                        : shell.Child(qPrintable(where));
    if (how == "shift+f10") {
        target->setFocus();
        QTest::keyClick(shell.window.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint at =
            target ? target->geometry().center() : shell.window.rect().bottomLeft() + QPoint(2, -2);
        QTest::mouseClick(shell.window.windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    }
    QTest::qWait(50);
    QCOMPARE(shown, menu);
}

void ShellTest::sysCommandDispatch_data() {
    QTest::addColumn<unsigned>("command");
    QTest::addColumn<bool>("about");
    QTest::addColumn<int>("help_requests");
    QTest::addColumn<bool>("stays_open");
    QTest::newRow("16 opens About") << 16u << true << 0 << true;
    QTest::newRow("31 opens About") << 31u << true << 0 << true;
    QTest::newRow("15 does nothing") << 15u << false << 0 << true;
    QTest::newRow("32 does nothing") << 32u << false << 0 << true;
    QTest::newRow("57670 asks for help") << 57670u << false << 1 << true;
    QTest::newRow("57671 does nothing") << 57671u << false << 0 << true;
    QTest::newRow("57664 does nothing") << 57664u << false << 0 << true;
    QTest::newRow("Close ends the window") << 0xF060u << false << 0 << false;
}

void ShellTest::sysCommandDispatch() {
    QFETCH(unsigned, command);
    QFETCH(bool, about);
    QFETCH(int, help_requests);
    QFETCH(bool, stays_open);
    Shell shell;
    QSignalSpy finished(&shell.window, &QDialog::finished);
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
    QCOMPARE(shell.help.count(), help_requests);
    QCOMPARE(shell.window.isVisible(), stays_open);
    if (!stays_open) QCOMPARE(finished.at(0).at(0).toInt(), 1);
}

void ShellTest::aboutBoxIsModalAndCentredOnTheWindow() {
    Shell shell;
    QSignalSpy finished_main(&shell.window, &QDialog::finished);
    shell.WithAboutBox([&](CAboutDlg* about) {
        QCOMPARE(about->windowTitle(), QString("About Zentavo..."));
        QCOMPARE(about->parentWidget(), &shell.window);
        QVERIFY(about->isModal());
        const QPoint offset =
            about->frameGeometry().center() - shell.window.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
        QStringList texts;
        for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
        QVERIFY(texts.contains("Zentavo Version 1.0"));
        // It tells the truth: the licence is LICENSE's, the address the one
        // the README gives for reports.
        QVERIFY(texts.join('\n').contains("MIT licence"));
        QVERIFY(ReadText(ZENTAVO_LICENSE).startsWith("MIT License"));
        const QString address = texts.filter("@").value(0).section('\n', -1);
        QVERIFY2(address.contains('@'), qPrintable(texts.join('\n')));
        QVERIFY(ReadText(ZENTAVO_README).section("## Reporting problems", 1).contains(address));
        auto* ok = about->findChild<QPushButton*>("okButton");
        QVERIFY(ok && ok->isDefault());
        // The main window takes no input meanwhile: its Alt+X does not exit.
        QTest::keyClick(shell.window.windowHandle(), Qt::Key_X, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(finished_main.count(), 0);
    });

    // OK and Enter end it too.
    for (int key : {Qt::Key_Return, Qt::Key_Space}) {
        bool ended = false;
        QTimer::singleShot(0, &shell.window, [&] {
            if (auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
                QSignalSpy finished(about, &QDialog::finished);
                QTest::keyClick(about->findChild<QPushButton*>("okButton"), Qt::Key(key));
                ended = finished.count() == 1 && finished.at(0).at(0).toInt() == 1;
                if (!ended) about->reject();
            }
        });
        shell.window.OnSysCommand(CRenamerDlg::kAboutCommand);
        QVERIFY(ended);
    }
    QCOMPARE(finished_main.count(), 0);
}

void ShellTest::windowCarriesBothIcons() {
    Shell shell;
    const QList<QSize> sizes = shell.window.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
}

// The program as started: its window in the real event loop, help from F1
// and from the About box, the help window scrolled by key presses while the
// main window and then the About box are open, and the program's end.
void ShellTest::helpWindowStaysUsableInTheRunningProgram() {
    CRenamerApp app(kTestPage, ZENTAVO_BUILT_PROGRAM);
    QCOMPARE(QApplication::applicationName(), QString("zentavo"));
    QPointer<CRenamerDlg> window;
    bool finished = false;
    const auto scroll_help = [&] {
        QTextBrowser* help = HelpWindow();
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QScrollBar* bar = help->verticalScrollBar();
        const int before = bar->value();
        QTest::keyClick(help->windowHandle(),
                        before < bar->maximum() ? Qt::Key_PageDown : Qt::Key_PageUp);
        QVERIFY2(bar->value() != before, "the help window did not take the key");
    };
    const auto use_program = [&] {
        QTRY_VERIFY((window = qobject_cast<CRenamerDlg*>(QApplication::activeWindow())) != nullptr);
        QCOMPARE(window->parentWidget(), nullptr);
        QTest::keyClick(window->windowHandle(), Qt::Key_F1);
        scroll_help();
        if (QTest::currentTestFailed()) return;
        QVERIFY(HelpWindow()->toPlainText().contains("The main window"));

        bool in_about = false;
        QTimer::singleShot(0, window, [&] {
            const auto use_about_box = [&] {
                auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
                QVERIFY(about && QTest::qWaitForWindowExposed(about));
                QTest::keyClick(about->windowHandle(), Qt::Key_F1);
                scroll_help();
                if (QTest::currentTestFailed()) return;
                QTRY_VERIFY(HelpWindow()->isActiveWindow());
                in_about = about->isVisible();
            };
            use_about_box();
            if (QWidget* about = QApplication::activeModalWidget()) about->close();
        });
        window->OnSysCommand(CRenamerDlg::kAboutCommand);
        QVERIFY(in_about);
        QTest::mouseClick(window->findChild<QPushButton*>("exitButton"), Qt::LeftButton);
        finished = true;
    };
    QTimer::singleShot(0, &app, [&] {
        use_program();
        // A failed check returns early: end the program all the same.
        if (window) window->close();
    });
    QCOMPARE(app.Run(), 0);
    QVERIFY(finished);
    QVERIFY(!window);
}

// The paths the program is started with, bytes that are not UTF-8 among
// them, are listed as a drop would list them.
void ShellTest::startsWithThePathsItIsGiven() {
    TempFolder folder;
    const std::string latin1 = folder.AddFile("caf\xE9.txt");
    folder.AddFile("photos/a.jpg");
    folder.AddFile("photos/sub/b.jpg");
    const std::vector<std::string> paths{latin1, folder / "photos"};

    CRenamerApp app(kTestPage, ZENTAVO_BUILT_PROGRAM);
    std::vector<std::string> listed;
    QPointer<CRenamerDlg> window;
    const auto read_list = [&] {
        QTRY_VERIFY((window = qobject_cast<CRenamerDlg*>(QApplication::activeWindow())) != nullptr);
        QTRY_VERIFY(!window->busy() && window->session().list().count() > 0);
        for (size_t i = 0; i < window->session().list().count(); ++i)
            listed.emplace_back(window->session().list().path(i));
    };
    QTimer::singleShot(0, &app, [&] {
        read_list();
        // A failed check returns early: end the program all the same.
        if (window) window->close();
    });
    QCOMPARE(app.Run(paths), 0);
    // The check box is clear at start: a folder's subfolders are not searched.
    QCOMPARE(listed, (std::vector<std::string>{latin1, folder / "photos/a.jpg"}));
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
