#pragma once
// The list box and combo box requests the controls answer (the platform's LB_ and CB_ values).
#include <string>
#include <vector>

#include "platform/ui/core/messages.h"

namespace ui {

constexpr UINT LB_ERR = UINT(-1);
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_FINDSTRING = 0x018F;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr UINT CB_ERR = UINT(-1);
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_FINDSTRING = 0x014C;
constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
constexpr UINT CB_SELECTSTRING = 0x014D;
constexpr UINT CB_SHOWDROPDOWN = 0x014F;
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
constexpr UINT CB_SETEDITSEL = 0x0142;

// Finds the first item, after index start and wrapping round (-1 searches from the first),
// that begins with text (or, exact, equals it) without regard to case; -1 when none does.
int FindListString(const std::vector<std::string>& items, int start, const std::string& text,
                   bool exact);

} // namespace ui
