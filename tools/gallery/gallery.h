#pragma once
// The gallery's pages: each renders some forms or controls in their states and saves them as
// PNG files through the context. A page registers itself with KX_GALLERY_PAGE in its own file.
#include <functional>
#include <string>
#include <vector>

namespace ui {
class TWinControl;
}

namespace gallery {

class TGalleryContext {
public:
    explicit TGalleryContext(std::string outputFolder) : folder_(std::move(outputFolder)) {}

    // Saves a picture of the control's window as <name>.png; the pending painting is done
    // first, so the picture shows the control's current state.
    void Save(const std::string& name, ui::TWinControl& control);
    const std::vector<std::string>& Written() const { return written_; }

private:
    std::string folder_;
    std::vector<std::string> written_;
};

struct TGalleryPage {
    std::string Name;
    std::function<void(TGalleryContext&)> Render;
};

std::vector<TGalleryPage>& Pages();

struct TPageRegistrar {
    TPageRegistrar(const std::string& name, std::function<void(TGalleryContext&)> render) {
        Pages().push_back({name, std::move(render)});
    }
};

} // namespace gallery

#define KX_GALLERY_CONCAT2(a, b) a##b
#define KX_GALLERY_CONCAT(a, b) KX_GALLERY_CONCAT2(a, b)
// KX_GALLERY_PAGE("name", [](gallery::TGalleryContext& g) { ... }); the page's body may hold
// commas (the macro takes it whole).
#define KX_GALLERY_PAGE(name, ...)                                                                 \
    static gallery::TPageRegistrar KX_GALLERY_CONCAT(galleryPage, __LINE__)(name, __VA_ARGS__)
