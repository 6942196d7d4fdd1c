// TCanvas: the platform's drawing calls with the platform's pixel rules. Shapes are rasterised
// here and written as spans: straight into the pixels of a bitmap (raster operations applied bit
// by bit), or through the painter of a widget (raster operations as composition modes). Text and
// wide pens go through the painter in both cases, with antialiasing off.
#include "platform/ui/graphics/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/graphic.h"
#include "platform/ui/graphics/raster_ops.h"
#include "platform/ui/graphics/shape_raster.h"

namespace ui {
namespace {

constexpr QRgb kOpaque = 0xFF000000u;

QRgb ToQRgb(TColorRef c) {
    return kOpaque | (QRgb(GetRValue(c)) << 16) | (QRgb(GetGValue(c)) << 8) | QRgb(GetBValue(c));
}

TColorRef FromQRgb(QRgb q) {
    return RGB(qRed(q), qGreen(q), qBlue(q));
}

struct PainterOp {
    QPainter::CompositionMode Mode = QPainter::CompositionMode_Source;
    bool Skip = false;
    std::optional<QRgb> Fixed;
};

// A binary raster code as the painter's composition mode.
PainterOp PainterOpOfRop2(int rop2) {
    using C = QPainter::CompositionMode;
    switch (rop2) {
    case 1:
        return {C::CompositionMode_Source, false, kOpaque};
    case 16:
        return {C::CompositionMode_Source, false, 0xFFFFFFFFu};
    case 11:
        return {C::CompositionMode_Source, true, {}};
    case 6:
        return {C::RasterOp_NotDestination, false, {}};
    case 4:
        return {C::RasterOp_NotSource, false, {}};
    case 14:
        return {C::RasterOp_SourceOrNotDestination, false, {}};
    case 5:
        return {C::RasterOp_SourceAndNotDestination, false, {}};
    case 12:
        return {C::RasterOp_NotSourceOrDestination, false, {}};
    case 3:
        return {C::RasterOp_NotSourceAndDestination, false, {}};
    case 15:
        return {C::RasterOp_SourceOrDestination, false, {}};
    case 2:
        return {C::RasterOp_NotSourceAndNotDestination, false, {}};
    case 9:
        return {C::RasterOp_SourceAndDestination, false, {}};
    case 8:
        return {C::RasterOp_NotSourceOrNotDestination, false, {}};
    case 7:
        return {C::RasterOp_SourceXorDestination, false, {}};
    case 10:
        return {C::RasterOp_NotSourceXorDestination, false, {}};
    default:
        return {C::CompositionMode_Source, false, {}};
    }
}

// The cosmetic dash patterns: lengths of the on and off runs.
const std::vector<int>& DashPattern(TPenStyle style) {
    static const std::vector<int> kSolid;
    static const std::vector<int> kDash{18, 6};
    static const std::vector<int> kDot{3, 3};
    static const std::vector<int> kDashDot{9, 6, 3, 6};
    static const std::vector<int> kDashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash:
        return kDash;
    case psDot:
        return kDot;
    case psDashDot:
        return kDashDot;
    case psDashDotDot:
        return kDashDotDot;
    default:
        return kSolid;
    }
}

// The 8 x 8 hatch patterns, aligned to the device's origin.
bool HatchBit(TBrushStyle style, int x, int y) {
    int hx = x & 7, hy = y & 7;
    switch (style) {
    case bsHorizontal:
        return hy == 7;
    case bsVertical:
        return hx == 7;
    case bsFDiagonal:
        return hx == hy;
    case bsBDiagonal:
        return hx == 7 - hy;
    case bsCross:
        return hx == 7 || hy == 7;
    case bsDiagCross:
        return hx == hy || hx == 7 - hy;
    default:
        return true;
    }
}

TRect Normalized(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

TRect Intersection(const TRect& a, const TRect& b) {
    TRect r;
    IntersectRect(r, a, b);
    return r;
}

} // namespace

struct TCanvas::FontCache {
    TFont Key;
    bool Valid = false;
    QFont Font;
    std::optional<QFontMetrics> Metrics;
};

TCanvas::TCanvas() : fontCache_(new FontCache) {}

TCanvas::TCanvas(QPaintDevice* device) : TCanvas() {
    Attach(device);
}

TCanvas::~TCanvas() {
    Detach();
    delete fontCache_;
}

void TCanvas::Attach(QPaintDevice* device) {
    Detach();
    device_ = device;
    if (device && device->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(device);
        if (image->depth() == 32)
            image_ = image;
    }
}

void TCanvas::Attach(QPainter* painter) {
    Detach();
    if (!painter)
        return;
    painter_ = painter;
    ownsPainter_ = false;
    device_ = painter->device();
    if (device_ && device_->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(device_);
        if (image->depth() == 32)
            image_ = image;
    }
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->save();
    ApplyPainterClip();
}

void TCanvas::Detach() {
    if (painter_) {
        if (ownsPainter_) {
            painter_->end();
            delete painter_;
        } else {
            painter_->restore();
        }
    }
    painter_ = nullptr;
    ownsPainter_ = false;
    device_ = nullptr;
    image_ = nullptr;
}

void TCanvas::ReleasePainter() {
    if (painter_ && ownsPainter_) {
        painter_->end();
        delete painter_;
        painter_ = nullptr;
        ownsPainter_ = false;
    }
}

bool TCanvas::HandleAllocated() const {
    return device_ != nullptr;
}

QPainter* TCanvas::Painter() {
    if (!painter_ && device_) {
        if (device_->devType() == QInternal::Image && static_cast<QImage*>(device_)->isNull())
            return nullptr; // an empty bitmap: nothing to paint on
        painter_ = new QPainter(device_);
        ownsPainter_ = true;
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        ApplyPainterClip();
    }
    return painter_;
}

QImage* TCanvas::Image() {
    return image_;
}

TColorRef TCanvas::Resolve(TColor color) const {
    TColorRef c = ColorToRGB(color);
    if (ownerBitmap_ && ownerBitmap_->Monochrome())
        c = GetRValue(c) + GetGValue(c) + GetBValue(c) > 382 ? RGB(255, 255, 255) : 0;
    return c;
}

TRect TCanvas::DeviceBounds() {
    if (image_)
        return {0, 0, image_->width(), image_->height()};
    if (device_)
        return {0, 0, device_->width(), device_->height()};
    return {};
}

TRect TCanvas::DeviceClip() {
    TRect bounds = DeviceBounds();
    if (!hasClip_)
        return bounds;
    return Intersection(bounds, OffsetRect(clip_, origin_.X, origin_.Y));
}

void TCanvas::ApplyPainterClip() {
    if (!painter_)
        return;
    if (ownsPainter_) {
        painter_->setClipping(false);
    } else {
        // Back to the clip the painter came with.
        painter_->restore();
        painter_->save();
    }
    if (hasClip_) {
        TRect r = OffsetRect(clip_, origin_.X, origin_.Y);
        painter_->setClipRect(QRect(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())),
                              Qt::IntersectClip);
    }
}

