#include "toolkit/controls/tab_ctrl_sheet.h"

#include "platform/ui/stdctrls/panel.h"

namespace tk {

namespace {

constexpr int kLastMenuTab = 6;
constexpr ui::TColor kNoPanelColor = 0x00FF00;

} // namespace

TKesvTabSheet2::TKesvTabSheet2(ui::TComponent* owner) : ui::TTabSheet(owner) {
    SetColor(ui::clWindow);
    SetDoubleBuffered(true);
}

void TKesvTabSheet2::RepaintPageControl() {
    if (PageControl())
        PageControl()->Invalidate();
}

void TKesvTabSheet2::SetTabEnabled(bool value) {
    if (tabEnabled_ == value)
        return;
    tabEnabled_ = value;
    RepaintPageControl();
}

void TKesvTabSheet2::SetMenuTabIndex(int value) {
    if (value < 0 || value > kLastMenuTab || value == menuTabIndex_)
        return;
    menuTabIndex_ = value;
    RepaintPageControl();
}

ui::TColor TKesvTabSheet2::PanelColor() const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* panel = dynamic_cast<ui::TCustomPanel*>(Controls(i)))
            return panel->Color();
    return kNoPanelColor;
}

void TKesvTabSheet2::Dispatch(ui::TMessage& m) {
    if (m.Msg == ui::WM_ERASEBKGND) {
        // A double-buffered erase comes with the paint's own context in both parameters; the
        // other erase would only flicker.
        auto dc = reinterpret_cast<ui::HDC>(m.WParam);
        if (dc && (!DoubleBuffered() || m.WParam == ui::WPARAM(m.LParam))) {
            dc->Brush().SetStyle(ui::bsSolid);
            dc->Brush().SetColor(Color());
            dc->FillRect(ClientRect());
        }
        m.Result = 1;
        return;
    }
    ui::TTabSheet::Dispatch(m);
}

} // namespace tk
