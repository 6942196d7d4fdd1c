#include "toolkit/forms/message_dialog.h"

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "toolkit/forms/message_dialog_form.h"
#include "toolkit/forms/message_form.h"

namespace tk {

uint16_t MessageDialog(const std::string& Msg, const std::string& Caption, TMsgDlgType DlgType,
                       ui::TAlignment Alignment, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton,
                       int32_t HelpCtx) {
    TMessageDialogSpec request;
    request.Text = ComposeMessageText(MessageHeading, Msg);
    request.Caption = Caption;
    request.DlgType = DlgType;
    request.Alignment = Alignment;
    request.Buttons = Buttons;
    request.DefaultButton = DefaultButton;
    request.HelpCtx = HelpCtx;

    ui::TScreen* screen = ui::Screen();
    const ui::TCursor savedCursor = screen->Cursor();
    screen->SetCursor(ui::crArrow);

    int result = 0;
    TMessageForm* dialog = nullptr;
    // Whatever goes wrong while the dialog is built or shown ends the call with 0: a message
    // must never bring down the step that reports it.
    try {
        dialog = CreateMessageDialog(request);
        const int buttonCount = int(ShownButtons(Buttons).size());
        StartAutoAnswer(*dialog,
                        ChooseAutoAnswer(buttonCount, ui::Application()->MainForm() != nullptr));
        result = dialog->ShowModal();
    } catch (...) {
        result = 0;
    }
    // The timer may still tick: it must find no dialog from here on.
    CurrentDialog = nullptr;
    try {
        ui::Free(dialog);
    } catch (...) {
        result = 0;
    }
    screen->SetCursor(savedCursor);
    return uint16_t(result);
}

} // namespace tk
