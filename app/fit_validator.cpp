#include "app/fit_validator.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace zentavo {

namespace {

// The margin a line edit keeps on either side of its text, and the width of
// its cursor after the last character.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;

}  // namespace

FitValidator::FitValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}

bool FitValidator::Fits(const QString& text) const {
    QStyleOptionFrame option;
    option.initFrom(edit_);
    option.rect = edit_->contentsRect();
    option.lineWidth = edit_->hasFrame() ? edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, edit_)
                                         : 0;
    const QRect contents = edit_->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit_)
                               .marginsRemoved(edit_->textMargins());
    const double available = contents.width() - 2 * kLineEditTextMargin;
    const double width = std::ceil(QFontMetricsF(edit_->font()).horizontalAdvance(text));
    return width + kCursorWidth <= available;
}

QValidator::State FitValidator::validate(QString& input, int&) const {
    return Fits(input) ? Acceptable : Invalid;
}

}  // namespace zentavo
