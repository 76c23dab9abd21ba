#include "app/renamer_app.h"

#include <QApplication>
#include <QTimer>

#include "app/locale_text.h"
#include "app/message_boxes.h"
#include "app/renamer_dlg.h"
#include "app/window_texts.h"

namespace zentavo {

CRenamerApp::CRenamerApp(const CodePage& page, const std::string& executable_path,
                         HelpViewer* viewer)
    : page_(page),
      executable_title_(ExecutableTitle(executable_path)),
      help_file_path_(HelpFilePath(executable_path)),
      viewer_(viewer ? *viewer : browser_) {
    QApplication::setApplicationName(ApplicationName());
}

QString CRenamerApp::ApplicationName() const {
    return CurrentLocaleCodec().Decode(executable_title_);
}

int CRenamerApp::Run(const std::vector<std::string>& paths) {
    CRenamerDlg window(page_);
    main_window_ = &window;
    connect(&window, &CRenamerDlg::helpRequested, this, &CRenamerApp::OnHelp);
    // The window is shown, not run with exec(): Qt would block every other
    // window, the help window among them, while a modal main window is
    // open, and window managers keep a modal window above the others.
    connect(&window, &QDialog::finished, qApp, &QCoreApplication::quit);
    window.show();
    // Once the window is up: a run that a crash cut short is offered back,
    // then the paths given are dropped, as a drop would be (after that
    // undo, if one is made).
    QTimer::singleShot(0, &window, [&window, paths] {
        window.OfferUndoOfInterruptedRun();
        if (!paths.empty()) window.OnDropFiles(paths);
    });
    QApplication::exec();
    return 0;
}

void CRenamerApp::OnHelp(int context) {
    // The box that reports a failed request is no place to ask for help.
    if (showing_help_failure_) return;
    if (viewer_.ShowContext(main_window_, HelpFileFor(help_file_path_), context)) return;
    showing_help_failure_ = true;
    CurrentMessageBoxes().Show(main_window_, MessageIcon::Warning, ApplicationName(),
                               Texts::HelpLaunchFailed());
    showing_help_failure_ = false;
}

}  // namespace zentavo
