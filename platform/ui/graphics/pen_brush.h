#pragma once
// TPen and TBrush: the canvas's line and fill tools.
#include <memory>

#include "platform/ui/graphics/graphics_object.h"
#include "platform/ui/graphics/types.h"

namespace ui {

class TBitmap;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// Raster operations of a pen, as the platform's binary raster codes.
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int Width() const { return width_; }
    void SetWidth(int value); // below 1 counts as 1
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode value);
    void Assign(const TPen& source);
    friend bool operator==(const TPen& a, const TPen& b) {
        return a.color_ == b.color_ && a.width_ == b.width_ && a.style_ == b.style_ &&
               a.mode_ == b.mode_;
    }

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor value); // a brush set to clear becomes solid again on a colour change
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value);
    // A pattern brush: the bitmap (a copy of it) is tiled from the surface's origin and takes
    // the place of the colour and hatch; nullptr ends the pattern.
    const TBitmap* Bitmap() const { return bitmap_.get(); }
    void SetBitmap(const TBitmap* value);
    void Assign(const TBrush& source);
    friend bool operator==(const TBrush& a, const TBrush& b) {
        return a.color_ == b.color_ && a.style_ == b.style_ && a.bitmap_ == b.bitmap_;
    }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    std::shared_ptr<const TBitmap> bitmap_; // shared by copies, never changed once set
};

} // namespace ui
