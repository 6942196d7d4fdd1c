// Line, polygon and rounded-shape rasterisation.
#include "platform/ui/graphics/shape_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ui::raster {

void LinePixels(int x1, int y1, int x2, int y2, const std::function<void(int, int)>& plot) {
    int dx = std::abs(x2 - x1);
    int dy = std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1;
    int sy = y1 < y2 ? 1 : -1;
    if (dx >= dy) {
        // x is the major axis: one pixel per column, the last column left out.
        int error = 2 * dy - dx;
        int y = y1;
        for (int i = 0, x = x1; i < dx; ++i, x += sx) {
            plot(x, y);
            if (error > 0 || (error == 0 && sx < 0)) {
                y += sy;
                error -= 2 * dx;
            }
            error += 2 * dy;
        }
    } else {
        int error = 2 * dx - dy;
        int x = x1;
        for (int i = 0, y = y1; i < dy; ++i, y += sy) {
            plot(x, y);
            if (error > 0 || (error == 0 && sy < 0)) {
                x += sx;
                error -= 2 * dy;
            }
            error += 2 * dx;
        }
    }
}

void PolygonSpans(const std::vector<TPoint>& points,
                  const std::function<void(int, int, int)>& span) {
    if (points.size() < 3)
        return;
    int top = points[0].Y, bottom = points[0].Y;
    for (const auto& p : points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        double cy = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const TPoint& a = points[i];
            const TPoint& b = points[(i + 1) % points.size()];
            if (a.Y == b.Y)
                continue;
            bool within = (cy >= std::min(a.Y, b.Y)) && (cy < std::max(a.Y, b.Y));
            if (!within)
                continue;
            crossings.push_back(a.X + (cy - a.Y) * double(b.X - a.X) / double(b.Y - a.Y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centre x + 0.5 lies in [left, right).
            int x1 = int(std::ceil(crossings[i] - 0.5));
            int x2 = int(std::ceil(crossings[i + 1] - 0.5));
            if (x2 > x1)
                span(x1, x2, y);
        }
    }
}

ShapeMask RoundRectMask(const TRect& bounds, int cornerW, int cornerH) {
    ShapeMask mask;
    mask.Bounds = bounds;
    int w = std::max(0, bounds.Width());
    int h = std::max(0, bounds.Height());
    mask.Inside.assign(size_t(w) * h, 0);
    mask.Edge.assign(size_t(w) * h, 0);
    if (w == 0 || h == 0)
        return mask;
    double rx = std::clamp(cornerW, 0, w) / 2.0;
    double ry = std::clamp(cornerH, 0, h) / 2.0;
    for (int y = 0; y < h; ++y) {
        double cy = y + 0.5;
        for (int x = 0; x < w; ++x) {
            double cx = x + 0.5;
            bool inside = true;
            if (rx > 0 && ry > 0) {
                double ex = cx < rx ? rx : (cx > w - rx ? w - rx : cx);
                double ey = cy < ry ? ry : (cy > h - ry ? h - ry : cy);
                double nx = (cx - ex) / rx;
                double ny = (cy - ey) / ry;
                inside = nx * nx + ny * ny <= 1.0 + 1e-9;
            }
            mask.Inside[size_t(y) * w + x] = inside;
        }
    }
    auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && mask.Inside[size_t(y) * w + x];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (in(x, y) && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)))
                mask.Edge[size_t(y) * w + x] = 1;
    return mask;
}

} // namespace ui::raster
