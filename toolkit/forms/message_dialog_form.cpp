#include "toolkit/forms/message_dialog_form.h"

#include <optional>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/stdctrls/bevel.h"
#include "platform/ui/stdctrls/panel.h"
#include "toolkit/controls/fmt_label.h"
#include "toolkit/controls/nice_button.h"
#include "toolkit/controls/trans_image.h"
#include "toolkit/forms/message_dialog_layout.h"
#include "toolkit/forms/message_dialog_text.h"
#include "toolkit/forms/message_form.h"
#include "toolkit/forms/title_bar.h"

namespace tk {

namespace {

constexpr int kDesignPixelsPerInch = 96;

void PrepareForm(TMessageForm& form) {
    form.SetName("Message");
    form.SetPixelsPerInch(kDesignPixelsPerInch);
    form.SetBorderStyle(ui::bsDialog);
    form.SetBorderIcons(ui::biSystemMenu);
    form.SetCtl3D(true);
    form.Font().SetName("MS Sans Serif");
    form.Font().SetHeight(-11);
}

TTitleBar* AddTitleBar(TMessageForm& form) {
    auto* bar = new TTitleBar(&form);
    bar->SetParent(&form);
    bar->SetAlign(ui::alTop);
    bar->SetHeight(25);
    bar->SetStartColor(kDialogTitleColor);
    form.TitleBar = bar;
    return bar;
}

ui::TPanel* AddLoweredPanel(TMessageForm& form, const std::string& name) {
    auto* panel = new ui::TPanel(&form);
    panel->SetName(name);
    panel->SetParent(&form);
    panel->SetCaption("");
    panel->SetBevelOuter(ui::bvLowered);
    return panel;
}

// The dialog's buttons in row order; the default one also takes the focus.
std::vector<TNiceButton*> AddButtons(TMessageForm& form, ui::TPanel& row,
                                     const TMessageDialogSpec& request) {
    std::optional<TMsgDlgBtn> escape = EscapeButton(request.Buttons);
    std::vector<TNiceButton*> buttons;
    for (TMsgDlgBtn b : ShownButtons(request.Buttons)) {
        auto* button = new TNiceButton(&form);
        button->SetParent(&row);
        button->SetKind(DialogButtonKind(b));
        const bool isDefault = b == request.DefaultButton;
        button->SetDefault(isDefault);
        if (isDefault)
            form.SetActiveControl(button);
        button->SetCancel(escape == b);
        // Two buttons of one caption ("No" and "No to all") clash here and end the dialog.
        button->SetName(DialogButtonName(button->Caption()));
        buttons.push_back(button);
    }
    return buttons;
}

void Build(TMessageForm& form, const TMessageDialogSpec& request) {
    PrepareForm(form);
    TTitleBar* bar = AddTitleBar(form);

    ui::TPanel* textPanel = AddLoweredPanel(form, "Panel");
    textPanel->SetLeft(16);
    textPanel->SetTop(bar->Height() + 16);

    auto* bevel = new ui::TBevel(&form);
    bevel->SetName("Bevel");
    bevel->SetParent(&form);
    bevel->SetShape(ui::bsTopLine);
    bevel->SetLeft(0);
    bevel->SetHeight(5);

    ui::TFont bold(form.Font());
    bold.SetStyle(bold.Style() | ui::fsBold);
    const ui::TSize textSize = MeasureMessageText(request.Text, bold, ui::Screen()->Width());

    auto* label = new TFmtLabel(&form);
    label->SetName("Message");
    label->SetParent(textPanel);
    label->SetAlignment(request.Alignment);
    label->SetTransparent(true);
    label->SetWordWrap(true);
    label->SetCaption(request.Text);
    label->SetBounds(0, 0, textSize.cx, textSize.cy);
    label->Font().SetStyle(label->Font().Style() | ui::fsBold);

    auto* image = new TTransImage(&form);
    image->SetName("Image");
    image->SetParent(textPanel);
    // Before the toolkit's start-up there are no pictures: the dialog shows none.
    static const ui::TBitmap noPicture;
    const ui::TBitmap* glyph = MsgTypeGlyph(request.DlgType);
    const ui::TBitmap& icon = glyph ? *glyph : noPicture;
    image->SetBitmap(icon);
    image->SetBounds(10, 0, icon.Width(), icon.Height());

    ui::TPanel* buttonRow = AddLoweredPanel(form, "");
    std::vector<TNiceButton*> buttons = AddButtons(form, *buttonRow, request);

    TMessageMetrics metrics;
    metrics.TextWidth = textSize.cx;
    metrics.TextHeight = textSize.cy;
    metrics.IconWidth = icon.Width();
    metrics.IconHeight = icon.Height();
    metrics.ButtonCount = int(buttons.size());
    metrics.TitleBarHeight = bar->Height();
    const TMessageLayout layout = LayOutMessage(metrics);

    buttonRow->SetBoundsRect(layout.ButtonPanel);
    textPanel->SetBoundsRect(layout.TextPanel);
    textPanel->SetClientWidth(layout.TextPanel.Width());
    textPanel->SetClientHeight(layout.TextPanel.Height());
    form.SetClientWidth(layout.FormClientWidth);
    form.SetClientHeight(layout.FormClientHeight);
    bevel->SetBoundsRect(layout.Bevel);
    image->SetBoundsRect(layout.Icon);
    label->SetBoundsRect(layout.Label);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->SetBoundsRect(DialogButtonBounds(int(i)));

    form.SetCaption(request.Caption.empty() ? DefaultDialogCaption(request.DlgType)
                                            : request.Caption);

    ui::TScreen* screen = ui::Screen();
    const ui::TPoint place =
        CentreOnScreen(screen->Width(), screen->Height(), form.Width(), form.Height());
    form.SetLeft(place.X);
    form.SetTop(place.Y);
    form.SetHelpContext(request.HelpCtx);
    if (screen->PixelsPerInch() != kDesignPixelsPerInch)
        form.ScaleBy(screen->PixelsPerInch(), kDesignPixelsPerInch);

    // The panels, the text and the picture answer the mouse as the form itself does.
    ui::TMouseEvent useMouse = [&form](ui::TObject* sender, ui::TMouseButton button,
                                       ui::TShiftState shift, int x,
                                       int y) { form.UseMouse(sender, button, shift, x, y); };
    textPanel->OnMouseDown = useMouse;
    label->OnMouseDown = useMouse;
    image->OnMouseDown = useMouse;
    buttonRow->OnMouseDown = useMouse;
}

} // namespace

TMessageForm* CreateMessageDialog(const TMessageDialogSpec& request) {
    auto* form = ui::CreateNewForm<TMessageForm>(ui::Application());
    try {
        Build(*form, request);
    } catch (...) {
        ui::Free(form);
        throw;
    }
    return form;
}

} // namespace tk
