// A dialog built from a template, with a message table: commands of its
// buttons and events of the window and its controls bound to handlers.
// Commands it has no handler for are routed on to its owners and then to the
// application object.
#pragma once

#include <functional>
#include <map>
#include <unordered_map>
#include <utility>

#include <QDialog>
#include <QEvent>

#include "app/command_target.h"
#include "app/dialog_template.h"
#include "res/resource.h"

namespace zentavo {

class TemplateDialog : public QDialog, public CommandTarget {
    Q_OBJECT
public:
    explicit TemplateDialog(int template_id, QWidget* owner = nullptr);

    int template_id() const { return template_id_; }
    // Whether the template was found and its controls built.
    bool created() const { return created_; }
    // The help context the dialog answers a help request with.
    int HelpContext() const { return res::kDialogHelpBase + template_id_; }
    const DialogUnits& units() const { return units_; }

    // The control with this id, or nullptr.
    QWidget* Control(int id) const;
    template <class Widget>
    Widget* Control(int id) const {
        return qobject_cast<Widget*>(Control(id));
    }

    // Runs the dialog modally and returns the result it ended with; -1 when
    // it could not be created.
    int DoModal();
    void EndDialog(int result) { done(result); }

    // Carries out a command here if the message table has it, otherwise
    // routes it to the owner windows and then to the application.
    void SendCommand(int id);
    bool OnCmdMsg(int id) override;

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void setVisible(bool visible) override;

protected:
    // Runs once, when the controls exist and before the window is first
    // shown. Returning true gives the focus to the first tab stop.
    virtual bool OnInitDialog() { return true; }
    // Enter and Escape.
    virtual void OnOK() { EndDialog(res::kOkButton); }
    virtual void OnCancel() { EndDialog(res::kCancelButton); }

    using CommandHandler = std::function<void()>;
    // Returns whether the event was consumed; one that was not gets the
    // default handling.
    using EventHandler = std::function<bool(QEvent*)>;

    void BindCommand(int id, CommandHandler handler);
    void BindEvent(QEvent::Type type, EventHandler handler);
    void BindControlEvent(int control_id, QEvent::Type type, EventHandler handler);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build(const DialogTemplate& dialog);
    void FocusFirstTabStop();

    int template_id_;
    DialogUnits units_;
    bool created_ = false;
    bool initialised_ = false;
    std::unordered_map<int, CommandHandler> commands_;
    std::unordered_map<int, EventHandler> events_;
    std::map<std::pair<const QObject*, int>, EventHandler> control_events_;
};

}  // namespace zentavo
