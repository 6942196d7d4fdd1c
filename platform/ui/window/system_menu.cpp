#include "platform/ui/window/system_menu.h"

#include <map>
#include <vector>

#include "platform/ui/window/window_system.h"

namespace ui {

namespace {

struct TMenuItem {
    UINT Id;
    UINT State;
    std::string Text;
};
using TMenuItems = std::vector<TMenuItem>;

// The menus made so far, by window. Window handles are never reused, so the menu of a window
// that is gone is dropped when another menu is made.
std::map<HWND, TMenuItems>& Menus() {
    static std::map<HWND, TMenuItems> menus;
    return menus;
}

TMenuItems StandardItems(uint32_t style) {
    TMenuItems items;
    bool boxes = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    if (boxes)
        items.push_back({UINT(SC_RESTORE), MF_GRAYED, "&Restore"});
    items.push_back({UINT(SC_MOVE), MF_ENABLED, "&Move"});
    if (style & WS_THICKFRAME)
        items.push_back({UINT(SC_SIZE), MF_ENABLED, "&Size"});
    if (style & WS_MINIMIZEBOX)
        items.push_back({UINT(SC_MINIMIZE), MF_ENABLED, "Mi&nimize"});
    if (style & WS_MAXIMIZEBOX)
        items.push_back({UINT(SC_MAXIMIZE), MF_ENABLED, "Ma&ximize"});
    items.push_back({MenuItemAbsent, MF_SEPARATOR, ""});
    items.push_back({UINT(SC_CLOSE), MF_ENABLED, "&Close\tAlt+F4"});
    return items;
}

void DropMenusOfGoneWindows() {
    auto& menus = Menus();
    for (auto it = menus.begin(); it != menus.end();)
        it = IsWindow(it->first) ? std::next(it) : menus.erase(it);
}

TMenuItems* FindItems(HMENU menu) {
    if (!IsWindow(HWND(menu)))
        return nullptr;
    auto it = Menus().find(HWND(menu));
    return it == Menus().end() ? nullptr : &it->second;
}

TMenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
    TMenuItems* items = FindItems(menu);
    if (!items)
        return nullptr;
    if (flags & MF_BYPOSITION)
        return item < items->size() ? &(*items)[item] : nullptr;
    for (TMenuItem& entry : *items)
        if (entry.Id == item && !(entry.State & MF_SEPARATOR))
            return &entry;
    return nullptr;
}

constexpr UINT StateMask = MF_GRAYED | MF_DISABLED;

} // namespace

HMENU GetSystemMenu(HWND window, bool revert) {
    uint32_t style = uint32_t(GetWindowLong(window, GWL_STYLE));
    if (!IsWindow(window) || !(style & WS_SYSMENU))
        return 0;
    auto& menus = Menus();
    auto it = menus.find(window);
    if (it == menus.end()) {
        DropMenusOfGoneWindows();
        menus[window] = StandardItems(style);
    } else if (revert) {
        it->second = StandardItems(style);
    }
    return HMENU(window);
}

int GetMenuItemCount(HMENU menu) {
    TMenuItems* items = FindItems(menu);
    return items ? int(items->size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    TMenuItem* entry = position < 0 ? nullptr : FindItem(menu, UINT(position), MF_BYPOSITION);
    return entry ? entry->Id : MenuItemAbsent;
}

bool ModifyMenu(HMENU menu, UINT item, UINT flags, UINT newId, const std::string& text) {
    TMenuItem* entry = FindItem(menu, item, flags);
    if (!entry)
        return false;
    entry->Id = newId;
    entry->State = flags & (StateMask | MF_SEPARATOR);
    entry->Text = (flags & MF_SEPARATOR) ? std::string() : text;
    return true;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    TMenuItem* entry = FindItem(menu, item, enable);
    if (!entry)
        return MenuItemAbsent;
    UINT previous = entry->State & StateMask;
    entry->State = (entry->State & ~StateMask) | (enable & StateMask);
    return previous;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    TMenuItem* entry = FindItem(menu, item, flags);
    return entry ? entry->State : MenuItemAbsent;
}

std::string GetMenuString(HMENU menu, UINT item, UINT flags) {
    TMenuItem* entry = FindItem(menu, item, flags);
    return entry ? entry->Text : std::string();
}

bool IsSystemCloseDisabled(HWND window) {
    if (Menus().find(window) == Menus().end())
        return false;
    UINT state = GetMenuState(HMENU(window), UINT(SC_CLOSE), MF_BYCOMMAND);
    return state != MenuItemAbsent && (state & StateMask) != 0;
}

} // namespace ui
