#include "toolkit/forms/image_list.h"

#include <stdexcept>
#include <string>

#include "platform/ui/graphics/graphic.h"

namespace tk {

namespace {

ui::TRect Cell(int offset, int width, int height) {
    return ui::Bounds(offset, 0, width, height);
}

} // namespace

TMImageList::TMImageList(int width, int height) : FWidth(width), FHeight(height) {
    if (width < 1 || height < 1)
        throw ui::EInvalidGraphicOperation("Invalid image size");
    FImage.SetSize(0, height);
}

void TMImageList::CheckSize(const ui::TBitmap* bitmap) const {
    if (bitmap && (bitmap->Width() != FWidth || bitmap->Height() != FHeight))
        throw ui::EInvalidGraphicOperation("Image dimensions do not match image list dimensions");
}

int TMImageList::AllocateSlot() {
    int offset = FUsed;
    int used = FUsed + FWidth;
    if (FImage.Width() < used) {
        int stripWidth = FImage.Width() + FDelta * FWidth;
        // Checked before anything changes, so that a refused image leaves the list usable.
        if (stripWidth > MaxStripWidth)
            throw ui::EInvalidGraphicOperation("Too many images");
        FImage.SetWidth(stripWidth);
    }
    FUsed = used;
    FInfo.push_back(uint32_t(offset) & OffsetBits);
    return int(FInfo.size()) - 1;
}

uint32_t& TMImageList::Entry(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return FInfo[size_t(index)];
}

int TMImageList::Add(const ui::TBitmap* image, const ui::TBitmap* mask) {
    CheckSize(image);
    CheckSize(mask);
    int index = AllocateSlot();
    Replace(index, image, mask);
    return index;
}

int TMImageList::AddMasked(const ui::TBitmap* image, ui::TColor maskColor) {
    CheckSize(image);
    int index = AllocateSlot();
    ReplaceMasked(index, image, maskColor);
    return index;
}

void TMImageList::Replace(int index, const ui::TBitmap* image, const ui::TBitmap* mask) {
    CheckSize(image);
    CheckSize(mask);
    uint32_t& entry = Entry(index);
    int offset = int(entry & OffsetBits);
    if (image)
        FImage.Canvas().Draw(offset, 0, *image);
    if (mask) {
        FMask.SetMonochrome(true);
        FMask.SetSize(FImage.Width(), FImage.Height());
        FMask.Canvas().Draw(offset, 0, *mask);
    }
    entry = (entry & OffsetBits) | (mask ? HasMaskBit : 0);
}

void TMImageList::ReplaceMasked(int index, const ui::TBitmap* image, ui::TColor maskColor) {
    CheckSize(image);
    if (!image) {
        Replace(index, nullptr, nullptr);
        return;
    }
    // The mask: white where the image has the mask colour, black elsewhere.
    ui::TBitmap mask(*image);
    mask.Mask(maskColor);
    // The image with those pixels black: the mask laid over it with AND, its white pixels
    // painted black and its black ones white.
    ui::TBitmap blackened(*image);
    ui::TCanvas& c = blackened.Canvas();
    c.Font().SetColor(ui::clWhite);
    c.Brush().SetColor(ui::clBlack);
    c.SetCopyMode(ui::cmSrcAnd);
    c.Draw(0, 0, mask);
    c.SetCopyMode(ui::cmSrcCopy);
    Replace(index, &blackened, &mask);
}

void TMImageList::Draw(ui::TCanvas& canvas, int x, int y, int index) {
    uint32_t entry = Entry(index);
    ui::TRect source = Cell(int(entry & OffsetBits), FWidth, FHeight);
    ui::TRect dest = ui::Bounds(x, y, FWidth, FHeight);
    ui::TCopyMode copyMode = canvas.CopyMode();
    if (!(entry & HasMaskBit)) {
        canvas.SetCopyMode(ui::cmSrcCopy);
        canvas.CopyRect(dest, FImage.Canvas(), source);
        canvas.SetCopyMode(copyMode);
        return;
    }
    ui::TColor fontColor = canvas.Font().Color();
    ui::TColor brushColor = canvas.Brush().Color();
    canvas.Font().SetColor(ui::clBlack);
    canvas.Brush().SetColor(ui::clWhite);
    canvas.SetCopyMode(ui::cmSrcAnd);
    canvas.CopyRect(dest, FMask.Canvas(), source);
    canvas.SetCopyMode(ui::cmSrcInvert);
    canvas.CopyRect(dest, FImage.Canvas(), source);
    canvas.SetCopyMode(copyMode);
    canvas.Font().SetColor(fontColor);
    canvas.Brush().SetColor(brushColor);
}

} // namespace tk
