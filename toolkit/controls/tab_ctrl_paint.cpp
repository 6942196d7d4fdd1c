// The tab control's painting: the page area in the selected tab's colour, the tabs cut from
// the face, and the hot tab under the mouse.
#include <algorithm>

#include "platform/ui/core/accelerators.h"
#include "platform/ui/graphics/draw_text.h"
#include "toolkit/controls/tab_ctrl.h"
#include "toolkit/controls/tab_ctrl_sheet.h"
#include "toolkit/forms/skin.h"

namespace tk {

namespace {

// The caption stands in the bottom 25 pixels of its tab.
constexpr int kCaptionHeight = 25;
constexpr unsigned kCaptionFormat = ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE;

void Line(ui::TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

bool TKesvTabCtrl322::PageTabEnabled(int pageIndex) const {
    auto* sheet = dynamic_cast<TKesvTabSheet2*>(Pages(pageIndex));
    return !sheet || sheet->TabEnabled();
}

bool TKesvTabCtrl322::PageSelected(int pageIndex) const {
    ui::TTabSheet* page = Pages(pageIndex);
    return page && page == PageForTab(TabIndex());
}

void TKesvTabCtrl322::DrawTab(int, const ui::TRect&, bool) {}

void TKesvTabCtrl322::Paint() {
    ui::TPageControl::Paint();
    if (!TabsShown())
        return;
    // The face follows the parent's colour and, in the menu look, the module kind's colour.
    ui::TColor parentColor = FaceParentColor();
    bool stale = parentColor != backgroundColor_;
    if (tipTab_ > 0 && !face_->Empty())
        stale = stale || face_->Canvas().Pixel(face_->Width() - 20, face_->Height() - 20) !=
                             SelectedTabColor();
    if (stale) {
        backgroundColor_ = parentColor;
        PrepareFace();
    }
    if (face_->Empty())
        return;
    ui::TCanvas& faceCanvas = face_->Canvas();
    int w = face_->Width();
    int h = face_->Height();
    ui::TColor pageColor = faceCanvas.Pixel(w - 20, h - 20);
    ui::TColor baseColor = faceCanvas.Pixel(0, h - 1);
    ui::TCanvas& canvas = Canvas();
    ui::TRect k = ClientRect();
    ui::TRect p = DisplayRect();

    ui::TTabSheet* current = PageForTab(TabIndex());
    if (current && current->Color() != pageColor) {
        current->SetColor(pageColor);
        current->Invalidate();
    }
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(pageColor);
    canvas.FillRect({p.Left, p.Top - 4, k.Right, k.Bottom});
    canvas.Pen().SetStyle(ui::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(baseColor);
    Line(canvas, k.Left + 3, p.Top - 5, k.Right - 1, p.Top - 5);
    // The page colour covers the platform's frame around the page.
    canvas.Pen().SetColor(pageColor);
    Line(canvas, k.Right - 1, k.Bottom, k.Right - 1, p.Top - 4);
    Line(canvas, k.Right - 2, k.Bottom - 2, k.Right - 2, p.Top - 3);
    Line(canvas, 2, p.Top - 6, 2, k.Bottom - 1);
    Line(canvas, 3, p.Top - 6, 3, k.Bottom - 2);
    Line(canvas, 2, k.Bottom - 1, k.Right, k.Bottom - 1);
    Line(canvas, 3, k.Bottom - 2, k.Right, k.Bottom - 2);

    for (int i = 0; i < PageCount(); ++i) {
        ui::TTabSheet* page = Pages(i);
        if (!page->TabVisible())
            continue;
        if (page->Color() != pageColor)
            page->SetColor(pageColor);
        // The tab under the mouse stays hot through a repaint.
        bool hot = (Focused() && page->TabIndex() == FocusTabIndex()) || i == lastFocused_;
        DrawTab(canvas, i, page == current, hot, PageTabEnabled(i));
    }
}

void TKesvTabCtrl322::DrawTab(ui::TCanvas& canvas, int pageIndex, bool selected, bool hot,
                              bool enabled) {
    ui::TTabSheet* page = Pages(pageIndex);
    if (!page || face_->Empty())
        return;
    int w = face_->Width();
    int h = face_->Height();
    int slice = w / 9;
    if (slice <= 0)
        return;
    ui::TRect r = HandleAllocated() ? TabRect(page->TabIndex()) : ClientRect();
    if (r.IsEmpty())
        return;
    int height = std::min(r.Height(), h);
    int imageLeft = selected ? 2 * (w / 3) : hot ? w / 3 : 0;
    ui::TCanvas& faceCanvas = face_->Canvas();
    auto copySlice = [&](int x, int sliceIndex) {
        int sourceLeft = imageLeft + sliceIndex * slice;
        canvas.CopyRect({x, r.Bottom - height, x + slice, r.Bottom}, faceCanvas,
                        {sourceLeft, h - height, sourceLeft + slice, h});
    };
    copySlice(r.Left, 0);
    int remaining = (TabWidth() > 0 ? TabWidth() : r.Width()) - slice;
    for (int x = r.Left + slice; remaining >= slice; x += slice, remaining -= slice)
        copySlice(x, 1);
    copySlice(r.Right - slice, 2);

    bool actionFont = tipTab_ > 0 && (selected || hot);
    canvas.SetFont(actionFont ? Font() : *titleFont_);
    canvas.Brush().SetStyle(ui::bsClear);
    ui::TRect caption = r;
    caption.Top = r.Bottom - kCaptionHeight;
    if (enabled) {
        DrawAccelText(canvas, page->Caption(), caption, false, shortcutColor_, kCaptionFormat);
    } else {
        canvas.Font().SetColor(ui::clInactiveCaptionText);
        ui::DrawText(canvas, ui::StripHotkey(page->Caption()), caption,
                     kCaptionFormat | ui::DT_NOPREFIX);
    }
}

void TKesvTabCtrl322::RedrawTab(int pageIndex, bool hot) {
    if (pageIndex < 0 || pageIndex >= PageCount() || !HandleAllocated())
        return;
    DrawTab(Canvas(), pageIndex, PageSelected(pageIndex), hot, PageTabEnabled(pageIndex));
}

void TKesvTabCtrl322::MouseMove(ui::TShiftState shift, int x, int y) {
    ui::TPageControl::MouseMove(shift, x, y);
    if (!Enabled() || !TabsShown())
        return;
    for (int i = 0; i < PageCount(); ++i) {
        ui::TTabSheet* page = Pages(i);
        if (!page->TabVisible() || i == lastFocused_ || !TabRect(page->TabIndex()).Contains({x, y}))
            continue;
        int old = lastFocused_;
        lastFocused_ = i;
        RedrawTab(old, false);
        RedrawTab(i, true);
        return;
    }
}

void TKesvTabCtrl322::Dispatch(ui::TMessage& m) {
    switch (m.Msg) {
    case ui::CM_MOUSELEAVE:
        if (lastFocused_ >= 0) {
            int old = lastFocused_;
            lastFocused_ = -1;
            RedrawTab(old, false);
        }
        break;
    default:
        break;
    }
    ui::TPageControl::Dispatch(m);
}

} // namespace tk
