#include "app/message_boxes.h"

#include <QMessageBox>

namespace zentavo {

namespace {

// A box is answered, not kept: a title and a close box, nothing to minimise
// or maximise, whatever the window manager would add by default.
constexpr Qt::WindowFlags kBoxFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

class ModalMessageBoxes : public MessageBoxes {
public:
    void Show(QWidget* owner, MessageIcon icon, const QString& caption, const QString& text,
              const QString& detail) override {
        QMessageBox box(
            icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information, caption,
            text, QMessageBox::Ok, owner);
        box.setDetailedText(detail);
        box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
        box.setWindowFlags(kBoxFlags);
        box.exec();
    }

    bool Ask(QWidget* owner, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                        owner);
        box.setDefaultButton(QMessageBox::Yes);
        box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
        box.setWindowFlags(kBoxFlags);
        return box.exec() == QMessageBox::Yes;
    }
};

MessageBoxes* installed = nullptr;

}  // namespace

MessageBoxes& CurrentMessageBoxes() {
    static ModalMessageBoxes modal;
    return installed ? *installed : modal;
}

void InstallMessageBoxes(MessageBoxes* boxes) {
    installed = boxes;
}

}  // namespace zentavo
