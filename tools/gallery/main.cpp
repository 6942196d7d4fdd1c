// kestrix-gallery OUTDIR [PAGE...]: renders every registered page (or the named ones) offscreen
// into OUTDIR as PNG files, on a 1024 x 768 screen at 96 pixels per inch, so that the pictures
// are the same on every machine.
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/testing/sample_form.h"
#include "tools/gallery/gallery.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: kestrix-gallery OUTDIR [PAGE...]\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "kestrix-gallery: cannot make " << folder << ": " << error.message() << "\n";
        return 1;
    }
    int qtArgc = 1;
    ui::TApplication::Initialize(qtArgc, argv);
    ui::Screen()->SetSize(1024, 768);
    ui::testing::RegisterSampleFormClasses();
    ui::Application()->OnException = [](ui::TObject*, const std::exception& e) {
        throw std::runtime_error(e.what());
    };

    gallery::TGalleryContext context(folder.string());
    int failures = 0;
    for (const gallery::TGalleryPage& page : gallery::Pages()) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || page.Name == argv[i];
        if (!wanted)
            continue;
        try {
            page.Render(context);
        } catch (const std::exception& e) {
            std::cerr << "kestrix-gallery: page " << page.Name << ": " << e.what() << "\n";
            ++failures;
        }
    }
    for (const std::string& path : context.Written())
        std::cout << path << "\n";
    return failures ? 1 : 0;
}
