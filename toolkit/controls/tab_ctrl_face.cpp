// The tab control's face: the skin's three tab images (normal, hot, selected) recoloured for
// the parent's colour and the selected tab's colour.
#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/panel.h"
#include "toolkit/controls/tab_ctrl.h"
#include "toolkit/controls/tab_ctrl_sheet.h"
#include "toolkit/forms/design_settings.h"
#include "toolkit/forms/skin.h"

namespace tk {

namespace {

// Fills the area of the colour the point has with a new colour.
void FillArea(ui::TCanvas& canvas, int x, int y, ui::TColor color) {
    ui::TColor area = canvas.Pixel(x, y);
    if (area < 0 || canvas.Resolve(area) == canvas.Resolve(color))
        return;
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FloodFill(x, y, area, ui::fsSurface);
}

// The rounded, darkening top of a tab image between left and right: seven lines from y = 8 up
// to y = 2, each darker than the one below, the top three drawn shorter at both ends.
void ShadeTabTop(ui::TCanvas& canvas, ui::TColor color, int left, int right) {
    canvas.Pen().SetStyle(ui::psSolid);
    canvas.Pen().SetWidth(1);
    int inset = 0;
    for (int n = 6; n >= 0; --n) {
        canvas.Pen().SetColor(color);
        canvas.MoveTo(left + inset, n + 2);
        canvas.LineTo(right - inset, n + 2);
        color = DarkenColor(color, n * 7 + 5);
        if (n <= 2)
            inset = 3 - n;
    }
}

} // namespace

ui::TColor TKesvTabCtrl322::FaceParentColor() const {
    ui::TWinControl* parent = Parent();
    if (dynamic_cast<ui::TCustomPanel*>(parent) || dynamic_cast<ui::TCustomForm*>(parent) ||
        dynamic_cast<TKesvTabSheet2*>(parent))
        return parent->Color();
    return ui::clWhite;
}

ui::TColor TKesvTabCtrl322::SelectedTabColor() const {
    if (tipTab_ >= 1 && tipTab_ <= ModuleKindCount)
        return DesignTable[size_t(tipTab_ - 1)].ColorTabDateStart;
    return middleColor_;
}

void TKesvTabCtrl322::PrepareFace() {
    imageBuffer_ = tipTab_ == 0 ? TabFaceBitmap : MenuTabFaceBitmap;
    if (imageBuffer_)
        face_->Assign(*imageBuffer_);
    else
        face_->SetSize(0, 0);
    CreateFace();
}

void TKesvTabCtrl322::CreateFace() {
    if (face_->Empty())
        return;
    int w = face_->Width();
    int h = face_->Height();
    int third = w / 3;
    ui::TCanvas& canvas = face_->Canvas();
    FillArea(canvas, 0, 0, backgroundColor_);
    ui::TColor selected = SelectedTabColor();
    FillArea(canvas, w - 15, 15, selected);
    ShadeTabTop(canvas, selected, third * 2 + 1, w - 1);
    ui::TColor hot = DarkenColor(backgroundColor_, 10);
    FillArea(canvas, third + 10, 10, hot);
    ShadeTabTop(canvas, hot, third + 1, third * 2 - 1);
    ui::TColor outline = DarkenColor(backgroundColor_, 3);
    FillArea(canvas, 0, h - 1, outline);
    FillArea(canvas, w - 10, 1, outline);
}

} // namespace tk
