#pragma once
// The skin store: a hidden stored form ("forms/Mesaj.dfm") whose picture components hold every
// picture the toolkit draws. It is made once by StartToolkit and never shown.
#include <map>
#include <memory>
#include <string>

#include "platform/ui/forms/form.h"
#include "platform/ui/graphics/bitmap.h"

namespace tk {

class TMesaj : public ui::TForm {
public:
    explicit TMesaj(ui::TComponent* owner);
    ~TMesaj() override;

    // The bitmap of the picture component of that name (without regard to case), owned by the
    // store; nullptr when the store has no such picture. A picture held as a PNG image is handed
    // out as a bitmap made from it when the store was loaded: drawn on the skin's magenta
    // background and transparent with that colour, so that it draws as the PNG does; the PNG
    // itself stays in its component. A component without a picture gives its empty bitmap.
    ui::TBitmap* PictureBitmap(const std::string& name);

protected:
    // After the stored form: the bitmaps of the PNG pictures, then the built-in design preset
    // of mDate and of mListe.
    void ConstructionCompleted() override;

private:
    std::map<std::string, std::unique_ptr<ui::TBitmap>> pngBitmaps_; // by lower-case name
};

// Registers TMesaj with the form reader (once).
void RegisterSkinStoreClasses();

} // namespace tk
