// The active controls read from a stored form: every published property the screens write,
// the toolkit's colour names, the label reference, and a radio group whose ItemIndex is written
// before its Items.
#include "edits_fixture.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/streaming/form_reader.h"
#include "platform/ui/ui_test_support.h"
#include "toolkit/controls/active_check_box.h"
#include "toolkit/controls/active_combo.h"
#include "toolkit/controls/active_edit.h"
#include "toolkit/controls/active_label.h"
#include "toolkit/controls/active_memo.h"
#include "toolkit/controls/radio_group.h"

namespace tk::test {
namespace {

const char* const StoredEdits = R"(object EditsForm: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object LCale: TActiveLabel
    Left = 8
    Top = 8
    Width = 60
    Height = 13
    Caption = '&Cale'
  end
  object ECale: TActiveEdit
    Left = 80
    Top = 8
    Width = 150
    Height = 21
    Alignment = taRightJustify
    AssocLabel = LCale
    LabelColor = clWhite
    Color = clGrid
    BorderColor = cl2
    BorderColorF = cl3
    FlatStyle = True
    BevelOuter = bvLowered
  end
  object MNote: TActiveMemo
    Left = 80
    Top = 40
    AssocLabel = LCale
    LabelColor = clRed
  end
  object CTip: TActiveCombo
    Left = 80
    Top = 140
    AutoComplete = True
    BorderStyle = bsSingle
    BorderColor = cl2
    BorderColorF = clWhite
    FlatStyle = True
    BevelOuter = bvRaised
    ArrowColor = clNavy
    ButtonColor = clGrid
    Items.Strings = (
      'LOCAL'
      'SERVER')
  end
  object XStruct: TActiveCheckBox
    Left = 250
    Top = 8
    Caption = '&Structuri'
    AllowGrayed = True
    State = cbGrayed
    Alignment = taLeftJustify
    CustomGlyph = False
  end
  object RUnu: TMRadioButton
    Left = 250
    Top = 30
    Caption = '&Unu'
    Checked = True
    Alignment = taLeftJustify
  end
  object GTip: TMRadioGroup
    Left = 250
    Top = 60
    Width = 140
    Height = 90
    ItemIndex = 2
    Columns = 2
    Items.Strings = (
      'LOCAL'
      'SERVER'
      'CLIENT')
  end
end
)";

template <class T> T& Named(ui::TComponent& form, const char* name) {
    auto* found = dynamic_cast<T*>(form.FindComponent(name));
    if (!found)
        throw std::runtime_error(std::string("missing ") + name);
    return *found;
}

TEST_F(EditsTest, StoredFormSetsEveryPublishedProperty) {
    auto form = ui::test::NewForm<ui::TForm>();
    ui::ReadComponentText(*form, StoredEdits, "edits.dfm");

    auto& label = Named<TActiveLabel>(*form, "LCale");
    auto& edit = Named<TActiveEdit>(*form, "ECale");
    EXPECT_EQ(edit.Alignment(), ui::taRightJustify);
    EXPECT_EQ(edit.LabelColor(), ui::clWhite);
    EXPECT_EQ(edit.Color(), 0xDFDFDF);
    EXPECT_EQ(edit.BorderColor(), 0xA9A9A9);
    EXPECT_EQ(edit.BorderColorF(), 0xCFCFCF);
    EXPECT_TRUE(edit.FlatStyle());
    EXPECT_EQ(edit.BevelOuter(), ui::bvLowered);

    auto& memo = Named<TActiveMemo>(*form, "MNote");
    EXPECT_EQ(memo.AssocLabel(), &label);
    EXPECT_EQ(memo.LabelColor(), ui::clRed);
    EXPECT_EQ(memo.BorderStyle(), ui::bsNone);
    // The last control to name the label is the one it focuses.
    EXPECT_EQ(label.FocusControl(), &memo);
    EXPECT_EQ(edit.AssocLabel(), &label);

    auto& combo = Named<TActiveCombo>(*form, "CTip");
    EXPECT_TRUE(combo.AutoComplete());
    EXPECT_EQ(combo.BorderStyle(), ui::bsSingle);
    EXPECT_EQ(combo.BorderColor(), 0xA9A9A9);
    EXPECT_EQ(combo.BorderColorF(), ui::clWhite);
    EXPECT_TRUE(combo.FlatStyle());
    EXPECT_EQ(combo.BevelOuter(), ui::bvRaised);
    EXPECT_EQ(combo.ArrowColor(), ui::clNavy);
    EXPECT_EQ(combo.ButtonColor(), 0xDFDFDF);
    EXPECT_EQ(combo.Items().Count(), 2);

    auto& box = Named<TActiveCheckBox>(*form, "XStruct");
    EXPECT_TRUE(box.AllowGrayed());
    EXPECT_EQ(box.State(), cbGrayed);
    EXPECT_EQ(box.Alignment(), ui::taLeftJustify);
    EXPECT_FALSE(box.CustomGlyph());

    auto& radio = Named<TMRadioButton>(*form, "RUnu");
    EXPECT_TRUE(radio.Checked());
    EXPECT_EQ(radio.Alignment(), ui::taLeftJustify);

    auto& group = Named<TMRadioGroup>(*form, "GTip");
    EXPECT_EQ(group.Columns(), 2);
    EXPECT_EQ(group.ItemIndex(), 2);
    ASSERT_EQ(group.ButtonCount(), 3);
    EXPECT_TRUE(group.Buttons(2)->Checked());
    EXPECT_FALSE(group.Buttons(0)->Checked());
    EXPECT_EQ(group.Buttons(2)->BoundsRect().Left, 70);
}

TEST_F(EditsTest, StoredLabelFreedWithItsFormLeavesNoDanglingReference) {
    auto form = ui::test::NewForm<ui::TForm>();
    ui::ReadComponentText(*form, StoredEdits, "edits.dfm");
    auto& edit = Named<TActiveEdit>(*form, "ECale");
    ui::Free(form->FindComponent("LCale"));
    EXPECT_EQ(edit.AssocLabel(), nullptr);
    EXPECT_EQ(Named<TActiveMemo>(*form, "MNote").AssocLabel(), nullptr);
}

} // namespace
} // namespace tk::test
