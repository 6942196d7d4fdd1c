#include "toolkit/forms/title_form.h"

#include "platform/ui/forms/application.h"
#include "toolkit/forms/title_bar.h"

namespace tk {

void TTitleForm::ConstructionCompleted() {
    TPaintedForm::ConstructionCompleted();
    // A screen's own key handler sees every key before the focused control.
    SetKeyPreview(true);
}

void TTitleForm::Loaded() {
    TPaintedForm::Loaded();
    TitleBar = dynamic_cast<TTitleBar*>(FindComponent("TitleBar1"));
}

std::string TTitleForm::TitleCaption() const {
    return TitleBar ? TitleBar->Caption() : std::string();
}

void TTitleForm::SetTitleCaption(const std::string& value) {
    if (TitleBar)
        TitleBar->SetCaption(value);
}

void TTitleForm::KeyDown(uint16_t& key, ui::TShiftState shift) {
    if (key == ui::VK_F4 && (shift & ui::ssAlt))
        key = 0;
    if (key == 'M' && (shift & ui::ssCtrl) && (shift & ui::ssAlt)) {
        ui::Application()->Minimize();
        key = 0;
        return;
    }
    TPaintedForm::KeyDown(key, shift);
}

void TTitleForm::Dispatch(ui::TMessage& m) {
    switch (m.Msg) {
    case ui::WM_NCCREATE:
        if (!Designing())
            AdjustWindowStyle();
        TPaintedForm::Dispatch(m);
        return;
    case ui::WM_NCHITTEST:
        TPaintedForm::Dispatch(m);
        if (!Designing())
            m.Result = HitTest(ui::PointFromLParam(m.LParam), m.Result);
        return;
    case ui::WM_NCPAINT:
        TPaintedForm::Dispatch(m);
        PaintFrame();
        return;
    case ui::WM_GETMINMAXINFO:
        TPaintedForm::Dispatch(m);
        if (TitleBar && m.LParam)
            reinterpret_cast<ui::TMinMaxInfo*>(m.LParam)->ptMinTrackSize.Y =
                Height() - ClientHeight() + 25;
        return;
    case ui::WM_ENABLE:
        TPaintedForm::Dispatch(m);
        if (TitleBar)
            TitleBar->SetGrayed(m.WParam == 0);
        return;
    case ui::CM_TEXTCHANGED:
        TPaintedForm::Dispatch(m);
        SetTitleCaption(Text());
        return;
    default:
        TPaintedForm::Dispatch(m);
        return;
    }
}

void TTitleForm::Notification(ui::TComponent* component, ui::TOperation operation) {
    TPaintedForm::Notification(component, operation);
    if (operation == ui::opRemove && static_cast<ui::TComponent*>(TitleBar) == component)
        TitleBar = nullptr;
}

} // namespace tk
