// Tells how far a long job has got, with a button that asks it to stop.
#pragma once

#include <cstddef>

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zentavo {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* owner);

    // total 0: how much is left is not known.
    void SetProgress(const QString& text, size_t done, size_t total);
    // Whether the job can still be stopped; a job stopping says so.
    void SetCancellable(bool cancellable);
    void ShowCancelling();

signals:
    void cancelRequested();

protected:
    // Escape and the close box ask as Cancel does; the box stays until the
    // job is over.
    void reject() override;

private:
    QLabel* text_;
    QProgressBar* bar_;
    QPushButton* cancel_button_;
    bool cancelling_ = false;
};

}  // namespace zentavo
