#include "toolkit/controls/mbutton_face.h"

#include "platform/ui/graphics/draw_edge.h"

namespace tk {

namespace {

// The system has had new-style controls since the three-dimensional look came in.
constexpr bool kSystemHasNewStyleControls = true;

void DrawNewStyleFace(ui::TCanvas& canvas, const ui::TRect& client, bool isDown,
                      ui::TColor faceColor) {
    ui::TRect r = client;
    if (isDown) {
        ui::DrawEdge(canvas, r, ui::BDR_SUNKENINNER, ui::BF_TOPLEFT);
        ui::DrawEdge(canvas, r, ui::BDR_SUNKENOUTER, ui::BF_BOTTOMRIGHT);
        r.Right -= 1;
        r.Bottom -= 1;
        r.Left += 1;
        r.Top += 1;
        ui::DrawEdge(canvas, r, ui::BDR_SUNKENOUTER,
                     ui::BF_TOPLEFT | ui::BF_MIDDLE | ui::BF_ADJUST);
    } else {
        ui::DrawEdge(canvas, r, ui::BDR_RAISEDOUTER, ui::BF_BOTTOMRIGHT);
        r.Right -= 1;
        r.Bottom -= 1;
        ui::DrawEdge(canvas, r, ui::BDR_RAISEDINNER, ui::BF_TOPLEFT);
        r.Left += 1;
        r.Top += 1;
        ui::DrawEdge(canvas, r, ui::BDR_RAISEDINNER,
                     ui::BF_BOTTOMRIGHT | ui::BF_MIDDLE | ui::BF_ADJUST);
    }
    // The edges fill their middle with the system face colour; the button has its own.
    canvas.Brush().SetColor(faceColor);
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.FillRect(r);
}

void DrawOldStyleFace(ui::TCanvas& canvas, const ui::TRect& client, int bevelWidth, bool isRounded,
                      bool isDown, bool isFocused, ui::TColor faceColor) {
    ui::TRect r = client;
    canvas.Pen().SetColor(ui::clWindowFrame);
    canvas.Pen().SetStyle(ui::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetColor(faceColor);
    canvas.Brush().SetStyle(ui::bsSolid);
    canvas.Rectangle(r);
    if (isRounded) {
        canvas.SetPixel(r.Left, r.Top, faceColor);
        canvas.SetPixel(r.Left, r.Bottom - 1, faceColor);
        canvas.SetPixel(r.Right - 1, r.Top, faceColor);
        canvas.SetPixel(r.Right - 1, r.Bottom - 1, faceColor);
    }
    if (isFocused) {
        r = ui::InflateRect(r, -1, -1);
        canvas.Brush().SetStyle(ui::bsClear);
        canvas.Rectangle(r);
        canvas.Brush().SetStyle(ui::bsSolid);
    }
    r = ui::InflateRect(r, -1, -1);
    if (!isDown) {
        ui::Frame3D(canvas, r, ui::clBtnHighlight, ui::clBtnShadow, bevelWidth);
    } else {
        canvas.Pen().SetColor(ui::clBtnShadow);
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right, r.Top);
    }
}

} // namespace

bool IsNewStyle(TButtonStyle style) {
    return (style == bsAutoDetect && kSystemHasNewStyleControls) || style == bsNew;
}

ui::TRect DrawButtonFace(ui::TCanvas& canvas, const ui::TRect& client, int bevelWidth,
                         TButtonStyle style, bool isRounded, bool isDown, bool isFocused,
                         ui::TColor faceColor) {
    ui::TRect inner{client.Left + 1, client.Top + 1, client.Right - 2, client.Bottom - 2};
    if (isDown)
        inner = ui::OffsetRect(inner, 1, 1);
    if (IsNewStyle(style))
        DrawNewStyleFace(canvas, client, isDown, faceColor);
    else
        DrawOldStyleFace(canvas, client, bevelWidth, isRounded, isDown, isFocused, faceColor);
    canvas.Brush().SetColor(faceColor);
    canvas.Brush().SetStyle(ui::bsSolid);
    return inner;
}

} // namespace tk
