#include "app/row_images.h"

#include "app/resources.h"

namespace zentavo {

namespace {
constexpr int kRowImageWidth = 13;
constexpr QRgb kMaskColour = qRgb(255, 0, 255);
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
    return RowImageList(RowImageStrip(), kRowImageWidth, kMaskColour);
}

QPixmap RowImageList::image(int index) const {
    if (index < 0 || index >= count()) return {};
    return images_[size_t(index)];
}

}  // namespace zentavo
