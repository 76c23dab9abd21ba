// The program as a whole: the application object starts, the main window
// opens, "Exit" is pressed, and the program ends normally.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/renamer_app.h"
#include "app/renamer_dlg.h"

using namespace zentavo;

namespace {

int passed = 0;
int failed = 0;

void Check(bool condition, const char* what) {
    std::printf("%s: %s\n", condition ? "PASS" : "FAIL", what);
    ++(condition ? passed : failed);
}

// Waits for the main window and presses its Exit button, as a user would.
void PressExitOnceOpen() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        auto* window = qobject_cast<CRenamerDlg*>(theApp.main_window());
        if (!window || !window->isVisible()) return;
        timer->stop();
        Check(window->parentWidget() == nullptr, "the main window has no owner");
        Check(window->windowTitle() == "Zentavo 1.0", "the main window is open");
        Check(QApplication::applicationName() == "startup_test",
              "the application is named after the executable");
        Check(theApp.help_file_path().size() > 0 &&
                  theApp.help_file_path().ends_with("/startup_test.HLP"),
              "the help file lies beside the executable");
        window->findChild<QPushButton*>("1007")->click();
    });
    timer->start(10);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(PressExitOnceOpen)

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int status = theApp.Run(argc, argv);
    Check(status == 0, "the program ends normally");
    Check(theApp.main_window() == nullptr, "the main window is gone when the program ends");
    Check(passed == 6, "the main window was opened and closed");
    std::printf("Totals: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