TRect TCanvas::ClipRect() {
    TRect r = DeviceClip();
    return OffsetRect(r, -origin_.X, -origin_.Y);
}

void TCanvas::SetClipRect(const TRect& rect) {
    hasClip_ = true;
    clip_ = rect;
    ApplyPainterClip();
}

void TCanvas::IntersectClipRect(const TRect& rect) {
    if (hasClip_) {
        clip_ = Intersection(clip_, rect);
    } else {
        clip_ = rect;
        hasClip_ = true;
    }
    ApplyPainterClip();
}

void TCanvas::ResetClip() {
    hasClip_ = false;
    ApplyPainterClip();
}

void TCanvas::RestoreClip(const TClipState& state) {
    hasClip_ = state.Active;
    clip_ = state.Rect;
    ApplyPainterClip();
}

void TCanvas::MoveWindowOrg(int dx, int dy) {
    origin_.X += dx;
    origin_.Y += dy;
    ApplyPainterClip();
}

// --- spans ---------------------------------------------------------------------------------

void TCanvas::FillSpan(int x1, int x2, int y, TColorRef color, int rop2) {
    TRect clip = DeviceClip();
    if (y < clip.Top || y >= clip.Bottom)
        return;
    x1 = std::max(x1, clip.Left);
    x2 = std::min(x2, clip.Right);
    if (x2 <= x1)
        return;
    if (image_) {
        auto* line = reinterpret_cast<QRgb*>(image_->scanLine(y));
        QRgb pen = ToQRgb(color);
        for (int x = x1; x < x2; ++x)
            line[x] = rop2 == raster::R2_COPYPEN
                          ? pen
                          : (kOpaque | raster::ApplyRop2(rop2, pen & 0xFFFFFF, line[x] & 0xFFFFFF));
        return;
    }
    FillDeviceRect({x1, y, x2, y + 1}, color, rop2);
}

