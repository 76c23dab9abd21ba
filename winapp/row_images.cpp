#include "winapp/row_images.h"

#include <cmath>

#include "core/rename_list.h"
#include "winapp/resource_ids.h"

namespace zentavo {

namespace {

constexpr int kRowImageWidth = 13;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

double Linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF colour) {
    return 0.2126 * Linear(GetRValue(colour)) + 0.7152 * Linear(GetGValue(colour)) +
           0.0722 * Linear(GetBValue(colour));
}

// Black or white, whichever stands out more from the ball.
COLORREF GlyphColour(COLORREF ball) {
    const double luminance = Luminance(ball);
    const double against_black = (luminance + 0.05) / 0.05;
    const double against_white = 1.05 / (luminance + 0.05);
    return against_black >= against_white ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

enum class Glyph { Check, Cross };

// Draws the glyph on the image at index, in the strip selected into dc.
void DrawGlyph(HDC dc, int index, int height, Glyph glyph) {
    const int left = index * kRowImageWidth;
    // The ball's own colour lies below and right of its highlight.
    const COLORREF ball = GetPixel(dc, left + kRowImageWidth * 2 / 3, height * 2 / 3);
    const HPEN pen = CreatePen(PS_SOLID, 2, GlyphColour(ball));
    const HGDIOBJ old_pen = SelectObject(dc, pen);
    const auto line = [&](int x0, int y0, int x1, int y1) {
        MoveToEx(dc, left + x0, y0, nullptr);
        LineTo(dc, left + x1, y1);
    };
    if (glyph == Glyph::Check) {
        line(3, 6, 5, 8);
        line(5, 8, 9, 4);
    } else {
        line(4, 4, 8, 8);
        line(8, 4, 4, 8);
    }
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

}  // namespace

HIMAGELIST LoadRowImages(HINSTANCE instance) {
    const auto strip = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_ROW_IMAGES),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip) return nullptr;
    BITMAP size{};
    GetObjectW(strip, sizeof(size), &size);
    const int count = size.bmWidth / kRowImageWidth;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        const HGDIOBJ old_bitmap = SelectObject(dc, strip);
        if (count > int(RowMark::Renamed))
            DrawGlyph(dc, int(RowMark::Renamed), size.bmHeight, Glyph::Check);
        if (count > int(RowMark::Failed))
            DrawGlyph(dc, int(RowMark::Failed), size.bmHeight, Glyph::Cross);
        SelectObject(dc, old_bitmap);
        DeleteDC(dc);
    }
    HIMAGELIST images =
        ImageList_Create(kRowImageWidth, size.bmHeight, ILC_COLOR32 | ILC_MASK, count, 0);
    if (images) ImageList_AddMasked(images, strip, kMaskColour);
    DeleteObject(strip);
    return images;
}

}  // namespace zentavo
