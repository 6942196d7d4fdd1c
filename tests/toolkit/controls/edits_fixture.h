#pragma once
// The active controls' tests: a shown borderless white form with the toolkit started, typing
// as the keyboard does (key down, then the character), and where ink lies in a picture.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/stdctrls/control_host.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/skin.h"

namespace tk::test {

class EditsTest : public ::testing::Test {
protected:
    void SetUp() override { StartToolkit(); }
    ui::test::TControlHost Host{400, 300};
};

// One key as typed: the key going down, then its character (0 for keys without one).
inline void TypeKey(ui::TWinControl& control, uint16_t key, char character) {
    ui::SendMessage(control.Handle(), ui::WM_KEYDOWN, key, 0);
    if (character)
        ui::SendMessage(control.Handle(), ui::WM_CHAR, ui::WPARAM(uint8_t(character)), 0);
    ui::SendMessage(control.Handle(), ui::WM_KEYUP, key, 0);
}

inline void TypeText(ui::TWinControl& control, const std::string& text) {
    for (char c : text) {
        char upper = c >= 'a' && c <= 'z' ? char(c - 32) : c;
        TypeKey(control, uint16_t(uint8_t(upper)), c);
    }
}

// The first and last columns of area that hold a pixel other than background (-1 when none).
struct TInkSpan {
    int Left = -1;
    int Right = -1;
};

inline TInkSpan InkColumns(ui::TBitmap& picture, const ui::TRect& area, ui::TColor background) {
    TInkSpan span;
    ui::TColorRef paper = ui::ColorToRGB(background);
    for (int x = area.Left; x < area.Right; ++x)
        for (int y = area.Top; y < area.Bottom; ++y)
            if (ui::TColorRef(picture.Canvas().Pixel(x, y)) != paper) {
                if (span.Left < 0)
                    span.Left = x;
                span.Right = x;
                break;
            }
    return span;
}

inline ui::TColorRef PixelAt(ui::TBitmap& picture, int x, int y) {
    return ui::TColorRef(picture.Canvas().Pixel(x, y));
}

} // namespace tk::test