void TCanvas::FillDeviceRect(const TRect& rect, TColorRef color, int rop2) {
    TRect r = Intersection(rect, DeviceClip());
    if (r.IsEmpty())
        return;
    if (image_) {
        for (int y = r.Top; y < r.Bottom; ++y)
            FillSpan(r.Left, r.Right, y, color, rop2);
        return;
    }
    QPainter* p = Painter();
    if (!p)
        return;
    PainterOp op = PainterOpOfRop2(rop2);
    if (op.Skip)
        return;
    p->setCompositionMode(op.Mode);
    p->fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()),
                QColor::fromRgb(op.Fixed ? *op.Fixed : ToQRgb(color)));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::FillBrushSpan(int x1, int x2, int y, int rop2) {
    TBrushStyle style = brush_.Style();
    if (style == bsClear || x2 <= x1)
        return;
    if (const TBitmap* pattern = brush_.Bitmap()) {
        const QImage& tile = pattern->Image();
        int w = tile.width(), h = tile.height();
        auto* row = reinterpret_cast<const QRgb*>(tile.constScanLine(((y % h) + h) % h));
        for (int x = x1; x < x2; ++x)
            FillSpan(x, x + 1, y, Resolve(TColor(FromQRgb(row[((x % w) + w) % w]))), rop2);
        return;
    }
    TColorRef color = Resolve(brush_.Color());
    if (style == bsSolid) {
        FillSpan(x1, x2, y, color, rop2);
        return;
    }
    for (int x = x1; x < x2; ++x)
        if (HatchBit(style, x, y))
            FillSpan(x, x + 1, y, color, rop2);
}

void TCanvas::PlotPenPixel(int x, int y, int index, TColorRef color, int rop2) {
    const auto& pattern = DashPattern(pen_.Style());
    if (pattern.empty()) {
        FillSpan(x, x + 1, y, color, rop2);
        return;
    }
    int total = 0;
    for (int run : pattern)
        total += run;
    int at = index % total;
    bool on = true;
    for (int run : pattern) {
        if (at < run)
            break;
        at -= run;
        on = !on;
    }
    if (on)
        FillSpan(x, x + 1, y, color, rop2);
    else if (brush_.Style() == bsSolid) // the gaps show the background of an opaque canvas
        FillSpan(x, x + 1, y, Resolve(brush_.Color()), rop2);
}

void TCanvas::PenLine(int x1, int y1, int x2, int y2) {
    if (pen_.Style() == psClear)
        return;
    if (pen_.Width() > 1) {
        WidePenPath({{x1, y1}, {x2, y2}}, false);
        return;
    }
    int rop2 = raster::Rop2OfPenMode(pen_.Mode());
    TColorRef color = Resolve(pen_.Color());
    bool solid = DashPattern(pen_.Style()).empty();
    if (solid && y1 == y2 && x1 != x2) {
        if (x2 > x1)
            FillSpan(x1, x2, y1, color, rop2);
        else
            FillSpan(x2 + 1, x1 + 1, y1, color, rop2);
        return;
    }
    if (solid && x1 == x2 && y1 != y2 && !image_) {
        TRect r = y2 > y1 ? TRect{x1, y1, x1 + 1, y2} : TRect{x1, y2 + 1, x1 + 1, y1 + 1};
        FillDeviceRect(r, color, rop2);
        return;
    }
    int index = 0;
    raster::LinePixels(x1, y1, x2, y2,
                       [&](int x, int y) { PlotPenPixel(x, y, index++, color, rop2); });
}

