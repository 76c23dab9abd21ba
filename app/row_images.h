// The small images at the front of the rename list's rows, cut from one
// strip; the image's index is the row's mark.
#pragma once

#include <vector>

#include <QImage>
#include <QPixmap>

namespace zentavo {

class RowImageList {
public:
    RowImageList() = default;
    // Cuts strip into images image_width wide; pixels of mask_colour become
    // transparent.
    RowImageList(const QImage& strip, int image_width, QRgb mask_colour);

    // The program's strip: images 13 pixels wide, magenta transparent, a
    // check drawn on the renamed ball and a cross on the failed one.
    static RowImageList Load();

    int count() const { return int(images_.size()); }
    // A null pixmap for an index without image.
    QPixmap image(int index) const;

private:
    std::vector<QPixmap> images_;
};

}  // namespace zentavo
