// The buttons as stored forms describe them. A form writes Caption and ModalResult before Kind,
// so the values it gives win over the kind's defaults.
#include "toolkit/controls/register_buttons.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/streaming/class_builder.h"
#include "toolkit/controls/mbutton.h"
#include "toolkit/controls/mbutton_kinds.h"
#include "toolkit/controls/nice_button.h"

namespace tk {

namespace {

const ui::TEnumNames& KindNames() {
    static const ui::TEnumNames names = [] {
        ui::TEnumNames list;
        for (int kind = 0; kind < ButtonKindCount; ++kind)
            list.emplace_back(KindName(kind), kind);
        return list;
    }();
    return names;
}
const ui::TEnumNames& StyleNames() {
    static const ui::TEnumNames names = {
        {"bsAutoDetect", bsAutoDetect}, {"bsWin31", bsWin31}, {"bsNew", bsNew}};
    return names;
}
const ui::TEnumNames& LayoutNames() {
    static const ui::TEnumNames names = {{"blGlyphLeft", blGlyphLeft},
                                         {"blGlyphRight", blGlyphRight},
                                         {"blGlyphTop", blGlyphTop},
                                         {"blGlyphBottom", blGlyphBottom}};
    return names;
}

// A stored bitmap's Data: the size of the bitmap file as four bytes (little-endian), then the
// file; bare file bytes are read too.
void LoadStoredBitmapData(ui::TBitmap& bitmap, const std::vector<uint8_t>& data,
                          ui::TReadContext& context) {
    std::vector<uint8_t> file = data;
    if (data.size() >= 6) {
        uint32_t size = uint32_t(data[0]) | (uint32_t(data[1]) << 8) | (uint32_t(data[2]) << 16) |
                        (uint32_t(data[3]) << 24);
        if (size == data.size() - 4 && data[4] == 'B' && data[5] == 'M')
            file.assign(data.begin() + 4, data.end());
    }
    try {
        bitmap.LoadFromBytes(file, "Glyph.Data");
    } catch (const ui::EInvalidGraphic& e) {
        context.Fail(e.what());
    }
}

} // namespace

void RegisterButtonsClasses() {
    // Another slice may have made the stored bitmap known already.
    if (!ui::ClassRegistry().Find(std::type_index(typeid(ui::TBitmap))))
        ui::RegisterValueClass<ui::TBitmap>("TBitmap").Binary("Data", LoadStoredBitmapData);

    ui::RegisterComponentClass<TMButton, ui::TButton>("TMButton")
        .Color("ColorOver", [](TMButton& b, ui::TColor v) { b.SetColorOver(v); })
        .Bool("LightButton", [](TMButton& b, bool v) { b.SetLightButton(v); })
        .Object<ui::TBitmap>("Glyph", [](TMButton& b) -> ui::TBitmap& { return b.Glyph(); })
        .Bool("CaptionVisible", [](TMButton& b, bool v) { b.SetCaptionVisible(v); })
        .Enum("Kind", KindNames(), "TMButtonKind",
              [](TMButton& b, int v) { b.SetKind(TMButtonKind(v)); })
        .Enum("Style", StyleNames(), "TButtonStyle",
              [](TMButton& b, int v) { b.SetStyle(TButtonStyle(v)); })
        .Int("Margin", [](TMButton& b, int v) { b.SetMargin(v); })
        .Int("Spacing", [](TMButton& b, int v) { b.SetSpacing(v); })
        .Int("NumGlyphs", [](TMButton& b, int v) { b.SetNumGlyphs(v); })
        .Enum("ButtonLayout", LayoutNames(), "TButtonLayout",
              [](TMButton& b, int v) { b.SetButtonLayout(TButtonLayout(v)); });

    ui::RegisterComponentClass<TNiceButton, ui::TButton>("TNiceButton")
        .String("Caption", [](TNiceButton& b, const std::string& v) { b.SetCaption(v); })
        .Bool("CaptionVisible", [](TNiceButton& b, bool v) { b.SetCaptionVisible(v); })
        .Object<ui::TBitmap>("Glyph", [](TNiceButton& b) -> ui::TBitmap& { return b.Glyph(); })
        .Enum("Kind", KindNames(), "TMButtonKind",
              [](TNiceButton& b, int v) { b.SetKind(TMButtonKind(v)); })
        .Bool("ForcedDown", [](TNiceButton& b, bool v) { b.SetForcedDown(v); })
        .Int("NumGlyphs", [](TNiceButton& b, int v) { b.SetNumGlyphs(v); })
        .Bool("InsideDraw", [](TNiceButton& b, bool v) { b.SetInsideDraw(v); })
        .Bool("Stretch", [](TNiceButton& b, bool v) { b.SetStretch(v); })
        .Bool("Buffered", [](TNiceButton& b, bool v) { b.SetBuffered(v); });
}

} // namespace tk