void TCanvas::WidePenPath(const std::vector<TPoint>& points, bool closed) {
    QPainter* p = Painter();
    if (!p || points.empty())
        return;
    PainterOp op = PainterOpOfRop2(raster::Rop2OfPenMode(pen_.Mode()));
    if (op.Skip)
        return;
    QPainterPath path;
    path.moveTo(points[0].X, points[0].Y);
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i].X, points[i].Y);
    if (closed)
        path.closeSubpath();
    QPen pen(QColor::fromRgb(op.Fixed ? *op.Fixed : ToQRgb(Resolve(pen_.Color()))));
    pen.setWidth(pen_.Width());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p->setCompositionMode(op.Mode);
    p->strokePath(path, pen);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// --- lines and shapes ------------------------------------------------------------------------

void TCanvas::MoveTo(int x, int y) {
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    PenLine(penPos_.X + origin_.X, penPos_.Y + origin_.Y, x + origin_.X, y + origin_.Y);
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty())
        return;
    if (pen_.Width() > 1 && pen_.Style() != psClear) {
        std::vector<TPoint> device;
        for (const auto& p : points)
            device.push_back({p.X + origin_.X, p.Y + origin_.Y});
        WidePenPath(device, false);
        return;
    }
    for (size_t i = 1; i < points.size(); ++i)
        PenLine(points[i - 1].X + origin_.X, points[i - 1].Y + origin_.Y, points[i].X + origin_.X,
                points[i].Y + origin_.Y);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2)
        return;
    std::vector<TPoint> device;
    for (const auto& p : points)
        device.push_back({p.X + origin_.X, p.Y + origin_.Y});
    int rop2 = raster::Rop2OfPenMode(pen_.Mode());
    raster::PolygonSpans(device, [&](int x1, int x2, int y) { FillBrushSpan(x1, x2, y, rop2); });
    if (pen_.Style() == psClear)
        return;
    if (pen_.Width() > 1) {
        WidePenPath(device, true);
        return;
    }
    for (size_t i = 0; i < device.size(); ++i) {
        const TPoint& a = device[i];
        const TPoint& b = device[(i + 1) % device.size()];
        PenLine(a.X, a.Y, b.X, b.Y);
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    TRect r = OffsetRect(Normalized(x1, y1, x2, y2), origin_.X, origin_.Y);
    int rop2 = raster::Rop2OfPenMode(pen_.Mode());
    if (pen_.Style() == psClear) {
        // Without a pen the filled area is one pixel smaller to the right and bottom.
        for (int y = r.Top; y < r.Bottom - 1; ++y)
            FillBrushSpan(r.Left, r.Right - 1, y, rop2);
        return;
    }
    int width = pen_.Width();
    if (width > 1) {
        for (int y = r.Top; y < r.Bottom - 1; ++y)
            FillBrushSpan(r.Left, r.Right - 1, y, rop2);
        int inset = pen_.Style() == psInsideFrame ? width / 2 : 0;
        int l = r.Left + inset, t = r.Top + inset;
        int rr = r.Right - 1 - inset, b = r.Bottom - 1 - inset;
        WidePenPath({{l, t}, {rr, t}, {rr, b}, {l, b}}, true);
        return;
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
        FillBrushSpan(r.Left + 1, r.Right - 1, y, rop2);
    if (r.Width() == 0 || r.Height() == 0)
        return;
    int right = r.Right - 1, bottom = r.Bottom - 1;
    PenLine(r.Left, r.Top, right, r.Top);
    PenLine(right, r.Top, right, bottom);
    PenLine(right, bottom, r.Left, bottom);
    PenLine(r.Left, bottom, r.Left, r.Top);
    if (r.Width() == 1 || r.Height() == 1) // a line-thin rectangle: its last pixel too
        FillSpan(right, right + 1, bottom, Resolve(pen_.Color()), rop2);
}

void TCanvas::DrawShapeMask(const TRect& bounds, int cornerW, int cornerH) {
    int rop2 = raster::Rop2OfPenMode(pen_.Mode());
    bool noPen = pen_.Style() == psClear;
    TRect b = noPen ? TRect{bounds.Left, bounds.Top, bounds.Right - 1, bounds.Bottom - 1} : bounds;
    raster::ShapeMask mask = raster::RoundRectMask(b, cornerW, cornerH);
    int w = b.Width();
    TColorRef penColor = Resolve(pen_.Color());
    for (int y = 0; y < b.Height(); ++y) {
        int x = 0;
        while (x < w) {
            size_t at = size_t(y) * w + x;
            if (!mask.Inside[at]) {
                ++x;
                continue;
            }
            bool edge = !noPen && mask.Edge[at];
            int start = x;
            while (x < w && mask.Inside[size_t(y) * w + x] &&
                   (!noPen && mask.Edge[size_t(y) * w + x]) == edge)
                ++x;
            if (edge) {
                for (int px = start; px < x; ++px)
                    PlotPenPixel(b.Left + px, b.Top + y, px + y, penColor, rop2);
            } else {
                FillBrushSpan(b.Left + start, b.Left + x, b.Top + y, rop2);
            }
        }
    }
}

void TCanvas::ShapeWithWidePen(const TRect& bounds, int cornerW, int cornerH, bool ellipse) {
    QPainter* p = Painter();
    if (!p)
        return;
    PainterOp op = PainterOpOfRop2(raster::Rop2OfPenMode(pen_.Mode()));
    if (op.Skip)
        return;
    QPen pen(QColor::fromRgb(op.Fixed ? *op.Fixed : ToQRgb(Resolve(pen_.Color()))));
    pen.setWidth(pen_.Width());
    pen.setJoinStyle(Qt::RoundJoin);
    int inset = pen_.Style() == psInsideFrame ? pen_.Width() / 2 : 0;
    QRect r(bounds.Left + inset, bounds.Top + inset, bounds.Width() - 1 - 2 * inset,
            bounds.Height() - 1 - 2 * inset);
    p->setCompositionMode(op.Mode);
    p->setPen(pen);
    if (brush_.Style() == bsClear)
        p->setBrush(Qt::NoBrush);
    else
        p->setBrush(QColor::fromRgb(ToQRgb(Resolve(brush_.Color()))));
    if (ellipse)
        p->drawEllipse(r);
    else
        p->drawRoundedRect(r, cornerW / 2.0, cornerH / 2.0);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    TRect r = OffsetRect(Normalized(x1, y1, x2, y2), origin_.X, origin_.Y);
    if (pen_.Width() > 1 && pen_.Style() != psClear)
        ShapeWithWidePen(r, r.Width(), r.Height(), true);
    else
        DrawShapeMask(r, r.Width(), r.Height());
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    TRect r = OffsetRect(Normalized(x1, y1, x2, y2), origin_.X, origin_.Y);
    if (pen_.Width() > 1 && pen_.Style() != psClear)
        ShapeWithWidePen(r, x3, y3, false);
    else
        DrawShapeMask(r, x3, y3);
}

void TCanvas::FillRect(const TRect& rect) {
    TRect r = OffsetRect(rect, origin_.X, origin_.Y);
    for (int y = r.Top; y < r.Bottom; ++y)
        FillBrushSpan(r.Left, r.Right, y, raster::R2_COPYPEN);
}

void TCanvas::FrameRect(const TRect& rect) {
    TRect r = OffsetRect(rect, origin_.X, origin_.Y);
    if (r.IsEmpty())
        return;
    int copy = raster::R2_COPYPEN;
    FillBrushSpan(r.Left, r.Right, r.Top, copy);
    if (r.Height() > 1)
        FillBrushSpan(r.Left, r.Right, r.Bottom - 1, copy);
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        FillBrushSpan(r.Left, r.Left + 1, y, copy);
        if (r.Width() > 1)
            FillBrushSpan(r.Right - 1, r.Right, y, copy);
    }
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    TRect r = OffsetRect(rect, origin_.X, origin_.Y);
    if (r.IsEmpty())
        return;
    // Every other pixel of the frame, on the device's checkerboard, inverted.
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            FillSpan(x, x + 1, y, RGB(255, 255, 255), raster::R2_XORPEN);
    };
    for (int x = r.Left; x < r.Right; ++x) {
        dot(x, r.Top);
        if (r.Height() > 1)
            dot(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        dot(r.Left, y);
        if (r.Width() > 1)
            dot(r.Right - 1, y);
    }
}

