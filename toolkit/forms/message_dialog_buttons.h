#pragma once
// The message dialog's buttons and kinds: which toolkit button kind each requested button
// becomes, in which order they stand, how they are named, which one answers Escape, and the
// caption a kind of dialog gets when the caller gives none.
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/forms/skin.h"

namespace tk {

// The buttons a message dialog can show, in the order they stand in its row.
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};
constexpr int kMsgDlgBtnCount = mbClose + 1;

// A set of TMsgDlgBtn, one bit per value.
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons MsgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
    TMsgDlgButtons set = 0;
    for (TMsgDlgBtn b : buttons)
        set |= 1u << unsigned(b);
    return set;
}
constexpr bool HasButton(TMsgDlgButtons set, TMsgDlgBtn button) {
    return (set >> unsigned(button)) & 1u;
}

// The toolkit button kind a dialog button is made of; the kind brings its caption and result.
TMButtonKind DialogButtonKind(TMsgDlgBtn button);

// The requested buttons in row order (values outside the enumeration are ignored).
std::vector<TMsgDlgBtn> ShownButtons(TMsgDlgButtons buttons);

// "Btn" followed by the caption without any "&" or space ("&Renunt" -> "BtnRenunt").
std::string DialogButtonName(const std::string& caption);

// The button that answers Escape: Cancel when No and Cancel are both shown, OK when OK is shown
// without Cancel, otherwise none (a Yes/No question cannot be dismissed with Escape).
std::optional<TMsgDlgBtn> EscapeButton(TMsgDlgButtons buttons);

// "Atentie !", "EROARE !", "Informatie...", "Confirmare..." and "" for mtCustom (and for a
// value outside the enumeration).
std::string DefaultDialogCaption(TMsgDlgType type);

} // namespace tk
