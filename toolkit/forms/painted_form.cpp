#include "toolkit/forms/painted_form.h"

#include "platform/ui/graphics/bitmap.h"

namespace tk {

void TPaintedForm::SetMustPaint(bool value) {
    if (FMustPaint == value)
        return;
    FMustPaint = value;
    Invalidate();
}

void TPaintedForm::Paint() {
    if (FMustPaint && HatchBitmap) {
        // The hatch's background (its pixel at (1, 1)) becomes the form colour.
        ui::TBitmap pattern;
        pattern.SetSize(8, 8);
        ui::TCanvas& tile = pattern.Canvas();
        tile.Brush().SetColor(Color());
        tile.FillRect({0, 0, 8, 8});
        tile.BrushCopy({0, 0, 8, 8}, *HatchBitmap, {0, 0, 8, 8}, HatchBitmap->Canvas().Pixel(1, 1));
        ui::TCanvas& canvas = Canvas();
        canvas.Brush().SetBitmap(&pattern);
        canvas.FillRect(ClientRect());
        canvas.Brush().SetBitmap(nullptr);
    }
    TMForm::Paint();
}

} // namespace tk
