// kestrix-skin-art FORMFILE: paints every picture of the skin store and writes the stored form
// that holds them. Runs at build time, offscreen.
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/ui/forms/application.h"
#include "platform/ui/graphics/bitmap.h"
#include "resources/skin_art/art_color.h"
#include "resources/skin_art/form_layout.h"
#include "resources/skin_art/form_writer.h"
#include "resources/skin_art/picture_files.h"
#include "resources/skin_art/picture_table.h"

namespace {

constexpr int kClientWidth = 1030;
constexpr int kClientHeight = 456;

std::vector<skinart::TStoredImage> PaintPictures() {
    skinart::TPainters painters = skinart::AllPainters();
    std::vector<skinart::TStoredImage> images;
    for (const skinart::TPictureSpec& picture : skinart::SkinPictures()) {
        skinart::TStoredImage image{
            picture.Name, ui::Bounds(0, 0, picture.Width, picture.Height), "", {}};
        if (picture.Kind != skinart::skNone) {
            auto painter = painters.find(picture.Name);
            if (painter == painters.end())
                throw std::runtime_error("no painter for the picture " + picture.Name);
            ui::TBitmap bitmap(picture.Width, picture.Height);
            painter->second(bitmap.Canvas(), picture.Width, picture.Height);
            if (picture.Kind == skinart::skPng) {
                image.ClassName = "TPngImage";
                image.File = skinart::PngFile(bitmap.Canvas(), picture.Width, picture.Height,
                                              skinart::kMagenta);
            } else {
                image.ClassName = "TBitmap";
                image.File = skinart::BitmapFile(bitmap.Canvas(), picture.Width, picture.Height);
            }
        }
        images.push_back(std::move(image));
    }
    return images;
}

// Writes beside the target and renames, so that a failed run leaves no half-written form.
void WriteFile(const std::filesystem::path& path, const std::string& text) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            throw std::runtime_error("cannot write " + temporary.string());
    }
    std::filesystem::rename(temporary, path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kestrix-skin-art FORMFILE\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    try {
        int qtArgc = 1;
        ui::TApplication::Initialize(qtArgc, argv);
        std::vector<skinart::TStoredImage> images = PaintPictures();
        std::vector<skinart::TStoredControl> controls = {
            {"Label1", "TLabel", ui::Bounds(0, 0, 32, 13), "Label1"},
            {"Button1", "TButton", ui::Bounds(0, 0, 75, 25), "Button1"},
        };
        std::vector<ui::TSize> sizes;
        for (const auto& image : images)
            sizes.push_back({image.Bounds.Width(), image.Bounds.Height()});
        for (const auto& control : controls)
            sizes.push_back({control.Bounds.Width(), control.Bounds.Height()});
        std::vector<ui::TRect> places =
            skinart::PlaceOnShelves(sizes, kClientWidth, kClientHeight, 2);
        for (size_t i = 0; i < images.size(); ++i)
            images[i].Bounds = places[i];
        for (size_t i = 0; i < controls.size(); ++i)
            controls[i].Bounds = places[images.size() + i];
        WriteFile(argv[1], skinart::SkinFormText(kClientWidth, kClientHeight, images, controls));
    } catch (const std::exception& e) {
        std::cerr << "kestrix-skin-art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
