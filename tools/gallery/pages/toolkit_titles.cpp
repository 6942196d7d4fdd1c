// The title bars (gradients, flat bands, grey captions, a caption cut at its room, on a
// full-colour and on a low-colour display), the four message pictures through the transparent
// image, and formatted labels showing each markup code.
#include <string>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "toolkit/controls/fmt_label.h"
#include "toolkit/controls/trans_image.h"
#include "toolkit/forms/skin.h"
#include "toolkit/forms/title_bar.h"
#include "tools/gallery/gallery.h"

namespace {

ui::TForm* NewPageForm(int width, int height, ui::TColor color) {
    auto* form = ui::CreateNewForm<ui::TForm>(ui::Application());
    form->SetBorderStyle(ui::bsNone);
    form->SetColor(color);
    form->SetBounds(20, 20, width, height);
    return form;
}

tk::TTitleBar* AddBar(ui::TForm* form, int top, const std::string& caption, ui::TColor start,
                      ui::TColor end) {
    auto* bar = new tk::TTitleBar(form);
    bar->SetBounds(10, top, 400, 25);
    bar->SetParent(form);
    bar->SetCaptionColor(ui::clWhite);
    bar->Font().SetHeight(-13);
    bar->SetCaption(caption);
    bar->SetStartColor(start);
    if (end != ui::clNone)
        bar->SetEndColor(end);
    return bar;
}

void SaveBothDisplays(gallery::TGalleryContext& g, const std::string& name, ui::TForm& form) {
    bool saved = tk::HighColorDisplay;
    tk::HighColorDisplay = true;
    form.Invalidate();
    g.Save(name + "_high_color", form);
    tk::HighColorDisplay = false;
    form.Invalidate();
    g.Save(name + "_low_color", form);
    tk::HighColorDisplay = saved;
}

KX_GALLERY_PAGE("toolkit_titles", [](gallery::TGalleryContext& g) {
    tk::StartToolkit();

    ui::TForm* bars = NewPageForm(420, 250, ui::clBtnFace);
    AddBar(bars, 10, "Tip instalare (gradient of the constructor's colours)", 0x4D3004, ui::clNone);
    AddBar(bars, 45, "Atentie (message dialog bar)", 8540422, ui::clNone);
    AddBar(bars, 80, "Directoare de instalare (flat band)", 7891292, 7891292);
    AddBar(bars, 115, "Formular dezactivat (grey caption)", 7891292, 7891292)->SetGrayed(true);
    AddBar(bars, 150, "Vertical gradient", 0x4D3004, 0xEFEFEF)->SetVertical(true);
    AddBar(bars, 185,
           "A caption far too long for its bar is cut at the right edge of its room, & shown",
           9193992, 9193992);
    AddBar(bars, 220, "Search icon room", 7891292, 7891292)->SetIconStyle(tk::isSearch);
    bars->Show();
    SaveBothDisplays(g, "titles_bars", *bars);
    ui::Free(bars);

    ui::TForm* pictures = NewPageForm(420, 150, 0xD8E8F0);
    const tk::TMsgDlgType types[] = {tk::mtWarning, tk::mtError, tk::mtInformation,
                                     tk::mtConfirmation};
    for (int i = 0; i < 4; ++i) {
        auto* image = new tk::TTransImage(pictures);
        image->SetLeft(10 + i * 100);
        image->SetTop(10);
        image->SetParent(pictures);
        image->SetKindMare(types[i]);
    }
    auto* opaque = new tk::TTransImage(pictures);
    opaque->SetBounds(10, 75, 86, 53);
    opaque->SetParent(pictures);
    opaque->SetKindMare(tk::mtWarning);
    opaque->SetTransparent(false);
    auto* fitted = new tk::TTransImage(pictures);
    fitted->SetParent(pictures);
    fitted->SetKindMare(tk::mtConfirmation);
    fitted->SetAutoSize(false);
    fitted->SetBounds(110, 75, 120, 70);
    fitted->SetProportional(true);
    fitted->SetCenter(true);
    pictures->Show();
    g.Save("titles_message_pictures", *pictures);
    ui::Free(pictures);

    ui::TForm* labels = NewPageForm(420, 330, ui::clBtnFace);
    const char* captions[] = {
        "Colour: @9red @2green @12blue @0black @32system (button shadow)",
        "Size: &14fourteen points&8 and back to eight",
        "Style: $1italic $2bold $3bold italic $0plain $7(7 leaves it)",
        "Shadow: %shadowed text% and plain text",
        "Blink: ~@9blinking segment~ (shown state)",
        "Escapes: \\@ \\$ \\% \\& \\~ and \\n backslash before a letter",
        "Line break:\rsecond line @12blue\rthird line",
        "Bad input: @99above the table, @ without digits, unterminated \\",
        "Digits at the end: @12",
    };
    int top = 8;
    for (const char* caption : captions) {
        auto* label = new tk::TFmtLabel(labels);
        label->SetParent(labels);
        label->SetAutoSize(false);
        label->SetBounds(10, top, 10, 10);
        label->SetCaption(caption);
        top += label->Caption().find('\r') != std::string::npos ? 46 : 24;
    }
    auto* mark = new tk::TFmtLabel(labels);
    mark->SetParent(labels);
    mark->SetAutoSize(false);
    mark->SetTransparent(true);
    mark->Font().SetName("Wingdings");
    mark->Font().SetSize(14);
    mark->Font().SetColor(ui::clRed);
    mark->SetBounds(10, top, 10, 10);
    // The upgrade screen's check mark: shadow on, then the Wingdings mark (code 252, "ü").
    mark->SetCaption("%\xC3\xBC");
    auto* centred = new tk::TFmtLabel(labels);
    centred->SetParent(labels);
    centred->SetAutoSize(false);
    centred->SetAlignment(ui::taCenter);
    centred->SetAlign(tk::alMBottom);
    centred->SetBounds(100, 0, 10, 10);
    centred->SetCaption("Centred, placed at the bottom:\r@4short line");
    labels->Show();
    g.Save("titles_fmt_labels", *labels);
    ui::Free(labels);
});

} // namespace
