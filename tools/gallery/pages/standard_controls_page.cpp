// The standard controls: the form with one of each as it opens, then each control in its
// other states: focused, disabled, read-only, dropped down, pushed, and the gauge's kinds.
#include "platform/ui/forms/application.h"
#include "platform/ui/stdctrls/bevel.h"
#include "platform/ui/stdctrls/combo_box.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/gauge.h"
#include "platform/ui/stdctrls/group_box.h"
#include "platform/ui/stdctrls/memo.h"
#include "platform/ui/testing/standard_controls_form.h"
#include "platform/ui/window/window_system.h"
#include "tools/gallery/gallery.h"

namespace {

template <class T> T& Named(ui::TComponent& form, const std::string& name) {
    return dynamic_cast<T&>(*form.FindComponent(name));
}

KX_GALLERY_PAGE("standard_controls", [](gallery::TGalleryContext& g) {
    ui::testing::RegisterStandardControlsForm();
    auto* form = ui::CreateForm<ui::testing::TStandardControlsForm>(ui::Application());
    form->Show();
    g.Save("stdctrls_form", *form);

    auto& edit = Named<ui::TEdit>(*form, "ProgramEdit");
    edit.SetFocus();
    edit.SetSelStart(3);
    edit.SetSelLength(7);
    g.Save("stdctrls_edit_focused_selection", *form);
    edit.SetEnabled(false);
    Named<ui::TMemo>(*form, "NoteMemo").SetEnabled(false);
    Named<ui::TComboBox>(*form, "KindCombo").SetEnabled(false);
    Named<ui::TGroupBox>(*form, "OptionsGroup").SetEnabled(false);
    g.Save("stdctrls_disabled", *form);
    edit.SetEnabled(true);
    Named<ui::TMemo>(*form, "NoteMemo").SetEnabled(true);
    Named<ui::TComboBox>(*form, "KindCombo").SetEnabled(true);
    Named<ui::TGroupBox>(*form, "OptionsGroup").SetEnabled(true);

    auto& combo = Named<ui::TComboBox>(*form, "KindCombo");
    combo.SetFocus();
    g.Save("stdctrls_combo_focused", *form);
    combo.SetDroppedDown(true);
    g.Save("stdctrls_combo_dropped_form", *form);
    // The list is a popup window of its own, owned by the combo.
    if (auto* list = dynamic_cast<ui::TWinControl*>(combo.Components(0)))
        g.Save("stdctrls_combo_list", *list);
    combo.SetDroppedDown(false);

    auto& ok = Named<ui::TWinControl>(*form, "OkButton");
    ui::SendMessage(ok.Handle(), ui::BM_SETSTATE, 1, 0);
    g.Save("stdctrls_button_pushed", *form);
    ui::SendMessage(ok.Handle(), ui::BM_SETSTATE, 0, 0);

    auto& gauge = Named<ui::TGauge>(*form, "CopyProgress");
    for (int progress : {0, 55, 100}) {
        gauge.SetProgress(progress);
        g.Save("stdctrls_gauge_" + std::to_string(progress), *form);
    }
    ui::Free(form);

    // The bevel shapes and the gauge kinds side by side on a plain form.
    auto* shapes = ui::CreateNewForm<ui::TForm>(ui::Application());
    shapes->SetBounds(100, 100, 420, 200);
    shapes->SetColor(ui::clBtnFace);
    const ui::TBevelShape bevelShapes[] = {ui::bsBox,        ui::bsFrame,    ui::bsTopLine,
                                           ui::bsBottomLine, ui::bsLeftLine, ui::bsRightLine};
    for (int i = 0; i < 6; ++i) {
        for (int style = 0; style < 2; ++style) {
            auto* bevel = new ui::TBevel(shapes);
            bevel->SetBounds(10 + i * 65, 10 + style * 50, 50, 40);
            bevel->SetShape(bevelShapes[i]);
            bevel->SetStyle(ui::TBevelStyle(style));
            bevel->SetParent(shapes);
        }
    }
    const ui::TGaugeKind kinds[] = {ui::gkText, ui::gkHorizontalBar, ui::gkVerticalBar, ui::gkPie,
                                    ui::gkNeedle};
    for (int i = 0; i < 5; ++i) {
        auto* gaugeKind = new ui::TGauge(shapes);
        gaugeKind->SetBounds(10 + i * 80, 110, 70, 70);
        gaugeKind->SetKind(kinds[i]);
        gaugeKind->SetForeColor(ui::clNavy);
        gaugeKind->SetProgress(65);
        gaugeKind->SetParent(shapes);
    }
    shapes->Show();
    g.Save("stdctrls_bevels_and_gauges", *shapes);
    ui::Free(shapes);
});

} // namespace
