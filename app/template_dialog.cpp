#include "app/template_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "app/control_factory.h"
#include "app/framework_app.h"

namespace zentavo {

namespace {

Qt::WindowFlags WindowFlagsOf(const DialogTemplate& dialog) {
    // Without an owner the window is an application window of its own.
    Qt::WindowFlags flags = dialog.Has("appwindow") ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if (dialog.Has("caption")) flags |= Qt::WindowTitleHint;
    if (dialog.Has("sysmenu")) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog.Has("minimizebox")) flags |= Qt::WindowMinimizeButtonHint;
    if (dialog.Has("maximizebox")) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

bool HasMnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return true;
        ++i;
    }
    return false;
}

bool IsEnterKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier &&
           (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
}

}  // namespace

TemplateDialog::TemplateDialog(int template_id, QWidget* owner)
    : QDialog(owner),
      template_id_(template_id),
      units_(DialogUnits::ForFont(QApplication::font())) {
    if (std::optional<DialogTemplate> dialog = LoadDialogTemplate(template_id)) Build(*dialog);
}

void TemplateDialog::Build(const DialogTemplate& dialog) {
    setWindowFlags(WindowFlagsOf(dialog));
    setWindowTitle(dialog.caption);
    setFixedSize(units_.ToPixels(dialog.size));
    setSizeGripEnabled(false);

    std::vector<QWidget*> widgets;
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = CreateControl(control, units_, this);
        if (!widget) continue;
        widgets.push_back(widget);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->installEventFilter(this);
            if (control.id >= 0)
                connect(button, &QPushButton::clicked, this,
                        [this, id = control.id] { SendCommand(id); });
        }
    }
    // A label's mnemonic leads to the next control that takes the focus.
    for (size_t i = 0; i < widgets.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        if (!label || !HasMnemonic(label->text())) continue;
        for (size_t j = i + 1; j < widgets.size(); ++j) {
            if (widgets[j]->focusPolicy() & Qt::TabFocus) {
                label->setBuddy(widgets[j]);
                break;
            }
        }
    }
    // F1 asks for help wherever it is pressed; with Shift, Ctrl or Alt it
    // asks for nothing.
    auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help_key->setContext(Qt::WindowShortcut);
    connect(help_key, &QShortcut::activated, this, [] {
        FrameworkApp* application = FrameworkApp::Current();
        if (application && application->main_window())
            application->main_window()->SendCommand(res::kHelpCommand);
    });
    created_ = true;
}

QWidget* TemplateDialog::Control(int id) const {
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

int TemplateDialog::DoModal() {
    return created_ ? exec() : -1;
}

void TemplateDialog::setVisible(bool visible) {
    if (visible && !initialised_) {
        initialised_ = true;
        if (OnInitDialog()) FocusFirstTabStop();
    }
    QDialog::setVisible(visible);
}

void TemplateDialog::FocusFirstTabStop() {
    for (QWidget* widget = nextInFocusChain(); widget && widget != this;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->isHidden()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TemplateDialog::BindCommand(int id, CommandHandler handler) {
    commands_[id] = std::move(handler);
}

void TemplateDialog::BindEvent(QEvent::Type type, EventHandler handler) {
    events_[int(type)] = std::move(handler);
}

void TemplateDialog::BindControlEvent(int control_id, QEvent::Type type, EventHandler handler) {
    QWidget* control = Control(control_id);
    if (!control) return;
    control->installEventFilter(this);
    control_events_[{control, int(type)}] = std::move(handler);
}

bool TemplateDialog::OnCmdMsg(int id) {
    if (const auto it = commands_.find(id); it != commands_.end()) {
        it->second();
        return true;
    }
    if (id == res::kOkButton) {
        OnOK();
        return true;
    }
    if (id == res::kCancelButton) {
        OnCancel();
        return true;
    }
    return false;
}

void TemplateDialog::SendCommand(int id) {
    for (QWidget* window = this; window; window = window->parentWidget()) {
        if (auto* dialog = qobject_cast<TemplateDialog*>(window); dialog && dialog->OnCmdMsg(id))
            return;
    }
    if (CommandTarget* application = ApplicationCommandTarget()) application->OnCmdMsg(id);
}

bool TemplateDialog::event(QEvent* event) {
    if (const auto it = events_.find(int(event->type())); it != events_.end() && it->second(event))
        return true;
    return QDialog::event(event);
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (const auto it = control_events_.find({watched, int(event->type())});
        it != control_events_.end() && it->second(event))
        return true;
    // No button is a default button, so Enter presses the button that has
    // the focus, as in every dialog.
    if (event->type() == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent*>(event))) {
        if (auto* button = qobject_cast<QPushButton*>(watched); button && !button->isDefault()) {
            if (button->isEnabled()) button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zentavo
