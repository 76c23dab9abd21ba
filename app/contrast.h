// How far two colours stand apart for a reader, by WCAG 2's relative
// luminance: 1 for equal colours, 21 for black on white. Text wants 4.5 or
// more, symbols 3.
#pragma once

#include <QColor>

namespace zentavo {

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// Of the two, the one that stands out more from background.
QColor MoreContrasting(const QColor& background, const QColor& one, const QColor& other);

}  // namespace zentavo
