#pragma once
// Builds a message dialog by code: a titled message form named "Message" with its title bar, a
// lowered panel ("Panel") holding the kind's picture ("Image") and the bold word-wrapped text
// ("Message"), a rule ("Bevel") and a lowered panel with the centred row of flat buttons, each
// named after its caption ("BtnDa", "BtnRenunt", ...). The form is owned by the application,
// placed in the middle of the screen and not shown.
#include <string>

#include "platform/ui/graphics/types.h"
#include "toolkit/forms/message_dialog_buttons.h"

namespace tk {

class TMessageForm;

struct TMessageDialogSpec {
    std::string Text; // as shown, heading included (see ComposeMessageText)
    std::string Caption;
    TMsgDlgType DlgType = mtInformation;
    ui::TAlignment Alignment = ui::taCenter;
    TMsgDlgButtons Buttons = 0;
    TMsgDlgBtn DefaultButton = mbOK;
    int HelpCtx = 0;
};

// Raises what building raises (two buttons of the same name, for one); nothing is left behind
// then.
TMessageForm* CreateMessageDialog(const TMessageDialogSpec& request);

// The dialog's start colour of its title bar: a dark blue.
constexpr ui::TColor kDialogTitleColor = 8540422;

} // namespace tk
