#pragma once
// Writes the skin store's stored form: the hidden form "Mesaj" with one image component per
// picture, the picture inline as its data, and the spare label and button.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/graphics/types.h"

namespace skinart {

struct TStoredImage {
    std::string Name;
    ui::TRect Bounds;
    std::string ClassName;     // "TBitmap" or "TPngImage"; empty for no picture
    std::vector<uint8_t> File; // the picture's file bytes
};

struct TStoredControl {
    std::string Name;
    std::string ClassName;
    ui::TRect Bounds;
    std::string Caption;
};

std::string SkinFormText(int clientWidth, int clientHeight, const std::vector<TStoredImage>& images,
                         const std::vector<TStoredControl>& controls);

} // namespace skinart
