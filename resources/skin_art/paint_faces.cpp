// The faces of the flat buttons and of the tab controls. A button face is three rounded faces
// (normal, hot, pressed) of three slices each (left end, middle, right end); the middle slice is
// tiled, so it changes only from top to bottom. A tab face is three tabs (normal, hot, selected)
// whose outline, bodies and surroundings the tab control recolours by filling from fixed points,
// so each is one colour and closed.
#include "resources/skin_art/art_kit.h"
#include "resources/skin_art/picture_table.h"

namespace skinart {

namespace {

struct TFaceLook {
    TColor Top;
    TColor Bottom;
    TColor Border;
};

const TFaceLook kFaces[3] = {
    {Rgb(255, 255, 255), Rgb(206, 210, 218), Rgb(120, 128, 140)}, // normal
    {Rgb(255, 248, 220), Rgb(250, 206, 120), Rgb(190, 130, 40)},  // hot
    {Rgb(180, 186, 198), Rgb(236, 238, 242), Rgb(90, 96, 110)},   // pressed
};

// Three faces side by side, each w div 3 wide, on magenta.
TPainter ButtonFaces(int radius) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        int fw = w / 3;
        for (int i = 0; i < 3; ++i)
            RoundFace(c, ui::Bounds(i * fw, 0, fw, h), radius, kFaces[i].Top, kFaces[i].Bottom,
                      kFaces[i].Border);
    };
}

const TColor kTabLine = Rgb(128, 128, 128);

// How far a tab's outline stands in from its sides in row y: the rounding of its top corners.
int TabInset(int y) {
    return y >= 1 && y <= 4 ? 5 - y : 0;
}

// One tab of a tab face: outline with rounded top corners from row 1, closed by the base line
// in the last row unless it is the selected tab, which opens onto its page.
void TabShape(TCanvas& c, int x0, int w, int h, TColor body, bool selected) {
    for (int y = 1; y < h; ++y) {
        int inset = TabInset(y);
        int left = x0 + inset, right = x0 + w - 1 - inset;
        bool base = y == h - 1 && !selected;
        for (int x = left; x <= right; ++x) {
            bool edge = y == 1 || x == left || x == right || base;
            c.SetPixel(x, y, edge ? kTabLine : body);
        }
    }
    // The light falls from the left: a white line inside the left edge.
    for (int y = 5; y < h - (selected ? 0 : 1); ++y)
        c.SetPixel(x0 + 1, y, kWhite);
}

TPainter TabFace(TColor normalTop, TColor normalBottom) {
    return [=](TCanvas& c, int w, int h) {
        Fill(c, {0, 0, w, h}, kMagenta);
        int tw = w / 3;
        TabShape(c, 0, tw, h, kWhite, false);
        // The normal tab fades from top to bottom; its colours stay as they are.
        for (int y = 2; y < h - 1; ++y)
            Line(c, y < 5 ? TabInset(y) + 1 : 2, y, tw - 1 - TabInset(y), y,
                 Mix(normalTop, normalBottom, double(y - 2) / (h - 3)));
        TabShape(c, tw, tw, h, Rgb(214, 214, 214), false);
        TabShape(c, 2 * tw, tw, h, Rgb(240, 240, 240), true);
    };
}

} // namespace

void AddFacePainters(TPainters& p) {
    p["ButtonFaceKSV"] = ButtonFaces(6);
    p["ButtonFaceKSV120"] = ButtonFaces(7);
    p["SpeedFace"] = ButtonFaces(3);
    p["LookupFace"] = ButtonFaces(6);
    p["TabCtrlFace"] = TabFace(Rgb(252, 252, 252), Rgb(222, 222, 226));
    p["MenuTabCtrlFace120"] = TabFace(Rgb(246, 248, 252), Rgb(200, 208, 222));
    p["Tab"] = TabFace(Rgb(252, 252, 252), Rgb(214, 214, 220));
}

} // namespace skinart
