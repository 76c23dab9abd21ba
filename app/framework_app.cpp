#include "app/framework_app.h"

#include <QApplication>
#include <QWidget>

#include "app/help_viewer.h"
#include "app/locale_text.h"
#include "app/message_boxes.h"
#include "app/module_paths.h"
#include "app/template_dialog.h"
#include "app/wait_cursor.h"
#include "app/window_strings.h"
#include "core/code_page.h"

namespace zentavo {

namespace {

FrameworkApp* current = nullptr;

int ContextFrom(QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (auto* dialog = qobject_cast<TemplateDialog*>(widget)) return dialog->HelpContext();
    }
    return 0;
}

}  // namespace

FrameworkApp::FrameworkApp() {
    current = this;
    SetApplicationCommandTarget(this);
}

FrameworkApp::~FrameworkApp() {
    SetApplicationCommandTarget(nullptr);
    current = nullptr;
}

FrameworkApp* FrameworkApp::Current() {
    return current;
}

int FrameworkApp::Run(int argc, char** argv) {
    QApplication application(argc, argv);
    ActiveCodePage();
    SetExecutablePath(ExecutablePath());
    QApplication::setApplicationName(application_name());
    InitInstance();
    // The help window is the viewer's, not the program's: it is left open,
    // and goes with the application.
    built_in_viewer_.reset();
    return 0;
}

void FrameworkApp::SetExecutablePath(const std::string& path) {
    executable_title_ = ExecutableTitle(path);
    help_file_path_ = HelpFilePath(path);
}

QString FrameworkApp::application_name() const {
    return CurrentLocaleCodec().Decode(executable_title_);
}

void FrameworkApp::BindCommand(int id, std::function<void()> handler) {
    commands_[id] = std::move(handler);
}

bool FrameworkApp::OnCmdMsg(int id) {
    const auto it = commands_.find(id);
    if (it == commands_.end()) return false;
    it->second();
    return true;
}

int FrameworkApp::ActiveHelpContext() {
    for (QWidget* start : {QWidget::mouseGrabber(), QApplication::focusWidget(),
                           QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (const int context = ContextFrom(start)) return context;
    }
    return 0;
}

HelpViewer& FrameworkApp::Viewer() {
    if (help_viewer_) return *help_viewer_;
    if (!built_in_viewer_) built_in_viewer_ = std::make_unique<BrowserHelpViewer>();
    return *built_in_viewer_;
}

void FrameworkApp::OnHelp() {
    // The box that reports a failed request is no place to ask for help.
    if (showing_help_failure_) return;
    const int context = ActiveHelpContext();
    if (context == 0) {
        if (main_window_) main_window_->SendCommand(res::kDefaultHelpCommand);
        return;
    }
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();

    bool requested;
    {
        WaitCursor wait;
        requested = Viewer().ShowContext(main_window_, help_file_path_, context);
    }
    if (requested) return;
    showing_help_failure_ = true;
    CurrentMessageBoxes().Show(main_window_, MessageIcon::Warning, application_name(),
                               QString::fromUtf8(text::kHelpLaunchFailed));
    showing_help_failure_ = false;
}

}  // namespace zentavo
