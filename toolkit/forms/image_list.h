#pragma once
// TMImageList: images of one size side by side in one strip bitmap, with an optional monochrome
// mask per image in a second strip (used by the toolkit's data grid).
#include <cstdint>
#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

namespace tk {

class TMImageList {
public:
    // Raises ui::EInvalidGraphicOperation "Invalid image size" when width or height is below 1.
    TMImageList(int width, int height);
    TMImageList(const TMImageList&) = delete;
    TMImageList& operator=(const TMImageList&) = delete;

    // Adds an image (nullptr leaves its cell as it is) with an optional mask; the new index.
    // A bitmap of another size raises "Image dimensions do not match image list dimensions";
    // a strip that would grow beyond 32768 pixels raises "Too many images". A failed add leaves
    // the list as it was.
    int Add(const ui::TBitmap* image, const ui::TBitmap* mask);
    // Adds an image whose pixels of maskColor are transparent.
    int AddMasked(const ui::TBitmap* image, ui::TColor maskColor);
    // An index outside the list raises std::out_of_range "List index out of bounds (n)".
    void Replace(int index, const ui::TBitmap* image, const ui::TBitmap* mask);
    void ReplaceMasked(int index, const ui::TBitmap* image, ui::TColor maskColor);
    // Draws the image at (x, y); with a mask its transparent pixels leave the canvas as it was.
    // The canvas's copy mode and colours are the same afterwards.
    void Draw(ui::TCanvas& canvas, int x, int y, int index);

    int Count() const { return int(FInfo.size()); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    static constexpr uint32_t OffsetBits = 0xFFFF;
    static constexpr uint32_t HasMaskBit = 1u << 16;
    static constexpr int MaxStripWidth = 32768;

    void CheckSize(const ui::TBitmap* bitmap) const;
    int AllocateSlot();
    uint32_t& Entry(int index);

    int FWidth;
    int FHeight;
    int FUsed = 0;
    int FDelta = 4;
    ui::TBitmap FImage;
    ui::TBitmap FMask;
    std::vector<uint32_t> FInfo; // x offset in the low 16 bits, the mask flag in bits 16..23
};

} // namespace tk
