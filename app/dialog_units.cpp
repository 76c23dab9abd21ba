#include "app/dialog_units.h"

#include <QFontMetrics>

namespace zentavo {

namespace {

int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

DialogUnits DialogUnits::ForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters_width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((letters_width + 26) / 52, metrics.height());
}

QRect DialogUnits::ToPixels(const QRect& units) const {
    const auto x = [this](int value) { return MulDiv(value, base_x_, 4); };
    const auto y = [this](int value) { return MulDiv(value, base_y_, 8); };
    return QRect(x(units.x()), y(units.y()), x(units.width()), y(units.height()));
}

QSize DialogUnits::ToPixels(const QSize& units) const {
    return ToPixels(QRect(QPoint(0, 0), units)).size();
}

}  // namespace zentavo
