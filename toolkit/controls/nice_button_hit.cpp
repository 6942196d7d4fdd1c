#include "toolkit/controls/nice_button_hit.h"

namespace tk {

namespace {

// The glyph of a button with a caption ends at this column, where the face begins.
constexpr int kFaceLeft = 35;

} // namespace

bool NiceFaceContains(const TNiceFaceGeometry& g, ui::TPoint p) {
    int faceTop = (g.Height - g.FaceHeight) / 2;
    ui::TRect face{0, faceTop, g.Width, faceTop + g.FaceHeight};
    if (g.GlyphWidth > 0) {
        int glyphTop = (g.Height - g.GlyphHeight) / 2;
        int glyphLeft =
            g.CaptionVisible ? kFaceLeft - 1 - g.GlyphWidth : (g.Width - g.GlyphWidth) / 2;
        int glyphRight = g.CaptionVisible ? kFaceLeft : glyphLeft + g.GlyphWidth;
        ui::TRect glyph{glyphLeft, glyphTop, glyphRight, glyphTop + g.GlyphHeight};
        if (glyph.Contains(p))
            return true;
        if (!g.CaptionVisible)
            return false;
        face.Left = kFaceLeft;
        return face.Contains(p);
    }
    if (!g.CaptionVisible)
        return true;
    return face.Contains(p);
}

} // namespace tk
