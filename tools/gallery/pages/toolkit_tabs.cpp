// The skinned tab control: the normal look on the button face and on a coloured panel, and the
// menu look in the module kinds' tab colours; each with a disabled tab and the tab under the
// mouse drawn hot; then a second page chosen and hidden tabs.
#include <string>
#include <vector>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/panel.h"
#include "toolkit/controls/tab_ctrl.h"
#include "toolkit/controls/tab_ctrl_sheet.h"
#include "toolkit/forms/skin.h"
#include "tools/gallery/gallery.h"

namespace {

struct TTabsOnForm {
    ui::TForm* Form = nullptr;
    std::vector<tk::TKesvTabCtrl322*> Controls;
};

// A tab control on parent with four pages: "&Date", "&Liste", "Documente" (disabled) and
// "Rapoarte", each holding a label.
tk::TKesvTabCtrl322* AddTabs(ui::TForm& form, ui::TWinControl& parent, const ui::TRect& bounds,
                             int tipTab) {
    auto* tabs = new tk::TKesvTabCtrl322(&form);
    tabs->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    tabs->SetParent(&parent);
    tabs->SetTipTab(tipTab);
    tabs->TitleFont().SetName("MS Sans Serif");
    tabs->TitleFont().SetHeight(-11);
    tabs->Font().SetStyle(ui::fsBold);
    const char* captions[] = {"&Date", "&Liste", "Documente", "Rapoarte"};
    for (int i = 0; i < 4; ++i) {
        auto* sheet = new tk::TKesvTabSheet2(&form);
        sheet->SetCaption(captions[i]);
        sheet->SetPageControl(tabs);
        sheet->SetTabEnabled(i != 2);
        auto* label = new ui::TLabel(&form);
        label->SetCaption(std::string("Pagina ") + captions[i]);
        label->SetBounds(12, 12, 160, 16);
        label->SetParent(sheet);
    }
    return tabs;
}

void HoverTab(tk::TKesvTabCtrl322& tabs, int tab) {
    ui::TRect r = tabs.TabRect(tab);
    tabs.Perform(ui::WM_MOUSEMOVE, 0,
                 ui::PointToLParam({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

TTabsOnForm MakeForm() {
    TTabsOnForm f;
    f.Form = ui::CreateNewForm<ui::TForm>(ui::Application());
    f.Form->SetBorderStyle(ui::bsNone);
    f.Form->SetBounds(0, 0, 760, 420);
    f.Form->SetColor(ui::clBtnFace);
    f.Controls.push_back(AddTabs(*f.Form, *f.Form, ui::Bounds(10, 10, 370, 200), 0));
    auto* panel = new ui::TPanel(f.Form);
    panel->SetBounds(380, 0, 380, 210);
    panel->SetBevelOuter(ui::bvNone);
    panel->SetColor(0x8B5A2B);
    panel->SetParent(f.Form);
    f.Controls.push_back(AddTabs(*f.Form, *panel, ui::Bounds(10, 10, 360, 190), 0));
    f.Controls.push_back(AddTabs(*f.Form, *f.Form, ui::Bounds(10, 215, 370, 200), 1 + tk::mDate));
    f.Controls.push_back(AddTabs(*f.Form, *f.Form, ui::Bounds(390, 215, 360, 200), 1 + tk::mListe));
    f.Form->Show();
    return f;
}

KX_GALLERY_PAGE("toolkit_tabs", [](gallery::TGalleryContext& g) {
    tk::StartToolkit();
    TTabsOnForm f = MakeForm();
    g.Save("tabs_normal_and_menu", *f.Form);
    for (auto* tabs : f.Controls)
        HoverTab(*tabs, 3);
    g.Save("tabs_hot", *f.Form);
    for (auto* tabs : f.Controls) {
        tabs->Perform(ui::CM_MOUSELEAVE, 0, 0);
        tabs->SetPageIndex(1);
        HoverTab(*tabs, 0);
    }
    g.Save("tabs_second_page_hot_first", *f.Form);
    for (auto* tabs : f.Controls)
        tabs->SetTabHSize(-1);
    g.Save("tabs_hidden", *f.Form);
    ui::Free(f.Form);
});

} // namespace
