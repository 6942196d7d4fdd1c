// The window menu in Romanian; its close command is greyed, so the window menu never closes a
// form.
#include "platform/ui/window/system_menu.h"
#include "toolkit/forms/mform.h"

namespace tk {

namespace {

struct TMenuText {
    ui::WPARAM Command;
    const char* Text;
};

constexpr TMenuText WindowMenuTexts[] = {
    {ui::SC_RESTORE, "&Restaureaza"},  {ui::SC_MOVE, "&Muta"},
    {ui::SC_SIZE, "&Dimensioneaza"},   {ui::SC_MINIMIZE, "Mi&nimizeaza"},
    {ui::SC_MAXIMIZE, "Ma&ximizeaza"}, {ui::SC_CLOSE, "&Inchide    ALT+F4"},
};

} // namespace

void TMForm::NameWindowMenu() {
    if (BorderStyle() == ui::bsNone || !(BorderIcons() & ui::biSystemMenu))
        return;
    ui::HMENU menu = ui::GetSystemMenu(WindowHandle(), false);
    if (!menu)
        return;
    for (const TMenuText& item : WindowMenuTexts)
        ui::ModifyMenu(menu, ui::UINT(item.Command), ui::MF_BYCOMMAND | ui::MF_STRING,
                       ui::UINT(item.Command), item.Text);
    ui::EnableMenuItem(menu, ui::UINT(ui::SC_CLOSE), ui::MF_BYCOMMAND | ui::MF_GRAYED);
}

} // namespace tk
