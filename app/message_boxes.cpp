#include "app/message_boxes.h"

#include <QMessageBox>

namespace zentavo {

namespace {

class ModalMessageBoxes : public MessageBoxes {
public:
    void Show(QWidget* owner, MessageIcon icon, const QString& caption, const QString& text,
              const QString& detail) override {
        QMessageBox box(
            icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information, caption,
            text, QMessageBox::Ok, owner);
        box.setDetailedText(detail);
        box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
        box.exec();
    }

    bool Ask(QWidget* owner, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                        owner);
        box.setDefaultButton(QMessageBox::Yes);
        box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
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
