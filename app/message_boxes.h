// Message boxes go through one replaceable service, so that tests can watch
// them without a modal loop.
#pragma once

#include <QString>

#include "window/message.h"

class QWidget;

namespace zentavo {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a box with an OK button, modal to owner, and returns when it is
    // closed. A detail, when given, is there to be unfolded below the text.
    virtual void Show(QWidget* owner, MessageIcon icon, const QString& caption, const QString& text,
                      const QString& detail = {}) = 0;
    // Asks a question with Yes and No buttons, modal to owner; returns
    // whether Yes was chosen.
    virtual bool Ask(QWidget* owner, const QString& caption, const QString& text) = 0;
};

// The boxes in use: real modal boxes unless a replacement is installed.
MessageBoxes& CurrentMessageBoxes();
// Installs a replacement; nullptr goes back to real boxes.
void InstallMessageBoxes(MessageBoxes* boxes);

}  // namespace zentavo
