// The active text controls and the choice controls: labels with their edits, memo and combos
// (plain and flat, right-aligned and centred, read-only, password, disabled), check boxes in
// their three states, radio buttons and radio groups in one to three columns; pictured
// unfocused, with the focus on an edit, a combo, a check box and a group button, dropped down
// and disabled.
#include <string>
#include <vector>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "toolkit/controls/active_check_box.h"
#include "toolkit/controls/active_combo.h"
#include "toolkit/controls/active_edit.h"
#include "toolkit/controls/active_label.h"
#include "toolkit/controls/active_memo.h"
#include "toolkit/controls/radio_group.h"
#include "toolkit/forms/skin.h"
#include "tools/gallery/gallery.h"

namespace {

// The screens' edit colours: light grey face, darker grey border.
constexpr ui::TColor Grid = 0xDFDFDF;
constexpr ui::TColor Border = 0xA9A9A9;

struct TEditsForm {
    ui::TForm* Form = nullptr;
    std::vector<ui::TControl*> Disableable;
    tk::TActiveEdit* RightEdit = nullptr;
    tk::TActiveCombo* FlatCombo = nullptr;
    tk::TActiveCheckBox* Check = nullptr;
    tk::TMRadioGroup* Group = nullptr;
};

template <class T> T* Place(TEditsForm& f, int left, int top, int width, int height) {
    auto* control = new T(f.Form);
    control->SetBounds(left, top, width, height);
    control->SetParent(f.Form);
    return control;
}

tk::TActiveLabel* Label(TEditsForm& f, int left, int top, const std::string& caption) {
    auto* label = Place<tk::TActiveLabel>(f, left, top, 110, 16);
    label->SetCaption(caption);
    label->SetTransparent(true);
    f.Disableable.push_back(label);
    return label;
}

tk::TActiveEdit* Edit(TEditsForm& f, int top, const std::string& caption, const std::string& text,
                      ui::TAlignment alignment, bool flat) {
    auto* edit = Place<tk::TActiveEdit>(f, 130, top, 150, 21);
    edit->SetAssocLabel(Label(f, 10, top + 3, caption));
    edit->SetText(text);
    edit->SetAlignment(alignment);
    edit->SetColor(Grid);
    edit->SetBorderColor(Border);
    edit->SetFlatStyle(flat);
    f.Disableable.push_back(edit);
    return edit;
}

void AddTextControls(TEditsForm& f) {
    Edit(f, 10, "&Program", "C:\\Kesvard", ui::taLeftJustify, true);
    f.RightEdit = Edit(f, 38, "&Suma", "1.250,00", ui::taRightJustify, true);
    Edit(f, 66, "C&entrat", "centru", ui::taCenter, true);
    Edit(f, 94, "Doar &citire", "nu se schimba", ui::taLeftJustify, false)->SetReadOnly(true);
    Edit(f, 122, "P&arola", "secret", ui::taRightJustify, true)->SetPasswordChar('*');
    Edit(f, 150, "Ridicat", "bevel ridicat", ui::taLeftJustify, true)->SetBevelOuter(ui::bvRaised);

    auto* memo = Place<tk::TActiveMemo>(f, 130, 180, 150, 50);
    memo->SetAssocLabel(Label(f, 10, 183, "&Observatii"));
    memo->SetColor(Grid);
    memo->Lines().Assign({"Prima linie", "A doua linie"});
    f.Disableable.push_back(memo);

    const char* items[] = {"LOCAL", "SERVER", "CLIENT"};
    for (int i = 0; i < 3; ++i) {
        int top = 240 + i * 30;
        auto* combo = Place<tk::TActiveCombo>(f, 130, top, 150, 21);
        combo->Items().Assign({"LOCAL", "SERVER", "CLIENT"});
        combo->SetItemIndex(i);
        combo->SetColor(Grid);
        combo->SetBorderColor(Border);
        combo->SetFlatStyle(i != 0);
        combo->SetBorderStyle(i == 2 ? ui::bsSingle : ui::bsNone);
        combo->SetAssocLabel(Label(f, 10, top + 3, std::string("&Tip ") + items[i]));
        f.Disableable.push_back(combo);
        if (i == 2)
            f.FlatCombo = combo;
    }
}

void AddChoiceControls(TEditsForm& f) {
    const tk::TCheckBoxState states[] = {tk::cbUnchecked, tk::cbChecked, tk::cbGrayed};
    const char* captions[] = {"&Structuri", "&Liste", "C&onstante"};
    for (int i = 0; i < 3; ++i) {
        auto* box = Place<tk::TActiveCheckBox>(f, 310, 10 + i * 22, 140, 17);
        box->SetCaption(captions[i]);
        box->SetAllowGrayed(true);
        box->SetState(states[i]);
        f.Disableable.push_back(box);
        if (i == 0)
            f.Check = box;
    }
    auto* right = Place<tk::TActiveCheckBox>(f, 310, 76, 140, 17);
    right->SetCaption("Caseta la &dreapta");
    right->SetAlignment(ui::taLeftJustify);
    right->SetChecked(true);
    f.Disableable.push_back(right);

    for (int i = 0; i < 2; ++i) {
        auto* radio = Place<tk::TMRadioButton>(f, 470, 10 + i * 22, 120, 17);
        radio->SetCaption(i == 0 ? "&Unu" : "&Doi");
        radio->SetChecked(i == 1);
        f.Disableable.push_back(radio);
    }

    const int columns[] = {1, 2, 3};
    const int counts[] = {3, 5, 6};
    for (int g = 0; g < 3; ++g) {
        auto* group = Place<tk::TMRadioGroup>(f, 310, 110 + g * 80, 290, 70);
        group->SetColumns(columns[g]);
        std::vector<std::string> items;
        for (int i = 0; i < counts[g]; ++i)
            items.push_back("Optiunea &" + std::to_string(i + 1));
        group->Items().Assign(items);
        group->SetItemIndex(g);
        f.Disableable.push_back(group);
        if (g == 0)
            f.Group = group;
    }
}

TEditsForm MakeForm() {
    TEditsForm f;
    f.Form = ui::CreateNewForm<ui::TForm>(ui::Application());
    f.Form->SetBorderStyle(ui::bsNone);
    f.Form->SetBounds(0, 0, 620, 360);
    f.Form->SetColor(0xCFCFCF);
    AddTextControls(f);
    AddChoiceControls(f);
    f.Form->Show();
    return f;
}

KX_GALLERY_PAGE("toolkit_edits", [](gallery::TGalleryContext& g) {
    tk::StartToolkit();
    TEditsForm f = MakeForm();
    g.Save("toolkit_edits_unfocused", *f.Form);
    f.RightEdit->SetFocus();
    g.Save("toolkit_edits_focus_right_edit", *f.Form);
    f.FlatCombo->SetFocus();
    g.Save("toolkit_edits_focus_flat_combo", *f.Form);
    f.FlatCombo->SetDroppedDown(true);
    g.Save("toolkit_edits_flat_combo_dropped", *f.Form);
    f.FlatCombo->SetDroppedDown(false);
    f.Check->SetFocus();
    g.Save("toolkit_edits_focus_check_box", *f.Form);
    f.Group->Buttons(0)->SetFocus();
    g.Save("toolkit_edits_focus_group_button", *f.Form);
    for (ui::TControl* control : f.Disableable)
        control->SetEnabled(false);
    g.Save("toolkit_edits_disabled", *f.Form);
    ui::Free(f.Form);
});

} // namespace
