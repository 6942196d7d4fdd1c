#pragma once
// Helpers of the title bar and formatted label tests: the toolkit started, the display's
// colour depth chosen for one test, and pixel searches in a snapshot.
#include <functional>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/stdctrls/control_host.h"
#include "toolkit/forms/skin.h"

namespace tk::test {

// Sets HighColorDisplay for one test and gives the start-up value back.
class THighColor {
public:
    explicit THighColor(bool value) : saved_(HighColorDisplay) { HighColorDisplay = value; }
    ~THighColor() { HighColorDisplay = saved_; }

private:
    bool saved_;
};

inline int CountPixels(ui::TBitmap& picture, const ui::TRect& area,
                       const std::function<bool(ui::TColor)>& match) {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (match(picture.Canvas().Pixel(x, y)))
                ++count;
    return count;
}

inline int CountColor(ui::TBitmap& picture, const ui::TRect& area, ui::TColor color) {
    ui::TColor rgb = ui::TColor(ui::ColorToRGB(color));
    return CountPixels(picture, area, [rgb](ui::TColor c) { return c == rgb; });
}

} // namespace tk::test
