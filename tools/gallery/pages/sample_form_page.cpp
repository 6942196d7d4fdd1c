// The sample form in its states: as it opens (the default button focused), with the focus
// moved to the other button, with a button disabled and with a button held down; and the
// platform's message box.
#include "platform/ui/forms/application.h"
#include "platform/ui/forms/message_box.h"
#include "platform/ui/testing/sample_form.h"
#include "platform/ui/window/window_system.h"
#include "tools/gallery/gallery.h"

namespace {

using ui::testing::TSampleForm;

TSampleForm* ShownSampleForm() {
    auto* form = ui::CreateForm<TSampleForm>(ui::Application());
    form->Show();
    return form;
}

KX_GALLERY_PAGE("sample_form", [](gallery::TGalleryContext& g) {
    TSampleForm* form = ShownSampleForm();
    g.Save("sample_form", *form);
    form->BackButton->SetFocus();
    g.Save("sample_form_back_focused", *form);
    form->ContinueButton->SetFocus();
    form->BackButton->SetEnabled(false);
    g.Save("sample_form_disabled_button", *form);
    form->BackButton->SetEnabled(true);
    ui::SendMessage(form->ContinueButton->Handle(), ui::BM_SETSTATE, 1, 0);
    g.Save("sample_form_pushed", *form);
    ui::Free(form);
});

KX_GALLERY_PAGE("message_box", [](gallery::TGalleryContext& g) {
    auto previous = ui::Application()->OnModalBegin;
    ui::Application()->OnModalBegin = [&g](ui::TCustomForm& box) {
        g.Save("message_box", box);
        box.SetModalResult(ui::mrOk);
    };
    ui::MessageBox("Nu am putut incarca fisierul cerut.", "Eroare", ui::MB_OK | ui::MB_ICONSTOP);
    ui::Application()->OnModalBegin = previous;
});

} // namespace