// --- text ------------------------------------------------------------------------------------

TCanvas::FontCache& TCanvas::Fonts() {
    FontCache& cache = *fontCache_;
    if (!cache.Valid || !(cache.Key == font_)) {
        cache.Key = font_;
        cache.Font = font_.ToQFont();
        cache.Metrics.emplace(cache.Font);
        cache.Valid = true;
    }
    return cache;
}

TCanvas::TTextMetric TCanvas::TextMetrics() {
    FontCache& cache = Fonts();
    const QFontMetrics& m = *cache.Metrics;
    TTextMetric tm;
    tm.tmAscent = m.ascent();
    tm.tmDescent = m.descent();
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - cache.Font.pixelSize());
    tm.tmExternalLeading = std::max(0, m.leading());
    tm.tmAveCharWidth = m.averageCharWidth();
    tm.tmMaxCharWidth = m.maxWidth();
    return tm;
}

TSize TCanvas::TextExtent(const std::string& text) {
    FontCache& cache = Fonts();
    const QFontMetrics& m = *cache.Metrics;
    QString shown = QString::fromStdString(SymbolText(font_, text));
    return {m.horizontalAdvance(shown), m.ascent() + m.descent()};
}

void TCanvas::DrawTextAt(int deviceX, int deviceY, const std::string& text) {
    FontCache& cache = Fonts();
    QString shown = QString::fromStdString(SymbolText(font_, text));
    const QFontMetrics& m = *cache.Metrics;
    if (brush_.Style() == bsSolid)
        FillDeviceRect({deviceX, deviceY, deviceX + m.horizontalAdvance(shown),
                        deviceY + m.ascent() + m.descent()},
                       Resolve(brush_.Color()), raster::R2_COPYPEN);
    QPainter* p = Painter();
    if (!p || shown.isEmpty())
        return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setFont(cache.Font);
    p->setPen(QColor::fromRgb(ToQRgb(Resolve(font_.Color()))));
    p->drawText(QPoint(deviceX, deviceY + m.ascent()), shown);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    DrawTextAt(x + origin_.X, y + origin_.Y, text);
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    TRect r = OffsetRect(rect, origin_.X, origin_.Y);
    if (brush_.Style() == bsSolid)
        FillDeviceRect(r, Resolve(brush_.Color()), raster::R2_COPYPEN);
    TClipState saved = SaveClip();
    IntersectClipRect(rect);
    TBrushStyle style = brush_.Style();
    // The rectangle is filled already: the text itself goes on without its cell.
    brush_.SetStyle(bsClear);
    DrawTextAt(x + origin_.X, y + origin_.Y, text);
    brush_.SetStyle(style);
    RestoreClip(saved);
}

