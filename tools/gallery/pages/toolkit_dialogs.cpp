// The installer's message dialogs, each as its caller shows it, once without a heading and once
// under the heading "PENTRU CONTINUARE".
#include <string>

#include "platform/ui/forms/application.h"
#include "toolkit/forms/message_dialog.h"
#include "toolkit/forms/skin.h"
#include "tools/gallery/gallery.h"

namespace {

using namespace tk;

struct TDialogCall {
    const char* Name;
    std::string Text;
    std::string Caption;
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
    TMsgDlgBtn Default;
};

std::string ClientQuestion() {
    return "Baza de date se afla la distanta, pe SERVER.\r" + std::string(46, '_') +
           "\r\rDaca nu aveti acces la SERVER pentru a lansa UPGRADE,\r\r"
           "aveti acum ocazia sa o faceti de pe acest calculator.\r\r"
           "-Acest mesaj va apare la fiecare instalare de tip CLIENT.\r"
           "Nu este nevoie sa lansati UPGRADE la SERVER decat o singura data.\r" +
           std::string(48, '_') + "\r\rFac UPGRADE la baza de date de pe SERVER?\r";
}

const TDialogCall kCalls[] = {
    {"library_missing", "Nu am putut incarca UPGRADE.DLL", "Program incomplet!", mtError,
     MsgButtons({mbCancel}), mbCancel},
    {"archive_missing", "Nu gasesc Upgrade.zip", "", mtError, MsgButtons({mbOK}), mbOK},
    {"client_question", ClientQuestion(), "UPGRADE baza de date SERVER ?", mtConfirmation,
     MsgButtons({mbYes, mbNo}), mbNo},
    {"client_data_missing", "La instalarea client baza de date trebuie sa existe!", "Eroare!",
     mtError, MsgButtons({mbCancel}), mbCancel},
    {"disk_prompt", "introdu discul de instalare cu numarul \r2", "", mtWarning,
     MsgButtons({mbOK, mbCancel}), mbOK},
    {"older_engine",
     "Am gasit o instalare mai veche de\rmotor baza de date (BDE)...\r"
     "Daca Kestrix nu functioneaza, contactati-ne.\r",
     "", mtError, MsgButtons({mbOK}), mbOK},
    {"group_error", "Eroare DDE!", "Eroare...", mtError, MsgButtons({mbCancel}), mbCancel},
};

KX_GALLERY_PAGE("toolkit_dialogs", [](gallery::TGalleryContext& g) {
    StartToolkit();
    ui::TApplication* app = ui::Application();
    auto previous = app->OnModalBegin;
    std::string picture;
    app->OnModalBegin = [&g, &picture](ui::TCustomForm& dialog) {
        g.Save(picture, dialog);
        dialog.SetModalResult(ui::mrCancel);
    };
    const std::string savedHeading = MessageHeading;
    for (const char* heading : {"", "PENTRU CONTINUARE"}) {
        MessageHeading = heading;
        for (const TDialogCall& call : kCalls) {
            picture = std::string("dialog_") + call.Name + (*heading ? "_heading" : "");
            MessageDialog(call.Text, call.Caption, call.Type, ui::taCenter, call.Buttons,
                          call.Default);
        }
    }
    MessageHeading = savedHeading;
    app->OnModalBegin = previous;
});

} // namespace
