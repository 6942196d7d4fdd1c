// The skin store: every picture magnified on a checkered ground (so that transparent PNG pixels
// show), with its name and size, sheet after sheet; then the same pictures at their own size on
// the button face colour, as the controls show them.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/stdctrls/image.h"
#include "toolkit/forms/skin.h"
#include "toolkit/forms/skin_store.h"
#include "tools/gallery/gallery.h"

namespace {

constexpr int kSheetWidth = 1000;
constexpr int kSheetHeight = 740;
constexpr int kLabelHeight = 14;
constexpr int kGap = 10;

struct TShown {
    std::string Name;
    const ui::TGraphic* Graphic; // nullptr for a component without a picture
    int Width;
    int Height;
};

std::vector<TShown> SkinPictures() {
    std::vector<TShown> shown;
    for (int i = 0; i < tk::SkinStore->ComponentCount(); ++i)
        if (auto* image = dynamic_cast<ui::TImage*>(tk::SkinStore->Components(i)))
            shown.push_back(
                {image->Name(), image->Picture().Graphic(), image->Width(), image->Height()});
    return shown;
}

// The largest magnification (up to 4) that keeps a picture within a third of a sheet.
int Magnification(const TShown& p) {
    for (int scale = 4; scale > 1; --scale)
        if (p.Width * scale <= kSheetWidth / 2 && p.Height * scale <= 200)
            return scale;
    return 1;
}

// A checkered ground, dark for the white marks so that they can be seen.
void Checker(ui::TCanvas& c, const ui::TRect& r, bool dark) {
    const ui::TColor squares[2][2] = {
        {ui::clWhite, ui::TColor(ui::RGB(204, 204, 204))},
        {ui::TColor(ui::RGB(70, 70, 80)), ui::TColor(ui::RGB(40, 40, 50))}};
    for (int y = r.Top; y < r.Bottom; y += 6)
        for (int x = r.Left; x < r.Right; x += 6) {
            int odd = ((x - r.Left) / 6 + (y - r.Top) / 6) % 2;
            c.Brush().SetColor(squares[dark][odd]);
            c.FillRect({x, y, std::min(x + 6, r.Right), std::min(y + 6, r.Bottom)});
        }
}

// A sheet as a form showing one bitmap, saved through the gallery.
void SaveSheet(gallery::TGalleryContext& g, const std::string& name, ui::TBitmap& sheet) {
    auto* form = ui::CreateNewForm<ui::TForm>(ui::Application());
    form->SetBorderStyle(ui::bsNone);
    form->SetBounds(0, 0, sheet.Width(), sheet.Height());
    auto* image = new ui::TImage(form);
    image->SetBounds(0, 0, sheet.Width(), sheet.Height());
    image->Picture().Bitmap().Assign(sheet);
    image->SetParent(form);
    form->Show();
    g.Save(name, *form);
    ui::Free(form);
}

ui::TBitmap NewSheet(ui::TColor color) {
    ui::TBitmap sheet(kSheetWidth, kSheetHeight);
    sheet.Canvas().Brush().SetColor(color);
    sheet.Canvas().FillRect({0, 0, kSheetWidth, kSheetHeight});
    sheet.Canvas().Font().SetName("MS Sans Serif");
    sheet.Canvas().Font().SetHeight(-11);
    return sheet;
}

// Lays the pictures out in rows, a new sheet when one is full; draw paints one picture and its
// label into its cell.
template <class Size, class Draw>
void Sheets(gallery::TGalleryContext& g, const std::string& prefix, ui::TColor ground,
            const std::vector<TShown>& pictures, Size size, Draw draw) {
    int number = 1;
    ui::TBitmap sheet = NewSheet(ground);
    int x = kGap, y = kGap, rowHeight = 0;
    for (const TShown& p : pictures) {
        ui::TSize cell = size(p);
        int cellWidth = std::max(cell.cx, sheet.Canvas().TextWidth(p.Name) + 60);
        if (x + cellWidth > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        if (y + cell.cy + kLabelHeight > kSheetHeight - kGap) {
            SaveSheet(g, prefix + std::to_string(number++), sheet);
            sheet = NewSheet(ground);
            x = kGap;
            y = kGap;
        }
        draw(sheet.Canvas(), p, ui::Bounds(x, y, cell.cx, cell.cy));
        sheet.Canvas().Brush().SetStyle(ui::bsClear);
        sheet.Canvas().TextOut(x, y + cell.cy + 1,
                               p.Name + " " + std::to_string(p.Width) + "x" +
                                   std::to_string(p.Height));
        sheet.Canvas().Brush().SetStyle(ui::bsSolid);
        x += cellWidth + kGap;
        rowHeight = std::max(rowHeight, cell.cy + kLabelHeight);
    }
    SaveSheet(g, prefix + std::to_string(number), sheet);
}

KX_GALLERY_PAGE("toolkit_skin", [](gallery::TGalleryContext& g) {
    tk::StartToolkit();
    std::vector<TShown> pictures = SkinPictures();
    Sheets(
        g, "toolkit_skin_magnified_", ui::clWhite, pictures,
        [](const TShown& p) {
            int scale = Magnification(p);
            return ui::TSize{p.Width * scale, p.Height * scale};
        },
        [](ui::TCanvas& c, const TShown& p, const ui::TRect& cell) {
            Checker(c, cell, p.Name.find("White") != std::string::npos);
            if (p.Graphic)
                c.StretchDraw(cell, *p.Graphic);
            else {
                c.Brush().SetColor(ui::clBlack);
                c.FrameRect(cell);
            }
        });
    Sheets(
        g, "toolkit_skin_actual_", ui::clBtnFace, pictures,
        [](const TShown& p) {
            return ui::TSize{p.Width, p.Height};
        },
        [](ui::TCanvas& c, const TShown& p, const ui::TRect& cell) {
            if (p.Graphic)
                c.Draw(cell.Left, cell.Top, *p.Graphic);
        });
});

} // namespace
