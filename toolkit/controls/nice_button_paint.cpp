// The flat button's painting: one look at a time on the control, or the four looks once into
// cached images that the control then only copies.
#include <algorithm>

#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/controls/nice_button.h"

namespace tk {

namespace {

// Room left of the face for the glyph of a button with a caption.
constexpr int kGlyphArea = 35;
constexpr ui::TColor kLowColorPen = 0xA9A9A9;
constexpr ui::TColor kLowColorPressed = 0x808080;
constexpr ui::TColor kLowColorHover = 0xDFDFDF;
constexpr ui::TColor kDisabledText = 0xC0C0C0;

std::string WithoutAmpersands(const std::string& text) {
    std::string result;
    for (char c : text)
        if (c != '&')
            result += c;
    return result;
}

// One band of the face row: the left slice and the right one with the corner colour left out,
// the middle slice repeated between them.
struct TFaceBand {
    int SourceTop;
    int SourceHeight;
    int DestTop;
    int DestHeight;
};

void DrawFaceBand(ui::TCanvas& canvas, ui::TBitmap& face, int column, int slice, int x0, int width,
                  const TFaceBand& band) {
    auto source = [&](int index) {
        int left = column + index * slice;
        return ui::TRect{left, band.SourceTop, left + slice, band.SourceTop + band.SourceHeight};
    };
    auto dest = [&](int left, int w) {
        return ui::TRect{left, band.DestTop, left + w, band.DestTop + band.DestHeight};
    };

    // The face's corners are in the colour of its top-left pixel; they stay transparent.
    ui::TColor corner = face.Canvas().Pixel(column, 0);
    canvas.Brush().SetStyle(ui::bsClear);
    canvas.BrushCopy(dest(x0, slice), face, source(0), corner);
    canvas.SetCopyMode(ui::cmSrcCopy);
    int x = x0 + slice;
    int rightSlice = width - slice;
    for (int remaining = width - 2 * slice - x0; remaining > 0; remaining -= slice) {
        // The last copy stops where the right slice begins, so its rounded corners stay clear.
        int w = std::min(slice, rightSlice - x);
        if (w > 0) {
            ui::TRect part = source(1);
            part.Right = part.Left + w;
            canvas.CopyRect(dest(x, w), face.Canvas(), part);
        }
        x += slice;
    }
    canvas.BrushCopy(dest(rightSlice, slice), face, source(2), corner);
    canvas.Brush().SetStyle(ui::bsSolid);
}

} // namespace

void TNiceButton::DrawItem(const ui::TDrawItemStruct& item) {
    ui::TControlCanvas& canvas = *FCanvas;
    canvas.SetHandle(item.hDC);
    try {
        bool down = FForcedDown || (item.itemState & ui::ODS_SELECTED) != 0;
        if (FBuffered)
            PaintBuffered(canvas, down);
        else
            PaintState(canvas, down, FDrawFace, Enabled());
    } catch (...) {
        // A look that cannot be painted leaves the button as it is.
    }
    canvas.SetHandle(nullptr);
}

void TNiceButton::PaintBuffered(ui::TCanvas& canvas, bool down) {
    int w = Width();
    int h = Height();
    for (auto& image : BuffBitmap) {
        if (image && (image->Width() != w || image->Height() != h)) {
            image->SetSize(w, h);
            FBufferFilled = false;
        }
    }
    if (!FBufferFilled) {
        for (auto& image : BuffBitmap) {
            if (!image)
                image = std::make_unique<ui::TBitmap>(w, h);
            image->SetTransparent(true);
            image->SetTransparentColor(Color());
        }
        PaintState(BuffBitmap[0]->Canvas(), false, false, true);
        PaintState(BuffBitmap[1]->Canvas(), false, true, true);
        PaintState(BuffBitmap[2]->Canvas(), true, true, true);
        PaintState(BuffBitmap[3]->Canvas(), false, false, false);
        canvas.Brush().SetStyle(ui::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect({0, 0, w, h});
        FBufferFilled = true;
    }
    int look = !Enabled() ? 3 : down ? 2 : FDrawFace ? 1 : 0;
    canvas.Draw(0, 0, *BuffBitmap[size_t(look)]);
}

void TNiceButton::PaintState(ui::TCanvas& canvas, bool down, bool hover, bool enabled) {
    ui::TBitmap* face = NiceButtonFace;
    // An empty face, or one too narrow for its nine slices, leaves the button unpainted.
    if (!face || face->Canvas().Pixel(0, 0) == -1 || face->Width() < 9)
        return;
    int w = Width();
    int h = Height();
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect({0, 0, w, h});

    ui::TBitmap& strip = CurrentStrip();
    int glyphArea = strip.Width() > 0 ? kGlyphArea : 0;
    int faceHeight = face->Height();
    int faceTop = (h - faceHeight) / 2;
    int slice = face->Width() / 9;

    if (HighColorDisplay && FCaptionV) {
        int x0 = FInsideDraw ? 0 : glyphArea;
        int column = down ? 6 * slice : hover ? 3 * slice : 0;
        if (FStretch) {
            int band = faceHeight / 3;
            faceTop = 0;
            DrawFaceBand(canvas, *face, column, slice, x0, w, {0, band, 0, band});
            DrawFaceBand(canvas, *face, column, slice, x0, w, {band, band, band, h - slice + 2});
            DrawFaceBand(canvas, *face, column, slice, x0, w, {2 * band, band, h - band, band});
        } else {
            DrawFaceBand(canvas, *face, column, slice, x0, w, {0, faceHeight, faceTop, faceHeight});
        }
    } else if (HighColorDisplay) {
        if (InState(ui::csDesigning)) {
            canvas.Pen().SetColor(ui::clBlack);
            canvas.Brush().SetStyle(ui::bsClear);
            canvas.Rectangle(0, 0, w, h);
            canvas.Brush().SetStyle(ui::bsSolid);
        } else {
            canvas.FillRect({0, 0, w, h});
        }
    } else if (FCaptionV) {
        canvas.Pen().SetColor(kLowColorPen);
        canvas.Pen().SetStyle(ui::psSolid);
        canvas.Brush().SetColor(!hover ? LightenColor(Color(), 20)
                                : down ? kLowColorPressed
                                       : kLowColorHover);
        if (FInsideDraw)
            canvas.Rectangle(0, faceTop, w, h);
        else
            canvas.RoundRect(glyphArea, faceTop, w, h, h / 3, h / 3);
        canvas.Brush().SetColor(Color());
    }

    if (FCaptionV) {
        canvas.SetFont(Font());
        canvas.Font().SetStyle(canvas.Font().Style() | ui::fsBold);
        int textHeight = canvas.TextHeight("Wg");
        int top = FStretch ? (h - textHeight) / 2 : faceTop + (faceHeight - textHeight) / 2;
        int halfSlice = slice / 2;
        int left = FInsideDraw ? textHeight + 4 + halfSlice : glyphArea + halfSlice;
        ui::TRect r{left, top, w - halfSlice, top + textHeight};
        canvas.Brush().SetStyle(ui::bsClear);
        unsigned format = ui::DT_CENTER | ui::DT_SINGLELINE;
        if (!enabled) {
            canvas.Font().SetColor(kDisabledText);
            DrawAccelText(canvas, WithoutAmpersands(Caption()), r, false, kDisabledText, format);
        } else if (hover) {
            canvas.Font().SetColor(ui::clRed);
            if (down)
                r = ui::OffsetRect(r, 1, 1);
            DrawAccelText(canvas, Caption(), r, true, ui::clRed, format);
        } else {
            DrawAccelText(canvas, Caption(), r, Focused(), ui::clRed, format);
        }
        canvas.Brush().SetStyle(ui::bsSolid);
    }
    PaintGlyph(canvas, strip, hover, enabled);
}

void TNiceButton::PaintGlyph(ui::TCanvas& canvas, ui::TBitmap& strip, bool hover, bool enabled) {
    if (strip.Empty()) {
        GlyphWidth = 0;
        GlyphHeight = 0;
        return;
    }
    int images = std::max(1, FNumGlyphs);
    GlyphWidth = strip.Width() / images;
    GlyphHeight = strip.Height();
    if (GlyphWidth <= 0)
        return;
    int w = Width();
    int h = Height();
    int glyphTop = (h - GlyphHeight) / 2;
    int x = FCaptionV ? (FInsideDraw ? 4 : kGlyphArea - 1 - GlyphWidth) : (w - GlyphWidth) / 2;
    int index = 0;
    if (images > 1) {
        bool windowDisabled = HandleAllocated() ? !ui::IsWindowEnabled(WindowHandle()) : !Enabled();
        if ((!FBuffered && windowDisabled) || (FBuffered && !enabled))
            index = 1;
        else if (hover && images > 2)
            index = images - 1;
    }
    ui::TRect source{index * GlyphWidth, 0, (index + 1) * GlyphWidth, GlyphHeight};
    ui::TRect dest = FStretch && !FCaptionV
                         ? ui::TRect{0, 0, w, h}
                         : ui::TRect{x, glyphTop, x + GlyphWidth, glyphTop + GlyphHeight};
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(FInsideDraw ? ui::bsClear : ui::bsSolid);
    canvas.BrushCopy(dest, strip, source, strip.Canvas().Pixel(source.Left, 0));
    canvas.Brush().SetStyle(ui::bsSolid);
}

} // namespace tk
