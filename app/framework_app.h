// The application object's framework half: it starts the program, knows the
// main window, ends the chain of command routing and carries the standard
// help handler.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include <QString>

#include "app/command_target.h"

class QWidget;

namespace zentavo {

class HelpViewer;
class TemplateDialog;

class FrameworkApp : public CommandTarget {
public:
    FrameworkApp();
    virtual ~FrameworkApp();
    FrameworkApp(const FrameworkApp&) = delete;
    FrameworkApp& operator=(const FrameworkApp&) = delete;

    // The one application object.
    static FrameworkApp* Current();

    // Creates the Qt application, takes the names from the executable's path
    // and runs InitInstance. Returns the process exit status.
    int Run(int argc, char** argv);

    // Names derived from the executable's path; Run sets them.
    void SetExecutablePath(const std::string& path);
    const std::string& executable_title() const { return executable_title_; }
    const std::string& help_file_path() const { return help_file_path_; }
    // The caption of the framework's own message boxes.
    QString application_name() const;

    TemplateDialog* main_window() const { return main_window_; }
    void SetMainWindow(TemplateDialog* window) { main_window_ = window; }

    // The viewer that help requests go to; nullptr for the built-in one.
    void SetHelpViewer(HelpViewer* viewer) { help_viewer_ = viewer; }

    bool OnCmdMsg(int id) override;

    // The standard help handler: finds the context of the window the user
    // is in and asks the help viewer for it.
    void OnHelp();

    // The context of the window the user is in: that of the first template
    // dialog found from the mouse grabber, the focus widget or the active
    // window, through their parents and owners; 0 for none.
    static int ActiveHelpContext();

protected:
    // Runs once the application exists. Returning false ends the program
    // without a message loop.
    virtual bool InitInstance() = 0;

    void BindCommand(int id, std::function<void()> handler);

private:
    HelpViewer& Viewer();

    std::string executable_title_;
    std::string help_file_path_;
    TemplateDialog* main_window_ = nullptr;
    HelpViewer* help_viewer_ = nullptr;
    std::unique_ptr<HelpViewer> built_in_viewer_;
    bool showing_help_failure_ = false;
    std::unordered_map<int, std::function<void()>> commands_;
};

}  // namespace zentavo
