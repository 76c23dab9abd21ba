#include "app/progress_dialog.h"

#include <algorithm>
#include <climits>

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window_texts.h"

namespace zentavo {

ProgressDialog::ProgressDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("progressDialog"));
    setWindowTitle(Texts::MainCaption());
    setWindowModality(Qt::WindowModal);

    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("progressText"));
    text_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    auto* buttons = new QDialogButtonBox(this);
    cancel_button_ = buttons->addButton(Texts::CancelButton(), QDialogButtonBox::RejectRole);
    cancel_button_->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &ProgressDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressDialog::SetProgress(const QString& text, size_t done, size_t total) {
    if (!cancelling_) text_->setText(text);
    // The bar counts in steps that an int holds, however many rows there are.
    const size_t step = std::max<size_t>(1, total / INT_MAX + 1);
    bar_->setRange(0, int(total / step));
    bar_->setValue(int(std::min(done, total) / step));
}

void ProgressDialog::SetCancellable(bool cancellable) {
    cancel_button_->setEnabled(cancellable && !cancelling_);
}

void ProgressDialog::ShowCancelling() {
    cancelling_ = true;
    text_->setText(Texts::Cancelling());
    cancel_button_->setEnabled(false);
}

void ProgressDialog::reject() {
    if (cancel_button_->isEnabled()) emit cancelRequested();
}

}  // namespace zentavo
