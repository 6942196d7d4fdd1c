// The page control's and tab sheet's published properties, as stored forms write them.
#include "platform/ui/streaming/page_control_classes.h"

#include "platform/ui/stdctrls/page_control.h"
#include "platform/ui/streaming/class_builder.h"

namespace ui {

void RegisterPageControlClasses() {
    RegisterComponentClass<TTabSheet, TWinControl>("TTabSheet")
        .Reference<TPageControl>("PageControl",
                                 [](TTabSheet& s, TPageControl* v) { s.SetPageControl(v); })
        .Int("PageIndex", [](TTabSheet& s, int v) { s.SetPageIndex(v); })
        .Bool("TabVisible", [](TTabSheet& s, bool v) { s.SetTabVisible(v); });
    RegisterComponentClass<TPageControl, TCustomControl>("TPageControl")
        .Reference<TTabSheet>("ActivePage",
                              [](TPageControl& p, TTabSheet* v) { p.SetActivePage(v); })
        .Int("TabWidth", [](TPageControl& p, int v) { p.SetTabWidth(v); })
        .Int("TabHeight", [](TPageControl& p, int v) { p.SetTabHeight(v); })
        .Bool("MultiLine", [](TPageControl& p, bool v) { p.SetMultiLine(v); })
        .Bool("OwnerDraw", [](TPageControl& p, bool v) { p.SetOwnerDraw(v); })
        .Event("OnChange", &TPageControl::OnChange)
        .Event("OnChanging", &TPageControl::OnChanging)
        .Event("OnDrawTab", &TPageControl::OnDrawTab);
}

} // namespace ui
