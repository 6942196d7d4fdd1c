// The toolkit's buttons: every glyph button kind up, down, disabled, flat and with its face
// showing; every flat button kind normal, hovered, pressed and disabled, with and without its
// caption, on the full-colour and on the low-colour display.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/controls/mbutton.h"
#include "toolkit/controls/mbutton_kinds.h"
#include "toolkit/controls/nice_button.h"
#include "toolkit/forms/skin.h"
#include "tools/gallery/gallery.h"

namespace {

constexpr int KindsPerPicture = 15;
constexpr int LabelWidth = 110;
constexpr int HeaderHeight = 22;

// Only one flat button at a time shows the hover look, and it is pressed only while the mouse
// holds it; the gallery pins these looks on several buttons at once, as the button's cached
// looks paint them (the pressed look is the hovered one held down).
class TPinnedLookButton : public tk::TNiceButton {
public:
    TPinnedLookButton(ui::TComponent* owner, bool down) : tk::TNiceButton(owner), down_(down) {}
    void DrawItem(const ui::TDrawItemStruct& item) override {
        ui::TCanvas& canvas = *item.hDC;
        PaintState(canvas, down_, true, Enabled());
    }

private:
    bool down_;
};

ui::TForm* NewSheet(int width, int height) {
    auto* form = ui::CreateNewForm<ui::TForm>(ui::Application());
    form->SetBorderStyle(ui::bsNone);
    form->SetColor(ui::clBtnFace);
    form->SetBounds(0, 0, width, height);
    // The focus stays off the buttons, so that none shows a focused look.
    auto* keeper = new ui::TEdit(form);
    keeper->SetBounds(width - 2, height - 2, 1, 1);
    keeper->SetParent(form);
    return form;
}

void AddLabel(ui::TForm& form, const std::string& text, int left, int top, int width) {
    auto* label = new ui::TLabel(&form);
    label->SetAutoSize(false);
    label->SetBounds(left, top, width, 18);
    label->SetCaption(text);
    label->SetParent(&form);
}

void Header(ui::TForm& form, const std::vector<std::string>& looks, int step) {
    for (size_t i = 0; i < looks.size(); ++i)
        AddLabel(form, looks[i], LabelWidth + int(i) * step, 3, step);
}

void Show(ui::TForm& form) {
    form.Show();
    if (auto* keeper = dynamic_cast<ui::TEdit*>(form.Components(0)))
        keeper->SetFocus();
}

std::string ChunkName(int first) {
    int last = std::min(first + KindsPerPicture, tk::ButtonKindCount) - 1;
    return std::to_string(first) + "_" + std::to_string(last);
}

// Glyph buttons: a row per kind; the classic face up, down and disabled, then the light
// button flat and with its face.
void RenderGlyphButtons(gallery::TGalleryContext& g) {
    constexpr int Step = 96;
    constexpr int RowHeight = 46;
    for (int first = 0; first < tk::ButtonKindCount; first += KindsPerPicture) {
        int count = std::min(KindsPerPicture, tk::ButtonKindCount - first);
        ui::TForm* form = NewSheet(LabelWidth + 5 * Step, HeaderHeight + count * RowHeight);
        Header(*form, {"up", "down", "disabled", "flat", "face"}, Step);
        std::vector<tk::TMButton*> down;
        std::vector<tk::TMButton*> face;
        for (int i = 0; i < count; ++i) {
            int kind = first + i;
            int top = HeaderHeight + i * RowHeight;
            AddLabel(*form, std::to_string(kind) + " " + tk::KindName(kind), 4, top + 12,
                     LabelWidth - 4);
            for (int look = 0; look < 5; ++look) {
                auto* b = new tk::TMButton(form);
                b->SetBounds(LabelWidth + look * Step, top, 90, 40);
                if (kind == tk::mkCustom)
                    b->SetCaption("Custom");
                b->SetKind(tk::TMButtonKind(kind));
                b->SetLightButton(look >= 3);
                b->SetEnabled(look != 2);
                b->SetTabStop(false);
                b->SetParent(form);
                if (look == 1)
                    down.push_back(b);
                if (look == 4)
                    face.push_back(b);
            }
        }
        Show(*form);
        for (tk::TMButton* b : down)
            ui::SendMessage(b->Handle(), ui::BM_SETSTATE, 1, 0);
        for (tk::TMButton* b : face)
            b->Perform(ui::CM_MOUSEENTER, 0, 0);
        g.Save("toolkit_mbutton_kinds_" + ChunkName(first), *form);
        ui::Free(form);
    }
}

// Flat buttons: a row per kind in the four looks, for one display and with or without the
// caption. Kinds without a caption of their own get one, so that the face shows.
void RenderFlatButtons(gallery::TGalleryContext& g, bool highColor, bool withCaption) {
    constexpr int Step = 116;
    constexpr int RowHeight = 34;
    tk::HighColorDisplay = highColor;
    for (int first = 0; first < tk::ButtonKindCount; first += KindsPerPicture) {
        int count = std::min(KindsPerPicture, tk::ButtonKindCount - first);
        ui::TForm* form = NewSheet(LabelWidth + 4 * Step, HeaderHeight + count * RowHeight);
        Header(*form, {"normal", "hover", "pressed", "disabled"}, Step);
        for (int i = 0; i < count; ++i) {
            int kind = first + i;
            int top = HeaderHeight + i * RowHeight;
            AddLabel(*form, std::to_string(kind) + " " + tk::KindName(kind), 4, top + 6,
                     LabelWidth - 4);
            for (int look = 0; look < 4; ++look) {
                tk::TNiceButton* b = look == 1 || look == 2 ? new TPinnedLookButton(form, look == 2)
                                                            : new tk::TNiceButton(form);
                b->SetBounds(LabelWidth + look * Step, top, 110, 28);
                b->SetKind(tk::TMButtonKind(kind));
                if (tk::KindCaption(kind).empty())
                    b->SetCaption("&Buton");
                b->SetCaptionVisible(withCaption);
                b->SetEnabled(look != 3);
                b->SetTabStop(false);
                b->SetParent(form);
            }
        }
        Show(*form);
        g.Save(std::string("toolkit_nicebutton_") + (highColor ? "highcolor" : "lowcolor") +
                   (withCaption ? "_caption_" : "_glyph_") + ChunkName(first),
               *form);
        ui::Free(form);
    }
}

KX_GALLERY_PAGE("toolkit_buttons", [](gallery::TGalleryContext& g) {
    tk::StartToolkit();
    bool highColor = tk::HighColorDisplay;
    RenderGlyphButtons(g);
    for (bool high : {true, false})
        for (bool caption : {true, false})
            RenderFlatButtons(g, high, caption);
    tk::HighColorDisplay = highColor;
});

} // namespace
