// The same drawing on a bitmap (pixels written directly) and on a window's surface (through a
// painter) gives the same pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <functional>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"

namespace ui {
namespace {

using Drawing = std::function<void(TCanvas&, const TBitmap& picture)>;

// A small picture to copy from.
TBitmap Picture() {
    TBitmap picture(6, 4);
    picture.Canvas().Brush().SetColor(clFuchsia);
    picture.Canvas().FillRect({0, 0, 6, 4});
    picture.Canvas().Brush().SetColor(clNavy);
    picture.Canvas().FillRect({1, 1, 5, 3});
    return picture;
}

QImage OnBitmap(const Drawing& draw) {
    TBitmap bitmap(64, 48);
    bitmap.Canvas().Brush().SetColor(clTeal);
    bitmap.Canvas().FillRect({0, 0, 64, 48});
    bitmap.Canvas().Brush().SetColor(clWhite);
    draw(bitmap.Canvas(), Picture());
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

QImage OnPainter(const Drawing& draw) {
    QPixmap surface(64, 48);
    surface.fill(QColor(0, 128, 128));
    {
        QPainter painter(&surface);
        TCanvas canvas;
        canvas.Attach(&painter);
        EXPECT_EQ(canvas.Image(), nullptr) << "a window surface has no pixels to write";
        draw(canvas, Picture());
        canvas.Detach();
    }
    return surface.toImage().convertToFormat(QImage::Format_RGB32);
}

struct DeviceCase {
    const char* Name;
    Drawing Draw;
};

class CanvasDevicesTest : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(CanvasDevicesTest, DrawsTheSamePixelsOnBothSurfaces) {
    QImage a = OnBitmap(GetParam().Draw), b = OnPainter(GetParam().Draw);
    ASSERT_EQ(a.size(), b.size());
    int differences = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF) && differences++ < 5)
                ADD_FAILURE() << "at " << x << "," << y << std::hex << ": bitmap " << a.pixel(x, y)
                              << ", window " << b.pixel(x, y);
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CanvasDevicesTest,
    ::testing::Values(
        DeviceCase{"Lines",
                   [](TCanvas& c, const TBitmap&) {
                       c.Pen().SetColor(clYellow);
                       c.Polyline({{2, 2}, {60, 9}, {30, 40}, {3, 20}});
                       c.Pen().SetStyle(psDot);
                       c.MoveTo(0, 45);
                       c.LineTo(63, 45);
                   }},
        DeviceCase{"Shapes",
                   [](TCanvas& c, const TBitmap&) {
                       c.Rectangle(2, 2, 30, 20);
                       c.Brush().SetColor(clRed);
                       c.Ellipse(32, 2, 62, 24);
                       c.RoundRect(2, 24, 30, 46, 8, 8);
                       c.Polygon({{40, 30}, {60, 44}, {34, 44}});
                       c.Brush().SetColor(clLime);
                       c.FrameRect({33, 26, 63, 47});
                   }},
        DeviceCase{"RasterModes",
                   [](TCanvas& c, const TBitmap&) {
                       c.Pen().SetMode(pmXor);
                       c.Pen().SetColor(clWhite);
                       c.Brush().SetColor(clYellow);
                       c.Rectangle(4, 4, 40, 30);
                       c.Pen().SetMode(pmNot);
                       c.MoveTo(0, 10);
                       c.LineTo(64, 40);
                       c.DrawFocusRect({10, 10, 50, 40});
                   }},
        DeviceCase{"Copies",
                   [](TCanvas& c, const TBitmap& picture) {
                       c.Draw(2, 2, picture);
                       c.StretchDraw({10, 2, 40, 22}, picture);
                       c.Brush().SetColor(clYellow);
                       c.BrushCopy({42, 2, 54, 10}, picture, {0, 0, 6, 4}, clFuchsia);
                       c.Brush().SetStyle(bsClear);
                       c.BrushCopy({42, 20, 54, 28}, picture, {0, 0, 6, 4}, clFuchsia);
                       c.SetCopyMode(cmSrcInvert);
                       c.Draw(2, 30, picture);
                       c.SetCopyMode(cmSrcAnd);
                       c.Draw(10, 30, picture);
                   }},
        DeviceCase{"TextAndEdges",
                   [](TCanvas& c, const TBitmap&) {
                       TRect edge{1, 1, 63, 47};
                       DrawEdge(c, edge, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
                       c.Brush().SetStyle(bsClear);
                       TRect text = edge;
                       DrawText(c, "&Continua cu instalarea", text, DT_WORDBREAK | DT_CENTER);
                       c.Brush().SetColor(clWhite);
                       c.TextOut(4, 34, "ok");
                   }},
        DeviceCase{"ClipAndOrigin",
                   [](TCanvas& c, const TBitmap&) {
                       c.MoveWindowOrg(10, 5);
                       c.SetClipRect({0, 0, 30, 20});
                       c.Brush().SetColor(clRed);
                       c.FillRect({-5, -5, 50, 50});
                       c.Font().SetColor(clWhite);
                       c.TextRect({2, 2, 25, 15}, 0, 0, "Text decupat");
                   }}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace ui
