// The tab control and its pages as stored forms describe them.
#include "toolkit/controls/register_tabs.h"

#include "platform/ui/streaming/class_builder.h"
#include "toolkit/controls/tab_ctrl.h"
#include "toolkit/controls/tab_ctrl_sheet.h"

namespace tk {

void RegisterTabsClasses() {
    using ui::TColor;
    ui::RegisterComponentClass<TKesvTabSheet2, ui::TTabSheet>("TKesvTabSheet2")
        .Bool("TabEnabled", [](TKesvTabSheet2& s, bool v) { s.SetTabEnabled(v); })
        .Int("MenuTabIndex", [](TKesvTabSheet2& s, int v) { s.SetMenuTabIndex(v); });
    ui::RegisterComponentClass<TKesvTabCtrl322, ui::TPageControl>("TKesvTabCtrl322")
        .Reference<ui::TTabSheet>("ActivePage",
                                  [](TKesvTabCtrl322& t, ui::TTabSheet* v) { t.SetActivePage(v); })
        .Int("TabIndex", [](TKesvTabCtrl322& t, int v) { t.SetTabIndex(v); })
        .Int("PageIndex", [](TKesvTabCtrl322& t, int v) { t.SetPageIndex(v); })
        .Int("TipTab", [](TKesvTabCtrl322& t, int v) { t.SetTipTab(v); })
        .Int("TabWSize", [](TKesvTabCtrl322& t, int v) { t.SetTabWSize(v); })
        .Int("TabHSize", [](TKesvTabCtrl322& t, int v) { t.SetTabHSize(v); })
        .Object<ui::TFont>("TitleFont",
                           [](TKesvTabCtrl322& t) -> ui::TFont& { return t.TitleFont(); })
        .Int("CustomTabWidth", [](TKesvTabCtrl322& t, int v) { t.SetCustomTabWidth(v); })
        .Color("ShortcutColor", [](TKesvTabCtrl322& t, TColor v) { t.SetShortcutColor(v); })
        .Color("MiddleColor", [](TKesvTabCtrl322& t, TColor v) { t.SetMiddleColor(v); })
        .Color("DarkColor", [](TKesvTabCtrl322& t, TColor v) { t.SetDarkColor(v); })
        .Bool("DarkColorUse", [](TKesvTabCtrl322& t, bool v) { t.SetDarkColorUse(v); })
        .Event("OnTabChange", &TKesvTabCtrl322::OnTabChange);
}

} // namespace tk
