// A stored form of the toolkit's controls whose property values come from the fuzzer's bytes:
// sizes, margins, glyph counts, columns, indexes, tab sizes, kinds and captions with markup.
// Reading it either works or raises the reader's error; showing and painting the form then
// never crashes, hangs or leaks past its free.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/streaming/form_reader.h"
#include "platform/ui/window/snapshot.h"
#include "toolkit/forms/register_toolkit_classes.h"
#include "toolkit/forms/skin.h"

namespace {

// Hands out the fuzzer's bytes as values; zeros once they run out.
class TValues {
public:
    TValues(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    int Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // Mostly small numbers, sometimes far out of any sensible range.
    int Number() {
        int kind = Byte() % 4;
        int low = Byte();
        if (kind == 0)
            return low - 128;
        if (kind == 1)
            return low;
        int value = (Byte() << 8) | low;
        return kind == 2 ? value : -value;
    }
    // A size a form can hold (large sizes only cost memory).
    int Size() { return Byte() * 4; }
    std::string Pick(std::initializer_list<const char*> names) {
        size_t index = size_t(Byte()) % names.size();
        return *(names.begin() + index);
    }
    // A stored string: quoted printable runs and #nn for every other byte.
    std::string Text() {
        int length = Byte() % 48;
        std::string out = "''";
        for (int i = 0; i < length && pos_ < size_; ++i) {
            int c = Byte();
            if (c >= 32 && c < 127 && c != '\'')
                out.insert(out.size() - 1, 1, char(c));
            else
                out += "#" + std::to_string(c) + "''";
        }
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

std::string Property(const std::string& name, const std::string& value) {
    return "    " + name + " = " + value + "\n";
}

std::string Property(const std::string& name, int value) {
    return Property(name, std::to_string(value));
}

std::string Bounds(TValues& v) {
    return Property("Left", v.Number()) + Property("Top", v.Number()) +
           Property("Width", v.Size()) + Property("Height", v.Size());
}

std::string Kind(TValues& v) {
    return v.Pick({"mkFirst", "mkOK", "mkCancel", "mkCustom", "mkClose", "mknPrev", "mknNext",
                   "mkAdvanced", "mkPlusSnorkel", "mkIgnore", "mkNimic"});
}

std::string Bool(TValues& v) {
    return v.Byte() % 2 ? "True" : "False";
}

std::string FormText(TValues& v) {
    std::string text = "object Fuzz: TForm\n  Width = 640\n  Height = 480\n";
    text += "  object Glyph: TMButton\n" + Bounds(v) + Property("Kind", Kind(v)) +
            Property("Margin", v.Number()) + Property("Spacing", v.Number()) +
            Property("NumGlyphs", v.Number()) + Property("LightButton", Bool(v)) +
            Property("ButtonLayout",
                     v.Pick({"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})) +
            Property("Caption", v.Text()) + "  end\n";
    text += "  object Flat: TNiceButton\n" + Bounds(v) + Property("Kind", Kind(v)) +
            Property("InsideDraw", Bool(v)) + Property("Stretch", Bool(v)) +
            Property("Buffered", Bool(v)) + Property("Caption", v.Text()) + "  end\n";
    text +=
        "  object Marked: TFmtLabel\n" + Bounds(v) +
        Property("Align",
                 v.Pick({"alMNone", "alMTop", "alMBottom", "alMLeft", "alMRight", "alMCenter"})) +
        Property("Caption", v.Text()) + "  end\n";
    text += "  object Picture: TTransImage\n" + Bounds(v) + Property("KindMic", Kind(v)) +
            Property("Stretch", Bool(v)) + Property("Proportional", Bool(v)) +
            Property("Center", Bool(v)) + "  end\n";
    text += "  object Choices: TMRadioGroup\n" + Bounds(v) + Property("Columns", v.Number()) +
            "    Items.Strings = (\n      'Unu'\n      'Doi'\n      'Trei')\n" +
            Property("ItemIndex", v.Number()) + "  end\n";
    text += "  object Bar: TTitleBar\n" + Bounds(v) + Property("Caption", v.Text()) + "  end\n";
    text += "  object Tabs: TKesvTabCtrl322\n" + Bounds(v) + Property("TipTab", v.Number()) +
            Property("TabHSize", v.Number()) + Property("TabWSize", v.Number()) +
            Property("CustomTabWidth", v.Number()) + Property("PageIndex", v.Number()) +
            Property("ActivePage", v.Pick({"Sheet0", "Sheet1", "Sheet2"}));
    for (int i = 0; i < 3; ++i)
        text += "    object Sheet" + std::to_string(i) + ": TKesvTabSheet2\n" +
                Property("MenuTabIndex", v.Number()) + Property("TabEnabled", Bool(v)) +
                Property("Caption", v.Text()) + "    end\n";
    text += "  end\nend\n";
    return text;
}

void StartOnce() {
    static bool started = false;
    if (started)
        return;
    started = true;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "fuzz_toolkit_stored_form";
    static char* argv[] = {name, nullptr};
    ui::TApplication::Initialize(argc, argv);
    ui::Screen()->SetSize(1024, 768);
    tk::StartToolkit();
    tk::RegisterToolkitClasses();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    StartOnce();
    TValues values(data, size);
    std::string text = FormText(values);
    auto* form = ui::CreateNewForm<ui::TForm>(ui::Application());
    try {
        ui::ReadComponentText(*form, text, "fuzz.dfm");
        form->Show();
        ui::Application()->ProcessMessages();
        ui::TBitmap picture;
        ui::SnapshotWindow(form->Handle(), picture);
    } catch (const std::exception&) {
        // A value the reader or a setter refuses is the platform's error, not a crash.
    }
    ui::Free(form);
    return 0;
}
