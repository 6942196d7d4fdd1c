#pragma once
// Reading what a drawing call left on a bitmap: which pixels differ from the background, and
// where the ink lies.
#include <string>
#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

namespace ui::test {

// A bitmap of the given size filled with one colour.
inline TBitmap Blank(int width, int height, TColor color = clWhite) {
    TBitmap bitmap(width, height);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, width, height});
    return bitmap;
}

inline std::vector<TPoint> PixelsOf(TBitmap& bitmap, TColor color) {
    std::vector<TPoint> points;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas().Pixel(x, y) == color)
                points.push_back({x, y});
    return points;
}

// The smallest rectangle holding every pixel that is not the background (empty when none).
inline TRect InkBounds(TBitmap& bitmap, TColor background) {
    TRect ink{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas().Pixel(x, y) != background) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    return ink.IsEmpty() ? TRect{} : ink;
}

// The pixels of a region as text rows, one character per pixel: '.' for the background, '#'
// for anything else; for messages when a pattern check fails.
inline std::string Picture(TBitmap& bitmap, TColor background) {
    std::string rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x)
            rows += bitmap.Canvas().Pixel(x, y) == background ? '.' : '#';
        rows += '\n';
    }
    return rows;
}

} // namespace ui::test
