// Keeps a line edit from scrolling sideways: a change that would make the
// text wider than the field is refused, so typing stops when it is full.
#pragma once

#include <QValidator>

class QLineEdit;

namespace zentavo {

class FitValidator : public QValidator {
    Q_OBJECT
public:
    explicit FitValidator(QLineEdit* edit);

    State validate(QString& input, int& pos) const override;

    // Whether text fits the field without scrolling.
    bool Fits(const QString& text) const;

private:
    QLineEdit* edit_;
};

}  // namespace zentavo
