// The titled form: a converted sizeable screen with its painted border, its title bar and two
// toolkit buttons, as the user sees it and greyed while a dialog over it is modal.
#include <string>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/label.h"
#include "toolkit/controls/mbutton.h"
#include "toolkit/forms/skin.h"
#include "toolkit/forms/title_bar.h"
#include "toolkit/forms/title_form.h"
#include "tools/gallery/gallery.h"

namespace {

// A screen as the installer stores one, except that it keeps the sizeable border the modern look
// converts.
const char* const ScreenText = R"(object Ecran: TTitleForm
  Left = 40
  Top = 40
  Caption = 'Tip instalare'
  ClientHeight = 220
  ClientWidth = 420
  Color = 11642264
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  object TitleBar1: TTitleBar
    Left = 0
    Top = 0
    Width = 420
    Height = 25
    Align = alTop
    Caption = 'Tip instalare'
    CaptionColor = clWhite
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    StartColor = 7891292
    EndColor = 7891292
  end
  object Mesaj: TLabel
    Left = 24
    Top = 70
    Width = 370
    Height = 40
    Caption = 'Alegeti tipul instalarii si apasati Inainte.'
    Transparent = True
  end
  object BBack: TMButton
    Left = 200
    Top = 170
    Width = 100
    Height = 28
    Kind = mkPrev
    Caption = '&Inapoi'
    ModalResult = 4
    TabOrder = 0
  end
  object BNext: TMButton
    Left = 306
    Top = 170
    Width = 100
    Height = 28
    Kind = mkNext
    Caption = 'I&nainte'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
end
)";

KX_GALLERY_PAGE("toolkit_forms", [](gallery::TGalleryContext& g) {
    tk::StartToolkit();
    bool savedLook = tk::ModernLook;
    tk::ModernLook = true;
    auto* screen =
        ui::CreateFormFromText<tk::TTitleForm>(ui::Application(), ScreenText, "toolkit_forms.dfm");
    screen->Show();
    g.Save("forms_titled_enabled", *screen);

    auto* dialog = ui::CreateNewForm<tk::TTitleForm>(ui::Application());
    dialog->SetName("Dialog");
    dialog->SetBorderStyle(ui::bsDialog);
    dialog->SetBounds(500, 60, 260, 120);
    dialog->SetColor(11642264);
    auto* bar = new tk::TTitleBar(dialog);
    bar->SetAlign(ui::alTop);
    bar->SetParent(dialog);
    bar->SetStartColor(8540422);
    bar->SetCaptionColor(ui::clWhite);
    dialog->TitleBar = bar;
    dialog->SetCaption("Atentie !");
    auto previous = ui::Application()->OnModalBegin;
    ui::Application()->OnModalBegin = [&](ui::TCustomForm& modal) {
        g.Save("forms_titled_greyed", *screen);
        g.Save("forms_titled_dialog", modal);
        modal.SetModalResult(ui::mrOk);
    };
    dialog->ShowModal();
    ui::Application()->OnModalBegin = previous;
    ui::Free(dialog);
    ui::Free(screen);
    tk::ModernLook = savedLook;
});

} // namespace
