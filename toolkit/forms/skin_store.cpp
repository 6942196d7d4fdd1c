#include "toolkit/forms/skin_store.h"

#include "platform/sys/ascii.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/stdctrls/image.h"
#include "platform/ui/streaming/class_builder.h"
#include "toolkit/forms/design_settings.h"

namespace tk {

namespace {

ui::TImage* FindImage(ui::TComponent& store, const std::string& name) {
    return dynamic_cast<ui::TImage*>(store.FindComponent(name));
}

// The skin's glyphs stand on magenta; a PNG picture's see-through pixels become that colour, and
// the bitmap leaves it out when drawn, as the PNG does.
std::unique_ptr<ui::TBitmap> FlattenedPng(const ui::TPngImage& png) {
    auto bitmap = std::make_unique<ui::TBitmap>(png.Width(), png.Height());
    ui::TCanvas& c = bitmap->Canvas();
    ui::TRect all{0, 0, png.Width(), png.Height()};
    c.Brush().SetColor(ui::clFuchsia);
    c.FillRect(all);
    png.Draw(c, all);
    bitmap->SetTransparentColor(ui::clFuchsia);
    bitmap->SetTransparent(true);
    return bitmap;
}

} // namespace

TMesaj::TMesaj(ui::TComponent* owner) : ui::TForm(owner) {}

TMesaj::~TMesaj() = default;

void TMesaj::ConstructionCompleted() {
    ui::TForm::ConstructionCompleted();
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* image = dynamic_cast<ui::TImage*>(Components(i));
        if (!image)
            continue;
        auto* png = dynamic_cast<ui::TPngImage*>(image->Picture().Graphic());
        if (!png)
            continue;
        pngBitmaps_[sys::LowerAscii(image->Name())] = FlattenedPng(*png);
    }
    LoadDesignPreset(mDate, 2);
    LoadDesignPreset(mListe, 2);
}

ui::TBitmap* TMesaj::PictureBitmap(const std::string& name) {
    ui::TImage* image = FindImage(*this, name);
    if (!image)
        return nullptr;
    ui::TPicture& picture = image->Picture();
    if (auto* bitmap = dynamic_cast<ui::TBitmap*>(picture.Graphic()))
        return bitmap;
    auto png = pngBitmaps_.find(sys::LowerAscii(image->Name()));
    if (png != pngBitmaps_.end())
        return png->second.get();
    // Neither a bitmap nor a PNG: an empty picture, which gets its own empty bitmap.
    if (!picture.Graphic())
        return &picture.Bitmap();
    return nullptr;
}

void RegisterSkinStoreClasses() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    ui::RegisterComponentClass<TMesaj, ui::TForm>("TMesaj").Resource("forms/Mesaj.dfm");
}

} // namespace tk
