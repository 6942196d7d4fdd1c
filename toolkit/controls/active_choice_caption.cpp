#include "toolkit/controls/active_choice_caption.h"

#include "platform/ui/graphics/bitmap.h"
#include "toolkit/forms/skin.h"

namespace tk {

namespace {
constexpr ui::TColor Red = 0x0000FF;
} // namespace

void DrawChoiceCaption(ui::TCanvas& canvas, const ui::TFont& font, const std::string& caption,
                       const ui::TRect& rect, bool enabled, bool focused, unsigned format) {
    canvas.SetFont(font);
    ui::TColor accel = Red;
    if (!enabled) {
        canvas.Font().SetColor(ui::clGrayText);
        accel = ui::clGrayText;
    } else if (focused) {
        canvas.Font().SetColor(Red);
    }
    canvas.Brush().SetStyle(ui::bsClear);
    DrawAccelText(canvas, caption, rect, focused, accel, format);
}

void DrawStripFrame(ui::TCanvas& canvas, ui::TBitmap& strip, int frame, int frameWidth, int x,
                    int y) {
    int height = strip.Height();
    if (frameWidth <= 0 || height <= 0)
        return;
    ui::TColor background = strip.Canvas().Pixel(0, 0);
    canvas.Brush().SetStyle(ui::bsClear);
    canvas.BrushCopy({x, y, x + frameWidth, y + height}, strip,
                     {frame * frameWidth, 0, (frame + 1) * frameWidth, height}, background);
}

} // namespace tk
