#include "toolkit/controls/mbutton_layout.h"

#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"

namespace tk {

namespace {

bool Horizontal(TButtonLayout layout) {
    return layout == blGlyphLeft || layout == blGlyphRight;
}

// The coordinate along the layout axis, and the one across it.
int& Along(ui::TPoint& p, bool horizontal) {
    return horizontal ? p.X : p.Y;
}
int& Across(ui::TPoint& p, bool horizontal) {
    return horizontal ? p.Y : p.X;
}
int Along(ui::TSize s, bool horizontal) {
    return horizontal ? s.cx : s.cy;
}
int Across(ui::TSize s, bool horizontal) {
    return horizontal ? s.cy : s.cx;
}

} // namespace

TButtonPlacement PlaceGlyphAndText(ui::TSize clientSize, ui::TSize glyphSize, ui::TSize textSize,
                                   TButtonLayout layout, int margin, int spacing) {
    bool h = Horizontal(layout);
    TButtonPlacement p;
    Across(p.GlyphPos, h) = Across(clientSize, h) / 2 - Across(glyphSize, h) / 2;
    Across(p.TextPos, h) = Across(clientSize, h) / 2 - Across(textSize, h) / 2;

    if (textSize.cx == 0 || glyphSize.cx == 0)
        spacing = 0;
    int client = Along(clientSize, h);
    int glyph = Along(glyphSize, h);
    int text = Along(textSize, h);
    if (margin == -1) {
        if (spacing == -1) {
            margin = (client - (glyph + text)) / 3;
            spacing = margin;
        } else {
            margin = client / 2 - (glyph + spacing + text) / 2;
        }
    } else if (spacing == -1) {
        spacing = (client - margin - glyph) / 2 - text / 2;
    }

    bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
    if (glyphFirst) {
        Along(p.GlyphPos, h) = margin;
        Along(p.TextPos, h) = margin + glyph + spacing;
    } else {
        Along(p.GlyphPos, h) = client - margin - glyph;
        Along(p.TextPos, h) = Along(p.GlyphPos, h) - spacing - text;
    }
    return p;
}

ui::TSize MeasureButtonCaption(ui::TCanvas& canvas, const std::string& caption, int width) {
    if (caption.empty())
        return {};
    std::string text = caption;
    if (text.find('#') != std::string::npos) {
        ui::MessageBeep(0);
        if (text != "#")
            for (char& c : text)
                if (c == '#')
                    c = '\r';
    }
    ui::TRect r{0, 0, width, 0};
    ui::DrawText(canvas, text, r, ui::DT_CALCRECT);
    return {r.Width(), r.Height()};
}

TButtonLayoutResult CalcButtonLayout(ui::TCanvas& canvas, const ui::TRect& client,
                                     const std::string& caption, TButtonLayout layout, int margin,
                                     int spacing, ui::TSize glyphSize) {
    ui::TSize clientSize{client.Width(), client.Height()};
    ui::TSize textSize = MeasureButtonCaption(canvas, caption, clientSize.cx);
    TButtonPlacement p =
        PlaceGlyphAndText(clientSize, glyphSize, textSize, layout, margin, spacing);
    TButtonLayoutResult result;
    result.GlyphPos = {p.GlyphPos.X + client.Left, p.GlyphPos.Y + client.Top};
    int left = p.TextPos.X + client.Left;
    int top = p.TextPos.Y + client.Top;
    result.TextBounds = {left, top, left + textSize.cx, top + textSize.cy};
    return result;
}

} // namespace tk
