#include "resources/skin_art/form_writer.h"

#include <sstream>

namespace skinart {

namespace {

void WriteBounds(std::ostringstream& out, const ui::TRect& r) {
    out << "    Left = " << r.Left << "\n"
        << "    Top = " << r.Top << "\n"
        << "    Width = " << r.Width() << "\n"
        << "    Height = " << r.Height() << "\n";
}

// The picture's data as a stored form holds it: the class name with its length byte, then the
// file, in lines of 32 bytes written as hexadecimal digits.
void WritePictureData(std::ostringstream& out, const TStoredImage& image) {
    std::vector<uint8_t> data;
    data.push_back(uint8_t(image.ClassName.size()));
    data.insert(data.end(), image.ClassName.begin(), image.ClassName.end());
    data.insert(data.end(), image.File.begin(), image.File.end());
    static const char digits[] = "0123456789ABCDEF";
    out << "    Picture.Data = {";
    for (size_t i = 0; i < data.size(); ++i) {
        if (i % 32 == 0)
            out << "\n      ";
        out << digits[data[i] >> 4] << digits[data[i] & 15];
    }
    out << "}\n";
}

} // namespace

std::string SkinFormText(int clientWidth, int clientHeight, const std::vector<TStoredImage>& images,
                         const std::vector<TStoredControl>& controls) {
    std::ostringstream out;
    out << "object Mesaj: TMesaj\n"
        << "  Left = 0\n"
        << "  Top = 0\n"
        << "  Caption = 'Mesaj'\n"
        << "  ClientHeight = " << clientHeight << "\n"
        << "  ClientWidth = " << clientWidth << "\n"
        << "  Color = clBtnFace\n"
        << "  Font.Charset = DEFAULT_CHARSET\n"
        << "  Font.Color = clWindowText\n"
        << "  Font.Height = -11\n"
        << "  Font.Name = 'MS Sans Serif'\n"
        << "  Font.Style = []\n"
        << "  OldCreateOrder = False\n"
        << "  PixelsPerInch = 96\n"
        << "  TextHeight = 13\n";
    for (const TStoredImage& image : images) {
        out << "  object " << image.Name << ": TImage\n";
        WriteBounds(out, image.Bounds);
        if (!image.ClassName.empty()) {
            out << "    AutoSize = True\n";
            WritePictureData(out, image);
            // A PNG mark is drawn blended over whatever lies below it.
            if (image.ClassName == "TPngImage")
                out << "    Transparent = True\n";
        }
        out << "  end\n";
    }
    for (const TStoredControl& control : controls) {
        out << "  object " << control.Name << ": " << control.ClassName << "\n";
        WriteBounds(out, control.Bounds);
        out << "    Caption = '" << control.Caption << "'\n";
        out << "  end\n";
    }
    out << "end\n";
    return out.str();
}

} // namespace skinart
