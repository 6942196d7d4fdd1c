#pragma once
// The window menu (system menu) of a top-level window: the commands restore, move, size,
// minimize, maximize and close, as the window's style offers them. A program may rename its
// items and grey them; a greyed close command also keeps the window from being closed through
// the window system (Alt+F4, the close button).
#include <string>

#include "platform/ui/core/messages.h"

namespace ui {

// A window's menu is named by its window's handle; 0 for none.
using HMENU = uintptr_t;

// Item flags: the item is named by its command or by its position; its state.
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MenuItemAbsent = UINT(-1);

// The window menu of a window that has one (WS_SYSMENU), made on first use from the window's
// style; revert gives it back its standard items. 0 for a window without one.
HMENU GetSystemMenu(HWND window, bool revert);
int GetMenuItemCount(HMENU menu);
// The command of the item at a position; MenuItemAbsent for a separator or no item.
UINT GetMenuItemID(HMENU menu, int position);
// Gives an item a new command and text (the state flags of flags become its state); false when
// there is no such item.
bool ModifyMenu(HMENU menu, UINT item, UINT flags, UINT newId, const std::string& text);
// Sets an item's state (MF_ENABLED, MF_GRAYED, MF_DISABLED); the previous state, or
// MenuItemAbsent when there is no such item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
// The item's state flags, or MenuItemAbsent.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The item's text; empty when there is no such item.
std::string GetMenuString(HMENU menu, UINT item, UINT flags);
// Whether the window has a window menu whose close command is greyed or disabled.
bool IsSystemCloseDisabled(HWND window);

} // namespace ui
