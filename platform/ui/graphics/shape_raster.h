#pragma once
// Pixel rules of the platform's shapes, computed here rather than by Qt so that every pixel is
// the platform's: lines without their end point, polygons by pixel centres, and rounded
// rectangles and ellipses as masks whose outline is the mask's edge.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ui/graphics/types.h"

namespace ui::raster {

// Calls plot(x, y) for every pixel of the line from (x1, y1) towards (x2, y2), the end point
// left out.
void LinePixels(int x1, int y1, int x2, int y2, const std::function<void(int, int)>& plot);

// Calls span(x1, x2, y) for the pixels [x1, x2) of row y inside the polygon (alternate rule,
// pixel centres).
void PolygonSpans(const std::vector<TPoint>& points,
                  const std::function<void(int, int, int)>& span);

// A rounded rectangle over [bounds) with corner ellipses cornerW x cornerH (an ellipse when they
// equal the bounds' size): inside[y * width + x] marks pixels whose centre lies inside; edge
// marks inside pixels with a neighbour (left, right, up, down) outside.
struct ShapeMask {
    TRect Bounds;
    std::vector<uint8_t> Inside;
    std::vector<uint8_t> Edge;
};
ShapeMask RoundRectMask(const TRect& bounds, int cornerW, int cornerH);

} // namespace ui::raster
