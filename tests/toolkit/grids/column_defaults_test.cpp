// A column's values: the defaults it takes from its field and grid, and the stored values that
// replace them once assigned.
#include <gtest/gtest.h>

#include "fake_grid.h"
#include "toolkit/grids/grid_columns.h"

namespace {

using namespace Colgrid;
using gridtest::FakeGrid;
using gridtest::GridWithData;

TEST(ColumnDefaults, WithoutGridThePlatformsDefaultsApply) {
    TMDBGridColumns columns(nullptr);
    TMColumn& column = columns.Add();
    EXPECT_EQ(column.Color(), ui::clWindow);
    EXPECT_EQ(column.Title().Color(), ui::clBtnFace);
    EXPECT_EQ(column.Alignment(), ui::taLeftJustify);
    EXPECT_EQ(column.Width(), 64);
    EXPECT_EQ(column.DropDownRows(), 7);
    EXPECT_EQ(column.ButtonStyle(), cbsNone);
    EXPECT_TRUE(column.AssignedValues().Empty());
    column.SetFieldName("Cod");
    EXPECT_EQ(column.Title().Caption(), "Cod");
    // Without a grid the title takes the column's own font.
    column.Font().SetHeight(-20);
    EXPECT_EQ(column.Title().Font().Height(), -20);
}

TEST(ColumnDefaults, FollowTheGridAndTheFieldUntilAssigned) {
    GridWithData g({{"Pret", data::ftFloat, 0}});
    g.dataSet.FieldByName("Pret").SetDisplayLabel("Pret unitar");
    TMColumn& column = g.grid.Columns().Add();
    column.SetFieldName("Pret");

    EXPECT_EQ(column.Color(), g.grid.color);
    EXPECT_EQ(column.Title().Color(), g.grid.fixedColor);
    EXPECT_EQ(column.Alignment(), ui::taRightJustify); // a number field's alignment
    EXPECT_EQ(column.Title().Alignment(), ui::taCenter);
    EXPECT_EQ(column.Title().Caption(), "Pret unitar");
    EXPECT_TRUE(column.Font() == g.grid.font);
    EXPECT_TRUE(column.Title().Font() == g.grid.titleFont);

    // A later change of the grid reaches every value that was not assigned.
    g.grid.color = ui::clYellow;
    g.grid.font.SetColor(ui::clRed);
    g.grid.titleFont.SetName("Courier New");
    EXPECT_EQ(column.Color(), ui::clYellow);
    EXPECT_EQ(column.Font().Color(), ui::clRed);
    EXPECT_EQ(column.Title().Font().Name(), "Courier New");

    column.SetColor(ui::clAqua);
    column.Title().SetCaption("Pret");
    column.Title().SetAlignment(ui::taLeftJustify);
    g.grid.color = ui::clLime;
    g.dataSet.FieldByName("Pret").SetDisplayLabel("Altceva");
    EXPECT_EQ(column.Color(), ui::clAqua);
    EXPECT_EQ(column.Title().Caption(), "Pret");
    EXPECT_EQ(column.Title().Alignment(), ui::taLeftJustify);
}

TEST(ColumnDefaults, ChangingTheColumnFontAssignsItAndResetsAnUnassignedTitleFont) {
    FakeGrid grid;
    TMColumn& column = grid.Columns().Add();
    column.Font().SetStyle(ui::fsItalic);
    EXPECT_TRUE(column.AssignedValues().Contains(cvFont));
    EXPECT_FALSE(column.AssignedValues().Contains(cvTitleFont));
    grid.font.SetHeight(-30);
    EXPECT_EQ(column.Font().Height(), -13); // assigned: the grid no longer reaches it
    EXPECT_TRUE(column.Title().Font() == grid.titleFont);

    column.Title().Font().SetName("Times New Roman");
    EXPECT_TRUE(column.AssignedValues().Contains(cvTitleFont));
    grid.titleFont.SetName("Arial");
    EXPECT_EQ(column.Title().Font().Name(), "Times New Roman");
}

TEST(ColumnDefaults, FlaggedSettersStoreOnlyWhatDiffers) {
    FakeGrid grid;
    TMColumn& column = grid.Columns().Add();
    // Width and Tag equal to their defaults are not taken as assigned...
    column.SetWidth(grid.defaultColWidth);
    column.SetTag(0);
    EXPECT_FALSE(column.AssignedValues().Contains(cvWidth));
    EXPECT_FALSE(column.AssignedValues().Contains(cvTag));
    // ...other values are, even when equal to the default.
    column.SetReadOnly(false);
    EXPECT_TRUE(column.AssignedValues().Contains(cvReadOnly));
    EXPECT_FALSE(column.IsReadOnlyStored());

    column.SetWidth(120);
    column.SetTag(5);
    EXPECT_EQ(column.Width(), 120);
    EXPECT_EQ(column.Tag(), 5);
    // Once assigned, a width equal to the default is kept as assigned.
    column.SetWidth(grid.defaultColWidth);
    EXPECT_TRUE(column.AssignedValues().Contains(cvWidth));
    grid.defaultColWidth = 90;
    EXPECT_EQ(column.Width(), 70);
}

TEST(ColumnDefaults, RestoreDefaultsForgetsEveryStoredValue) {
    FakeGrid grid;
    TMColumn& column = grid.Columns().Add();
    column.SetFieldName("Cod");
    column.SetColor(ui::clRed);
    column.SetWidth(200);
    column.SetAllCaps(true);
    column.SetTranslateValue(true);
    column.Font().SetHeight(-25);
    column.Title().SetCaption("Codul");
    column.Title().SetColor(ui::clBlue);
    column.Title().Font().SetStyle(ui::fsUnderline);
    column.PickList().Add("1=Activ");
    column.SetButtonStyle(cbsComboOnly);

    column.RestoreDefaults();
    EXPECT_TRUE(column.AssignedValues().Empty());
    EXPECT_EQ(column.Color(), grid.color);
    EXPECT_EQ(column.Width(), grid.defaultColWidth);
    EXPECT_FALSE(column.AllCaps());
    EXPECT_FALSE(column.TranslateValue());
    EXPECT_TRUE(column.Font() == grid.font);
    EXPECT_EQ(column.Title().Caption(), "Cod");
    EXPECT_EQ(column.Title().Color(), grid.fixedColor);
    EXPECT_TRUE(column.Title().Font() == grid.titleFont);
    EXPECT_FALSE(column.HasPickList());
    EXPECT_EQ(column.ButtonStyle(), cbsNone);
    EXPECT_EQ(column.FieldName(), "Cod");
}

TEST(ColumnDefaults, AssignCopiesOnlyFlaggedValuesAndNeverTheLeftNeighbour) {
    FakeGrid grid;
    TMColumn& source = grid.Columns().Add();
    source.SetFieldName("Denumire");
    source.SetLeftFieldName("Cod");
    source.SetColor(ui::clRed);
    source.Title().SetAlignment(ui::taRightJustify);
    source.SetDropDownRows(12);
    source.PickList().Add("a");

    TMColumn& target = grid.Columns().Add();
    target.SetWidth(300);
    target.Title().SetCaption("ramas");
    target.Assign(source);

    EXPECT_EQ(target.FieldName(), "Denumire");
    EXPECT_EQ(target.LeftFieldName(), "");
    EXPECT_EQ(target.Color(), ui::clRed);
    EXPECT_EQ(target.Title().Alignment(), ui::taRightJustify);
    EXPECT_EQ(target.DropDownRows(), 12);
    ASSERT_TRUE(target.HasPickList());
    EXPECT_EQ(target.PickList()[0], "a");
    // What the target had but the source had not flagged is gone.
    EXPECT_EQ(target.Width(), grid.defaultColWidth);
    EXPECT_EQ(target.Title().Caption(), "Denumire");
    EXPECT_EQ(target.AssignedValues(), source.AssignedValues());

    // A source without a pick list frees the target's.
    TMColumn& plain = grid.Columns().Add();
    target.Assign(plain);
    EXPECT_FALSE(target.HasPickList());
}

} // namespace
