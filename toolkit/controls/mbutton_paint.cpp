// The glyph button's painting: the face, then the glyph and the caption laid out inside it.
#include <algorithm>

#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/controls/mbutton.h"

namespace tk {

namespace {

std::string WithoutAmpersands(const std::string& text) {
    std::string result;
    for (char c : text)
        if (c != '&')
            result += c;
    return result;
}

} // namespace

ui::TBitmap* TMButton::CurrentStrip() {
    if (FGlyph.Width() > 0)
        return &FGlyph;
    return KindGlyph(FKind);
}

void TMButton::DrawItem(const ui::TDrawItemStruct& item) {
    ui::TControlCanvas& canvas = *FCanvas;
    canvas.SetHandle(item.hDC);
    bool down = (item.itemState & ui::ODS_SELECTED) != 0;
    bool isDefault = (item.itemState & ui::ODS_FOCUS) != 0;
    TButtonState state = !Enabled() ? bsDisabled : down ? bsDown : bsUp;

    bool newStyle = IsNewStyle(FStyle);
    int bevelWidth = newStyle ? 1 : 2;
    canvas.SetFont(Font());
    if (!FLightButton && newStyle && (isDefault || IsFocused))
        canvas.Font().SetStyle(canvas.Font().Style() | ui::fsBold);

    ui::TRect client = ClientRect();
    ui::TRect inner;
    if (!FLightButton) {
        inner = DrawButtonFace(canvas, client, bevelWidth, FStyle, !newStyle, down,
                               isDefault || IsFocused, FColorOver);
    } else if (FDrawFace) {
        inner = DrawButtonFace(canvas, client, bevelWidth, FStyle, false, down, false, FColorOver);
    } else {
        canvas.Brush().SetStyle(ui::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
        inner = client;
    }
    if (InState(ui::csDesigning))
        canvas.DrawFocusRect(inner);

    ui::TRect captionRect = DrawGlyphAndCaption(inner, FCaption ? Caption() : "", state);

    if (!FLightButton && isDefault) {
        canvas.Brush().SetStyle(ui::bsSolid);
        canvas.Brush().SetColor(Color());
        if (newStyle) {
            ui::TRect focus = ui::InflateRect(inner, -2, -2);
            if (down)
                focus = ui::OffsetRect(focus, -1, -1);
            canvas.DrawFocusRect(focus);
        } else {
            canvas.DrawFocusRect(ui::InflateRect(captionRect, 1, 1));
        }
    }
    canvas.SetHandle(nullptr);
}

ui::TRect TMButton::DrawGlyphAndCaption(const ui::TRect& inner, const std::string& caption,
                                        TButtonState state) {
    ui::TBitmap* strip = CurrentStrip();
    FOriginal = strip;
    ui::TSize glyphSize;
    if (strip && !strip->Empty())
        glyphSize = {strip->Width() / std::max(1, FNumGlyphs), strip->Height()};
    TButtonLayoutResult layout =
        CalcButtonLayout(*FCanvas, inner, caption, FButtonLayout, FMargin, FSpacing, glyphSize);
    if (glyphSize.cx > 0 && glyphSize.cy > 0)
        DrawGlyph(*strip, layout.GlyphPos, glyphSize, state);
    DrawButtonText(caption, layout.TextBounds, state);
    return layout.TextBounds;
}

// Image 0 is the up look, image 1 the disabled one, image 2 (to the strip's end) the down one;
// a strip with fewer images shows its last one instead of nothing. The strip's background
// colour (its top-left pixel) becomes the face colour of the moment, the brush colour.
void TMButton::DrawGlyph(ui::TBitmap& strip, ui::TPoint pos, ui::TSize glyphSize,
                         TButtonState state) {
    int images = std::max(1, FNumGlyphs);
    int index = state == bsDisabled ? 1 : state == bsDown ? 2 : 0;
    index = std::min(index, images - 1);
    int sourceRight = state == bsDown && index == 2 ? strip.Width() : (index + 1) * glyphSize.cx;
    ui::TRect source{index * glyphSize.cx, 0, sourceRight, glyphSize.cy};
    ui::TRect dest{pos.X, pos.Y, pos.X + glyphSize.cx, pos.Y + glyphSize.cy};
    ui::TColor background = strip.Canvas().Pixel(0, 0);
    FCanvas->Brush().SetStyle(ui::bsSolid);
    FCanvas->BrushCopy(dest, strip, source, background);
}

void TMButton::DrawButtonText(const std::string& caption, const ui::TRect& bounds,
                              TButtonState state) {
    if (caption.empty())
        return;
    ui::TCanvas& canvas = *FCanvas;
    canvas.Brush().SetStyle(ui::bsClear);
    ui::TRect r = bounds;
    unsigned format = ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE;
    if (state == bsDisabled) {
        canvas.Font().SetColor(DisabledTextColor());
        ui::DrawText(canvas, WithoutAmpersands(caption), r, format);
    } else {
        DrawAccelText(canvas, caption, r, false, ui::clRed, format);
    }
}

} // namespace tk
