#include "toolkit/forms/message_dialog_buttons.h"

namespace tk {

TMButtonKind DialogButtonKind(TMsgDlgBtn button) {
    // "No to all" and "yes to all" have no kinds of their own: they look like No and All.
    static constexpr TMButtonKind kKinds[kMsgDlgBtnCount] = {mkYes,   mkNo,    mkOK,     mkCancel,
                                                             mkAbort, mkRetry, mkIgnore, mkAll,
                                                             mkNo,    mkAll,   mkHelp,   mkClose};
    return kKinds[button];
}

std::vector<TMsgDlgBtn> ShownButtons(TMsgDlgButtons buttons) {
    std::vector<TMsgDlgBtn> shown;
    for (int b = 0; b < kMsgDlgBtnCount; ++b)
        if (HasButton(buttons, TMsgDlgBtn(b)))
            shown.push_back(TMsgDlgBtn(b));
    return shown;
}

std::string DialogButtonName(const std::string& caption) {
    std::string name = "Btn";
    for (char c : caption)
        if (c != '&' && c != ' ')
            name += c;
    return name;
}

std::optional<TMsgDlgBtn> EscapeButton(TMsgDlgButtons buttons) {
    const bool cancel = HasButton(buttons, mbCancel);
    if (cancel && HasButton(buttons, mbNo))
        return mbCancel;
    if (!cancel && HasButton(buttons, mbOK))
        return mbOK;
    return std::nullopt;
}

std::string DefaultDialogCaption(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return "Atentie !";
    case mtError:
        return "EROARE !";
    case mtInformation:
        return "Informatie...";
    case mtConfirmation:
        return "Confirmare...";
    default:
        return "";
    }
}

} // namespace tk
