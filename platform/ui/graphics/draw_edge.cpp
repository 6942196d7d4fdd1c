// DrawEdge and Frame3D: the platform's edges, line by line in the system colours.
#include "platform/ui/graphics/draw_edge.h"

#include "platform/ui/graphics/canvas.h"

namespace ui {
namespace {

constexpr int kNone = -1;

// Colours of the four lines (outer and inner, top-left and bottom-right) for each combination of
// the four edge bits. With only an inner edge its colours take the outer line's place.
constexpr int kLTInnerNormal[16] = {kNone,
                                    kNone,
                                    kNone,
                                    kNone,
                                    kNone,
                                    COLOR_BTNHIGHLIGHT,
                                    COLOR_BTNHIGHLIGHT,
                                    kNone,
                                    kNone,
                                    COLOR_3DDKSHADOW,
                                    COLOR_3DDKSHADOW,
                                    kNone,
                                    kNone,
                                    kNone,
                                    kNone,
                                    kNone};
constexpr int kLTOuterNormal[16] = {kNone,
                                    COLOR_3DLIGHT,
                                    COLOR_BTNSHADOW,
                                    kNone,
                                    COLOR_BTNHIGHLIGHT,
                                    COLOR_3DLIGHT,
                                    COLOR_BTNSHADOW,
                                    kNone,
                                    COLOR_3DDKSHADOW,
                                    COLOR_3DLIGHT,
                                    COLOR_BTNSHADOW,
                                    kNone,
                                    kNone,
                                    COLOR_3DLIGHT,
                                    COLOR_BTNSHADOW,
                                    kNone};
constexpr int kRBInnerNormal[16] = {
    kNone, kNone,         kNone,         kNone, kNone, COLOR_BTNSHADOW, COLOR_BTNSHADOW, kNone,
    kNone, COLOR_3DLIGHT, COLOR_3DLIGHT, kNone, kNone, kNone,           kNone,           kNone};
constexpr int kRBOuterNormal[16] = {kNone,           COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, kNone,
                                    COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, kNone,
                                    COLOR_3DLIGHT,   COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, kNone,
                                    kNone,           COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, kNone};
// Soft edges swap the light colours of the top-left lines.
constexpr int kLTInnerSoft[16] = {
    kNone, kNone,           kNone,           kNone, kNone, COLOR_3DLIGHT, COLOR_3DLIGHT, kNone,
    kNone, COLOR_BTNSHADOW, COLOR_BTNSHADOW, kNone, kNone, kNone,         kNone,         kNone};
constexpr int kLTOuterSoft[16] = {kNone,           COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, kNone,
                                  COLOR_3DLIGHT,   COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, kNone,
                                  COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, kNone,
                                  kNone,           COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, kNone};

struct EdgeColors {
    int LTOuter, LTInner, RBOuter, RBInner;
};

EdgeColors ColorsFor(unsigned edge, unsigned flags) {
    unsigned i = edge & (BDR_INNER | BDR_OUTER);
    bool hasInner = kLTInnerNormal[i] != kNone;
    bool hasOuter = kLTOuterNormal[i] != kNone;
    if (flags & BF_MONO) {
        return {hasOuter ? COLOR_WINDOWFRAME : kNone, hasInner ? COLOR_WINDOW : kNone,
                hasOuter ? COLOR_WINDOWFRAME : kNone, hasInner ? COLOR_WINDOW : kNone};
    }
    if (flags & BF_FLAT) {
        return {hasOuter ? COLOR_BTNSHADOW : kNone, hasInner ? COLOR_BTNFACE : kNone,
                hasOuter ? COLOR_BTNSHADOW : kNone, hasInner ? COLOR_BTNFACE : kNone};
    }
    if (flags & BF_SOFT)
        return {kLTOuterSoft[i], kLTInnerSoft[i], kRBOuterNormal[i], kRBInnerNormal[i]};
    return {kLTOuterNormal[i], kLTInnerNormal[i], kRBOuterNormal[i], kRBInnerNormal[i]};
}

} // namespace

bool DrawEdge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags) {
    // Raised and sunken at once on one side is no edge at all.
    bool valid = (edge & BDR_INNER) != BDR_INNER && (edge & BDR_OUTER) != BDR_OUTER;
    EdgeColors colors = ColorsFor(edge, flags);
    TRect r = rect;

    TPen savedPen = canvas.Pen();
    TPoint savedPos = canvas.PenPos();
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetMode(pmCopy);
    auto line = [&](int color, int x1, int y1, int x2, int y2) {
        if (color == kNone)
            return;
        canvas.Pen().SetColor(SystemColor(color));
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    int lt = (flags & BF_TOPLEFT) == BF_TOPLEFT ? 1 : 0;
    int rt = (flags & (BF_TOP | BF_RIGHT)) == (BF_TOP | BF_RIGHT) ? 1 : 0;
    int lb = (flags & (BF_BOTTOM | BF_LEFT)) == (BF_BOTTOM | BF_LEFT) ? 1 : 0;
    int rb = (flags & BF_BOTTOMRIGHT) == BF_BOTTOMRIGHT ? 1 : 0;

    if (valid) {
        if (flags & BF_TOP)
            line(colors.LTOuter, r.Left, r.Top, r.Right, r.Top);
        if (flags & BF_LEFT)
            line(colors.LTOuter, r.Left, r.Top, r.Left, r.Bottom);
        if (flags & BF_BOTTOM)
            line(colors.RBOuter, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
        if (flags & BF_RIGHT)
            line(colors.RBOuter, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        if (flags & BF_TOP)
            line(colors.LTInner, r.Left + lt, r.Top + 1, r.Right - rt, r.Top + 1);
        if (flags & BF_LEFT)
            line(colors.LTInner, r.Left + 1, r.Top + lt, r.Left + 1, r.Bottom - lb);
        if (flags & BF_BOTTOM)
            line(colors.RBInner, r.Left + lb, r.Bottom - 2, r.Right - rb, r.Bottom - 2);
        if (flags & BF_RIGHT)
            line(colors.RBInner, r.Right - 2, r.Top + rt, r.Right - 2, r.Bottom - rb);
    }
    canvas.Pen().Assign(savedPen);
    canvas.SetPenPos(savedPos);

    if ((flags & BF_MIDDLE && valid) || (flags & BF_ADJUST)) {
        int add = (colors.LTOuter != kNone ? 1 : 0) + (colors.LTInner != kNone ? 1 : 0);
        if (!valid)
            add = 0;
        if (flags & BF_LEFT)
            r.Left += add;
        if (flags & BF_RIGHT)
            r.Right -= add;
        if (flags & BF_TOP)
            r.Top += add;
        if (flags & BF_BOTTOM)
            r.Bottom -= add;
        if (flags & BF_MIDDLE && valid) {
            TBrush savedBrush = canvas.Brush();
            canvas.Brush().SetColor(flags & BF_MONO ? clWindow : clBtnFace);
            canvas.Brush().SetStyle(bsSolid);
            canvas.FillRect(r);
            canvas.Brush().Assign(savedBrush);
        }
        if (flags & BF_ADJUST)
            rect = r;
    }
    return valid;
}

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    canvas.Pen().SetWidth(1);
    rect.Bottom -= 1;
    rect.Right -= 1;
    while (width > 0) {
        --width;
        TPoint topRight{rect.Right, rect.Top};
        TPoint bottomLeft{rect.Left, rect.Bottom};
        canvas.Pen().SetColor(topColor);
        canvas.Polyline({bottomLeft, rect.TopLeft(), topRight});
        canvas.Pen().SetColor(bottomColor);
        bottomLeft.X -= 1;
        canvas.Polyline({topRight, rect.BottomRight(), bottomLeft});
        rect = InflateRect(rect, -1, -1);
    }
    rect.Bottom += 1;
    rect.Right += 1;
}

} // namespace ui
