#include "app/row_images.h"

#include <QPainter>
#include <QPainterPath>

#include "app/contrast.h"
#include "app/resources.h"
#include "core/rename_list.h"

namespace zentavo {

namespace {

constexpr int kRowImageWidth = 13;
constexpr QRgb kMaskColour = qRgb(255, 0, 255);

enum class Glyph { Check, Cross };

// A mark that tells the balls apart without their colours (in greyscale the
// green and the grey one look alike): a check or a cross, in black or white,
// whichever stands out more from the ball.
QPixmap WithGlyph(const QPixmap& ball, Glyph glyph) {
    QImage image = ball.toImage().convertToFormat(QImage::Format_ARGB32);
    // The ball's own colour lies below and right of its highlight.
    const QColor body = image.pixelColor(image.width() * 2 / 3, image.height() * 2 / 3);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(image.width() / 13.0, image.height() / 13.0);
    painter.setPen(QPen(MoreContrasting(body, Qt::black, Qt::white), 2.0, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    if (glyph == Glyph::Check) {
        path.moveTo(3.5, 6.5);
        path.lineTo(5.5, 8.5);
        path.lineTo(9.5, 4.0);
    } else {
        path.moveTo(4.5, 4.5);
        path.lineTo(8.5, 8.5);
        path.moveTo(8.5, 4.5);
        path.lineTo(4.5, 8.5);
    }
    painter.drawPath(path);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

RowImageList::RowImageList(const QImage& strip, int image_width, QRgb mask_colour) {
    if (strip.isNull() || image_width <= 0) return;
    QImage masked = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((line[x] & RGB_MASK) == (mask_colour & RGB_MASK)) line[x] = 0;
        }
    }
    for (int x = 0; x + image_width <= masked.width(); x += image_width)
        images_.push_back(QPixmap::fromImage(masked.copy(x, 0, image_width, masked.height())));
}

RowImageList RowImageList::Load() {
    RowImageList list(RowImageStrip(), kRowImageWidth, kMaskColour);
    for (const auto& [mark, glyph] :
         {std::pair{RowMark::Renamed, Glyph::Check}, std::pair{RowMark::Failed, Glyph::Cross}}) {
        if (const size_t index = size_t(mark); index < list.images_.size())
            list.images_[index] = WithGlyph(list.images_[index], glyph);
    }
    return list;
}

QPixmap RowImageList::image(int index) const {
    if (index < 0 || index >= count()) return {};
    return images_[size_t(index)];
}

}  // namespace zentavo