// --- pictures and pixels ---------------------------------------------------------------------

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (graphic.Empty())
        return;
    graphic.Draw(*this, {x, y, x + graphic.Width(), y + graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
    if (graphic.Empty())
        return;
    graphic.Draw(*this, rect);
}

void TCanvas::Blit(const TRect& dest, const QImage& source, const TRect& sourceRect, TCopyMode rop,
                   bool sourceMono, TColorRef sourceBackground, bool transparent,
                   TColorRef transparentColor) {
    TRect d = OffsetRect(dest, origin_.X, origin_.Y);
    if (d.Width() <= 0 || d.Height() <= 0 || sourceRect.Width() <= 0 || sourceRect.Height() <= 0)
        return;
    TRect visible = Intersection(d, DeviceClip());
    if (visible.IsEmpty())
        return;
    // A copy within one surface reads from a snapshot.
    const QImage src =
        &source == image_ ? source.copy()
        : (source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32)
            ? source
            : source.convertToFormat(QImage::Format_ARGB32);
    bool destMono = ownerBitmap_ && ownerBitmap_->Monochrome();
    const QRgb rgb = 0xFFFFFF;
    QRgb pattern = ToQRgb(Resolve(brush_.Color())) & rgb;
    QRgb monoBlack = ToQRgb(Resolve(font_.Color())) & rgb;
    QRgb monoWhite = ToQRgb(Resolve(brush_.Color())) & rgb;
    QRgb background = ToQRgb(sourceBackground) & rgb;
    QRgb skip = ToQRgb(transparentColor) & rgb;
    bool useSource = raster::Rop3UsesSource(rop);

    // The source pixel for a destination pixel: nearest pixel, then the monochrome rules.
    // Returns false where the destination stays as it is.
    auto sample = [&](int dx, int dy, QRgb& s) {
        if (!useSource) {
            s = 0;
            return true;
        }
        int sx = sourceRect.Left + int((long long)(dx - d.Left) * sourceRect.Width() / d.Width());
        int sy = sourceRect.Top + int((long long)(dy - d.Top) * sourceRect.Height() / d.Height());
        if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height())
            return false;
        s = reinterpret_cast<const QRgb*>(src.constScanLine(sy))[sx] & rgb;
        if (transparent && s == skip)
            return false;
        if (sourceMono && !destMono)
            s = s == rgb ? monoWhite : monoBlack;
        else if (!sourceMono && destMono)
            s = s == background ? rgb : 0;
        return true;
    };

    if (image_) {
        for (int y = visible.Top; y < visible.Bottom; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_->scanLine(y));
            for (int x = visible.Left; x < visible.Right; ++x) {
                QRgb s;
                if (!sample(x, y, s))
                    continue;
                QRgb out = raster::ApplyRop3(rop, pattern, s, line[x] & rgb);
                if (destMono)
                    out = qRed(out) + qGreen(out) + qBlue(out) > 382 ? rgb : 0;
                line[x] = kOpaque | out;
            }
        }
        return;
    }

    // Through a painter: the operation becomes a composition mode over a prepared source.
    QPainter* p = Painter();
    if (!p)
        return;
    using C = QPainter::CompositionMode;
    unsigned code = (rop >> 16) & 0xFF;
    C mode = C::CompositionMode_SourceOver;
    auto transform = [&](QRgb s) -> QRgb { return s; };
    std::function<QRgb(QRgb)> prepare = transform;
    switch (code) {
    case 0x88:
        mode = C::RasterOp_SourceAndDestination;
        break;
    case 0xEE:
        mode = C::RasterOp_SourceOrDestination;
        break;
    case 0x66:
        mode = C::RasterOp_SourceXorDestination;
        break;
    case 0x44:
        mode = C::RasterOp_SourceAndNotDestination;
        break;
    case 0x11:
        mode = C::RasterOp_NotSourceAndNotDestination;
        break;
    case 0xBB:
        mode = C::RasterOp_NotSourceOrDestination;
        break;
    case 0x55:
        mode = C::RasterOp_NotDestination;
        break;
    case 0x5A:
        mode = C::RasterOp_SourceXorDestination;
        prepare = [&](QRgb) { return pattern; };
        break;
    case 0xFB:
        mode = C::RasterOp_SourceOrDestination;
        prepare = [&](QRgb s) { return (pattern | ~s) & rgb; };
        break;
    case 0xAA:
        return;
    default:
        // Operations that do not read the destination are computed here.
        prepare = [&](QRgb s) { return raster::ApplyRop3(rop, pattern, s, 0); };
        break;
    }
    QImage prepared(visible.Width(), visible.Height(), QImage::Format_ARGB32);
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(prepared.scanLine(y - visible.Top));
        for (int x = visible.Left; x < visible.Right; ++x) {
            QRgb s;
            line[x - visible.Left] = sample(x, y, s) ? (kOpaque | (prepare(s) & rgb)) : 0;
        }
    }
    p->setCompositionMode(mode);
    p->drawImage(QPoint(visible.Left, visible.Top), prepared);
    p->setCompositionMode(C::CompositionMode_SourceOver);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    QImage* image = source.Image();
    if (!image)
        return;
    bool mono = source.OwnerBitmap() && source.OwnerBitmap()->Monochrome();
    TRect from = OffsetRect(sourceRect, source.origin_.X, source.origin_.Y);
    Blit(dest, *image, from, copyMode_, mono, source.Resolve(source.brush_.Color()), false, 0);
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                        TColor color) {
    const QImage& image = source.Image();
    if (image.isNull())
        return;
    TColorRef replaced = ColorToRGB(color);
    if (brush_.Style() == bsClear) {
        Blit(dest, image, sourceRect, cmSrcCopy, source.Monochrome(), 0, true, replaced);
        return;
    }
    // The replaced colour becomes the brush colour in a copy of the source part.
    TRect part = Intersection(sourceRect, {0, 0, image.width(), image.height()});
    if (part.IsEmpty())
        return;
    QImage copy = image.copy(part.Left, part.Top, part.Width(), part.Height())
                      .convertToFormat(QImage::Format_RGB32);
    QRgb from = ToQRgb(replaced) & 0xFFFFFF;
    QRgb to = ToQRgb(Resolve(brush_.Color()));
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if ((line[x] & 0xFFFFFF) == from)
                line[x] = to;
    }
    TRect whole = OffsetRect(sourceRect, -part.Left, -part.Top);
    Blit(dest, copy, whole, cmSrcCopy, false, 0, false, 0);
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    if (!image_)
        return;
    int dx = x + origin_.X, dy = y + origin_.Y;
    TRect clip = DeviceClip();
    if (!clip.Contains({dx, dy}))
        return;
    QRgb target = ToQRgb(Resolve(color)) & 0xFFFFFF;
    auto pixel = [&](int px, int py) {
        return reinterpret_cast<const QRgb*>(image_->constScanLine(py))[px] & 0xFFFFFF;
    };
    auto fillable = [&](int px, int py) {
        bool same = pixel(px, py) == target;
        return style == fsSurface ? same : !same;
    };
    if (!fillable(dx, dy))
        return;
    int w = clip.Width();
    std::vector<uint8_t> seen(size_t(w) * clip.Height(), 0);
    auto mark = [&](int px, int py) -> uint8_t& {
        return seen[size_t(py - clip.Top) * w + (px - clip.Left)];
    };
    struct Span {
        int X1, X2, Y;
    };
    std::vector<Span> spans;
    std::vector<TPoint> stack{{dx, dy}};
    while (!stack.empty()) {
        TPoint seed = stack.back();
        stack.pop_back();
        if (mark(seed.X, seed.Y) || !fillable(seed.X, seed.Y))
            continue;
        int left = seed.X, right = seed.X + 1;
        while (left > clip.Left && !mark(left - 1, seed.Y) && fillable(left - 1, seed.Y))
            --left;
        while (right < clip.Right && !mark(right, seed.Y) && fillable(right, seed.Y))
            ++right;
        for (int px = left; px < right; ++px)
            mark(px, seed.Y) = 1;
        spans.push_back({left, right, seed.Y});
        for (int ny : {seed.Y - 1, seed.Y + 1}) {
            if (ny < clip.Top || ny >= clip.Bottom)
                continue;
            for (int px = left; px < right; ++px)
                if (!mark(px, ny) && fillable(px, ny))
                    stack.push_back({px, ny});
        }
    }
    // The area is found first and painted afterwards, so a brush of the same colour cannot
    // confuse the search.
    for (const Span& s : spans)
        FillBrushSpan(s.X1, s.X2, s.Y, raster::R2_COPYPEN);
}

TColor TCanvas::Pixel(int x, int y) {
    int dx = x + origin_.X, dy = y + origin_.Y;
    if (!image_ || dx < 0 || dy < 0 || dx >= image_->width() || dy >= image_->height())
        return -1;
    return TColor(FromQRgb(reinterpret_cast<const QRgb*>(image_->constScanLine(dy))[dx]));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    FillSpan(x + origin_.X, x + origin_.X + 1, y + origin_.Y, Resolve(color), raster::R2_COPYPEN);
}

} // namespace ui
