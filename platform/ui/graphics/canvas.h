#pragma once
// TCanvas: the drawing surface of a bitmap or, while a control paints, of its widget. Drawing
// follows the platform's pixel rules: antialiasing off, lines without their end point,
// rectangles whose right and bottom edges are exclusive.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/pen_brush.h"
#include "platform/ui/graphics/types.h"

class QPaintDevice;
class QPainter;
class QImage;

namespace ui {

class TGraphic;
class TBitmap;

// Ternary raster operations of the copy calls.
using TCopyMode = uint32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

// FloodFill: fsSurface fills the area of the given colour, fsBorder fills up to that colour.
enum TFillStyle { fsSurface, fsBorder };

class TCanvas {
public:
    TCanvas();
    explicit TCanvas(QPaintDevice* device);
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Draws on a device; a painter is begun on it when needed and ended by Detach.
    void Attach(QPaintDevice* device);
    // Draws through a painter someone else began (a widget's paint event); never ended here.
    void Attach(QPainter* painter);
    void Detach();
    bool HandleAllocated() const;
    // Platform access: the painter, begun on the device when needed; nullptr when unattached.
    QPainter* Painter();
    // Platform access: the image behind the canvas (a bitmap's), or nullptr for a widget.
    QImage* Image();

    TFont& Font() { return font_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    void SetFont(const TFont& value) { font_.Assign(value); }
    void SetPen(const TPen& value) { pen_.Assign(value); }
    void SetBrush(const TBrush& value) { brush_.Assign(value); }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode value) { copyMode_ = value; }
    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint value) { penPos_ = value; }

    // Clipping and origin, in the canvas's coordinates.
    TRect ClipRect();
    void SetClipRect(const TRect& rect);       // replaces the clip region
    void IntersectClipRect(const TRect& rect); // narrows it
    void ResetClip();
    // The clip as the calls above left it, to put it back afterwards.
    struct TClipState {
        bool Active = false;
        TRect Rect;
    };
    TClipState SaveClip() const { return {hasClip_, clip_}; }
    void RestoreClip(const TClipState& state);
    // Moves the coordinate origin: drawing at (0, 0) lands at (dx, dy) of the device.
    void MoveWindowOrg(int dx, int dy);
    TPoint WindowOrg() const { return origin_; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y); // the end point is left out
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points); // outline with the pen, filled with the brush
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& rect);      // the brush, no outline
    void FrameRect(const TRect& rect);     // a one-pixel frame in the brush colour
    void DrawFocusRect(const TRect& rect); // dotted, inverting: drawing twice removes it

    // Text in the font; with a solid brush the text cell is filled with the brush colour.
    void TextOut(int x, int y, const std::string& text);
    // TextOut clipped to rect (and rect filled first with a solid brush).
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);
    // Copies (and scales) a part of another canvas with the copy mode. Monochrome rules: a
    // colour source becomes white where it has the source's brush colour and black elsewhere;
    // a monochrome source paints its black pixels in this canvas's font colour and its white
    // ones in this canvas's brush colour.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
    // Copies a part of a bitmap with the pixels of one colour replaced by the brush (left
    // untouched when the brush is clear).
    void BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor color);
    // Fills with the brush from (x, y): fsSurface the connected area of colour, fsBorder the
    // connected area not of colour. Needs pixel access (a bitmap's canvas).
    void FloodFill(int x, int y, TColor color, TFillStyle style);

    // Pixels[x, y]: -1 outside the surface or where pixels cannot be read.
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // The metrics of the current font, as the platform reports them.
    struct TTextMetric {
        int tmHeight = 0; // ascent + descent
        int tmAscent = 0;
        int tmDescent = 0;
        int tmInternalLeading = 0; // cell height above the character height
        int tmExternalLeading = 0;
        int tmAveCharWidth = 0;
        int tmMaxCharWidth = 0;
    };
    TTextMetric TextMetrics();

    // Set by a bitmap so that its monochrome rule applies to what is drawn on it.
    void SetOwnerBitmap(TBitmap* bitmap) { ownerBitmap_ = bitmap; }
    TBitmap* OwnerBitmap() const { return ownerBitmap_; }
    // Ends a painter that the canvas began itself (a bitmap does this before its pixels are
    // copied or resized); the next drawing call begins a new one.
    void ReleasePainter();

    // Platform access for the graphics: copies part of an image (scaled, nearest pixel) with a
    // raster operation. sourceMono and sourceBackground give the monochrome rules; pixels of
    // transparentColor are left out when transparent is set.
    void Blit(const TRect& dest, const QImage& source, const TRect& sourceRect, TCopyMode rop,
              bool sourceMono, TColorRef sourceBackground, bool transparent,
              TColorRef transparentColor);
    // The colour a value resolves to on this canvas (system colours, the monochrome rule).
    TColorRef Resolve(TColor color) const;

private:
    struct FontCache;
    TRect DeviceBounds();
    TRect DeviceClip();
    void ApplyPainterClip();
    void FillSpan(int x1, int x2, int y, TColorRef color, int rop2);
    void FillDeviceRect(const TRect& r, TColorRef color, int rop2);
    void FillBrushSpan(int x1, int x2, int y, int rop2); // the brush with its hatch, if any
    void PlotPenPixel(int x, int y, int index, TColorRef color, int rop2);
    void PenLine(int x1, int y1, int x2, int y2); // device coordinates, end point left out
    void WidePenPath(const std::vector<TPoint>& devicePoints, bool closed);
    void DrawShapeMask(const TRect& bounds, int cornerW, int cornerH);
    void ShapeWithWidePen(const TRect& bounds, int cornerW, int cornerH, bool ellipse);
    FontCache& Fonts();
    void DrawTextAt(int deviceX, int deviceY, const std::string& text);

    TFont font_;
    TPen pen_;
    TBrush brush_;
    TCopyMode copyMode_ = cmSrcCopy;
    TPoint penPos_;
    TPoint origin_;
    TBitmap* ownerBitmap_ = nullptr;
    QPaintDevice* device_ = nullptr;
    QImage* image_ = nullptr;
    QPainter* painter_ = nullptr;
    bool ownsPainter_ = false;
    bool hasClip_ = false;
    TRect clip_;
    FontCache* fontCache_ = nullptr;
};

} // namespace ui
