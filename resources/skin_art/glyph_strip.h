#pragma once
// Glyph strips: equal frames side by side on one background colour (the picture's top-left
// pixel, which the controls replace). Three frames hold the looks at rest, disabled and hot or
// pressed; the disabled frame is made from the rest frame.
#include <functional>

#include "resources/skin_art/art_kit.h"

namespace skinart {

enum TDisabledLook {
    dlOutline, // the silhouette's edge in grey
    dlFlat,    // the silhouette filled in grey
    dlWashed   // every colour turned to a pale grey of its brightness
};

struct TStripLook {
    TColor Rest;                       // the main colour at rest
    TColor Hot;                        // the main colour of the last frame
    TDisabledLook Disabled = dlWashed; // how the middle frame is made
    TColor Background = kMagenta;
};

// Draws one frame's icon into box with the ink of its main colour.
using TIcon = std::function<void(TCanvas&, const TRect& box, const TInk& ink)>;

// Fills the w x h picture with the background and draws the three frames, each w div 3 wide.
void PaintStrip(TCanvas& c, int w, int h, const TStripLook& look, const TIcon& icon);
// The same icon at rest, disabled and again at rest, in one main colour.
void PaintStrip(TCanvas& c, int w, int h, TColor main, TDisabledLook disabled, const TIcon& icon);

// Turns a frame drawn at rest into its disabled look, in place.
void MakeDisabled(TCanvas& c, const TRect& frame, TColor background, TDisabledLook look);

} // namespace skinart
