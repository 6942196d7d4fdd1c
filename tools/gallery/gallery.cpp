#include "tools/gallery/gallery.h"

#include "platform/ui/controls/win_control.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/window/snapshot.h"

namespace gallery {

std::vector<TGalleryPage>& Pages() {
    static std::vector<TGalleryPage> pages;
    return pages;
}

void TGalleryContext::Save(const std::string& name, ui::TWinControl& control) {
    ui::Application()->ProcessMessages();
    ui::TBitmap picture;
    ui::SnapshotWindow(control.Handle(), picture);
    std::string path = folder_ + "/" + name + ".png";
    picture.SaveToFile(path);
    written_.push_back(path);
}

} // namespace gallery
