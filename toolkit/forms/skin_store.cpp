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
        auto bitmap = std::make_unique<ui::TBitmap>();
        bitmap->Assign(*png);
        pngBitmaps_[sys::LowerAscii(image->Name())] = std::move(bitmap);
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
