// The application object: starts the program, runs the main window until it
// ends, and shows help for it.
#pragma once

#include <string>
#include <vector>

#include <QObject>
#include <QPointer>

#include "app/help_viewer.h"
#include "app/module_paths.h"
#include "app/translations.h"
#include "core/code_page.h"

namespace zentavo {

class CRenamerDlg;

class CRenamerApp : public QObject {
    Q_OBJECT
public:
    // page is the code page of the user's locale. Help goes to viewer, or to
    // a help window of the program's own when it is null. The help file lies
    // beside the executable.
    explicit CRenamerApp(const CodePage& page,
                         const std::string& executable_path = ExecutablePath(),
                         HelpViewer* viewer = nullptr);

    // Runs the main window, with paths dropped on it as it opens; the
    // program ends when it does. Returns the process exit status.
    int Run(const std::vector<std::string>& paths = {});

public slots:
    // Asks the help viewer for the topic at context.
    void OnHelp(int context);

private:
    // The executable's title, the caption of the program's own messages.
    QString ApplicationName() const;

    // First, so that every window shows the user's language.
    Translations translations_;
    CodePage page_;
    std::string executable_title_;
    std::string help_file_path_;
    BrowserHelpViewer browser_;
    HelpViewer& viewer_;
    QPointer<CRenamerDlg> main_window_;
    bool showing_help_failure_ = false;
};

}  // namespace zentavo
