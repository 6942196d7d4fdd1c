// The active text controls and the choice controls as stored forms write them.
#include "toolkit/controls/register_edits.h"

#include "platform/ui/streaming/class_builder.h"
#include "toolkit/controls/active_check_box.h"
#include "toolkit/controls/active_combo.h"
#include "toolkit/controls/active_edit.h"
#include "toolkit/controls/active_label.h"
#include "toolkit/controls/active_memo.h"
#include "toolkit/controls/radio_group.h"

namespace tk {

namespace {

const ui::TEnumNames& AlignmentNames() {
    static const ui::TEnumNames names = {{"taLeftJustify", ui::taLeftJustify},
                                         {"taRightJustify", ui::taRightJustify},
                                         {"taCenter", ui::taCenter}};
    return names;
}
const ui::TEnumNames& BevelCutNames() {
    static const ui::TEnumNames names = {{"bvNone", ui::bvNone},
                                         {"bvLowered", ui::bvLowered},
                                         {"bvRaised", ui::bvRaised},
                                         {"bvSpace", ui::bvSpace}};
    return names;
}
const ui::TEnumNames& BorderStyleNames() {
    static const ui::TEnumNames names = {{"bsNone", ui::bsNone}, {"bsSingle", ui::bsSingle}};
    return names;
}
const ui::TEnumNames& CheckBoxStateNames() {
    static const ui::TEnumNames names = {
        {"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}};
    return names;
}

void RegisterTextControls() {
    ui::RegisterComponentClass<TActiveLabel, ui::TLabel>("TActiveLabel");
    ui::RegisterComponentClass<TActiveEdit, ui::TEdit>("TActiveEdit")
        .Enum("Alignment", AlignmentNames(), "TAlignment",
              [](TActiveEdit& e, int v) { e.SetAlignment(ui::TAlignment(v)); })
        .Reference<TActiveLabel>("AssocLabel",
                                 [](TActiveEdit& e, TActiveLabel* v) { e.SetAssocLabel(v); })
        .Color("LabelColor", [](TActiveEdit& e, ui::TColor v) { e.SetLabelColor(v); })
        .Color("BorderColor", [](TActiveEdit& e, ui::TColor v) { e.SetBorderColor(v); })
        .Color("BorderColorF", [](TActiveEdit& e, ui::TColor v) { e.SetBorderColorF(v); })
        .Bool("FlatStyle", [](TActiveEdit& e, bool v) { e.SetFlatStyle(v); })
        .Enum("BevelOuter", BevelCutNames(), "TBevelCut",
              [](TActiveEdit& e, int v) { e.SetBevelOuter(ui::TPanelBevel(v)); });
    ui::RegisterComponentClass<TActiveMemo, ui::TMemo>("TActiveMemo")
        .Reference<TActiveLabel>("AssocLabel",
                                 [](TActiveMemo& m, TActiveLabel* v) { m.SetAssocLabel(v); })
        .Color("LabelColor", [](TActiveMemo& m, ui::TColor v) { m.SetLabelColor(v); });
    ui::RegisterComponentClass<TActiveCombo, ui::TComboBox>("TActiveCombo")
        .Reference<TActiveLabel>("AssocLabel",
                                 [](TActiveCombo& c, TActiveLabel* v) { c.SetAssocLabel(v); })
        .Color("LabelColor", [](TActiveCombo& c, ui::TColor v) { c.SetLabelColor(v); })
        .Event("OnCloseUp", &TActiveCombo::OnCloseUp)
        .Bool("AutoComplete", [](TActiveCombo& c, bool v) { c.SetAutoComplete(v); })
        .Enum("BorderStyle", BorderStyleNames(), "TBorderStyle",
              [](TActiveCombo& c, int v) { c.SetBorderStyle(ui::TBorderStyle(v)); })
        .Color("BorderColor", [](TActiveCombo& c, ui::TColor v) { c.SetBorderColor(v); })
        .Color("BorderColorF", [](TActiveCombo& c, ui::TColor v) { c.SetBorderColorF(v); })
        .Bool("FlatStyle", [](TActiveCombo& c, bool v) { c.SetFlatStyle(v); })
        .Enum("BevelOuter", BevelCutNames(), "TBevelCut",
              [](TActiveCombo& c, int v) { c.SetBevelOuter(ui::TPanelBevel(v)); })
        .Color("ArrowColor", [](TActiveCombo& c, ui::TColor v) { c.SetArrowColor(v); })
        .Color("ButtonColor", [](TActiveCombo& c, ui::TColor v) { c.SetButtonColor(v); });
}

void RegisterChoiceControls() {
    ui::RegisterAbstractClass<TMCustomCheckBox, ui::TButtonControl>("TMCustomCheckBox")
        .Enum("Alignment", AlignmentNames(), "TLeftRight",
              [](TMCustomCheckBox& b, int v) { b.SetAlignment(ui::TAlignment(v)); })
        .Bool("AllowGrayed", [](TMCustomCheckBox& b, bool v) { b.SetAllowGrayed(v); })
        .Bool("Checked", [](TMCustomCheckBox& b, bool v) { b.SetChecked(v); })
        .Enum("State", CheckBoxStateNames(), "TCheckBoxState",
              [](TMCustomCheckBox& b, int v) { b.SetState(TCheckBoxState(v)); })
        .Object<ui::TBitmap>("Glyph", [](TMCustomCheckBox& b) -> ui::TBitmap& { return b.Glyph(); })
        .Bool("CustomGlyph", [](TMCustomCheckBox& b, bool v) { b.SetCustomGlyph(v); });
    ui::RegisterComponentClass<TActiveCheckBox, TMCustomCheckBox>("TActiveCheckBox");
    ui::RegisterComponentClass<TMRadioButton, ui::TButtonControl>("TMRadioButton")
        .Enum("Alignment", AlignmentNames(), "TLeftRight",
              [](TMRadioButton& b, int v) { b.SetAlignment(ui::TAlignment(v)); })
        .Bool("Checked", [](TMRadioButton& b, bool v) { b.SetChecked(v); });
    ui::RegisterAbstractClass<TMCustomRadioGroup, ui::TCustomGroupBox>("TMCustomRadioGroup")
        .Int("Columns", [](TMCustomRadioGroup& g, int v) { g.SetColumns(v); })
        .Int("ItemIndex", [](TMCustomRadioGroup& g, int v) { g.SetItemIndex(v); })
        .Object<ui::TStrings>("Items",
                              [](TMCustomRadioGroup& g) -> ui::TStrings& { return g.Items(); })
        .Event("OnModify", &TMCustomRadioGroup::OnModify);
    ui::RegisterComponentClass<TMRadioGroup, TMCustomRadioGroup>("TMRadioGroup");
}

} // namespace

void RegisterEditsClasses() {
    RegisterTextControls();
    RegisterChoiceControls();
}

} // namespace tk
