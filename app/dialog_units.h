// Dialog units: a horizontal unit is a quarter of the dialog font's average
// character width, a vertical unit an eighth of its height, so a dialog
// grows with its text.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace zentavo {

class DialogUnits {
public:
    DialogUnits(int base_x, int base_y) : base_x_(base_x), base_y_(base_y) {}
    // The average width is that of the 52 ASCII letters, rounded as
    // (width + 26) / 52.
    static DialogUnits ForFont(const QFont& font);

    // Rounded to the nearest pixel, halves away from zero.
    QRect ToPixels(const QRect& units) const;
    QSize ToPixels(const QSize& units) const;

private:
    int base_x_;
    int base_y_;
};

}  // namespace zentavo
