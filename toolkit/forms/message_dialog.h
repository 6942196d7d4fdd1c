#pragma once
// MessageDialog: the toolkit's one way to warn, report an error, inform or ask. It builds a
// titled dialog for the call, shows it modally in the middle of the screen and returns the
// modal result of the button that closed it: 1 OK, 2 cancel (also an automatic close), 3 abort,
// 4 retry, 5 ignore, 6 yes, 7 no, 12 all; 0 when the dialog could not be built or shown.
// MessageHeading (message_dialog_text.h) goes in front of every text while it is set.
#include <cstdint>
#include <string>

#include "platform/ui/graphics/types.h"
#include "toolkit/forms/message_dialog_auto.h"
#include "toolkit/forms/message_dialog_buttons.h"
#include "toolkit/forms/message_dialog_text.h"

namespace tk {

// Caption empty: the kind's default caption. Msg and heading together are cut after 2550
// characters. A DefaultButton not among Buttons leaves the dialog without a default button.
uint16_t MessageDialog(const std::string& Msg, const std::string& Caption, TMsgDlgType DlgType,
                       ui::TAlignment Alignment, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton,
                       int32_t HelpCtx = 0);

} // namespace tk
