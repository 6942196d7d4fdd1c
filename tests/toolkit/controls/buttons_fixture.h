#pragma once
// The buttons' tests: a shown borderless white form with the toolkit started, a glyph strip
// whose frames tell themselves apart, and messages sent as the window system sends them.
#include <gtest/gtest.h>

#include "platform/ui/stdctrls/control_host.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/skin.h"

namespace tk::test {

class ButtonsTest : public ::testing::Test {
protected:
    void SetUp() override { StartToolkit(); }
    ui::test::TControlHost Host{400, 300};
};

// The strip's background (its top-left pixel) and the colour of each frame's centre block.
constexpr ui::TColor StripBackground = 0xFF00FF;
constexpr ui::TColor FrameColors[] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};

// A strip of `frames` frames of size x size on the background, each with a centre block in its
// own colour.
inline ui::TBitmap FramedStrip(int frames, int size) {
    ui::TBitmap strip(frames * size, size);
    ui::TCanvas& c = strip.Canvas();
    c.Brush().SetStyle(ui::bsSolid);
    c.Brush().SetColor(StripBackground);
    c.FillRect({0, 0, frames * size, size});
    for (int i = 0; i < frames; ++i) {
        c.Brush().SetColor(FrameColors[i % 4]);
        c.FillRect({i * size + size / 4, size / 4, i * size + size - size / 4, size - size / 4});
    }
    return strip;
}

inline ui::TColorRef PixelOf(ui::TBitmap& picture, ui::TPoint p) {
    return ui::TColorRef(picture.Canvas().Pixel(p.X, p.Y));
}

// The index of the frame colour at a point, or -1.
inline int FrameAt(ui::TBitmap& picture, ui::TPoint p) {
    for (int i = 0; i < 4; ++i)
        if (PixelOf(picture, p) == ui::ColorToRGB(FrameColors[i]))
            return i;
    return -1;
}

inline ui::LPARAM ScreenPoint(ui::TControl& control, int x, int y) {
    return ui::PointToLParam(control.ClientToScreen({x, y}));
}

inline void ClickWithMouse(ui::TWinControl& control, int x, int y) {
    ui::SendMessage(control.Handle(), ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::MakeLParam(x, y));
    ui::SendMessage(control.Handle(), ui::WM_LBUTTONUP, 0, ui::MakeLParam(x, y));
}

inline void ClickWithSpace(ui::TWinControl& control) {
    ui::SendMessage(control.Handle(), ui::WM_KEYDOWN, ui::VK_SPACE, 0);
    ui::SendMessage(control.Handle(), ui::WM_KEYUP, ui::VK_SPACE, 0);
}

} // namespace tk::test
