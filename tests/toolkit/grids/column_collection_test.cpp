// The collection of columns: positions, the notifications the grid receives, rebuilding from
// the dataset and the customised state.
#include <gtest/gtest.h>

#include "fake_grid.h"
#include "toolkit/grids/passthrough_column.h"

namespace {

using namespace Colgrid;
using gridtest::FakeGrid;
using gridtest::GridWithData;
using Names = std::vector<std::string>;

TEST(ColumnCollection, PositionsFollowAddInsertMoveAndDelete) {
    FakeGrid grid;
    grid.AddColumns({"A", "B", "C"});
    grid.Columns().Insert(1).SetFieldName("X");
    EXPECT_EQ(grid.Shown(), (Names{"A", "X", "B", "C"}));
    grid.Columns()[3].SetIndex(0);
    EXPECT_EQ(grid.Shown(), (Names{"C", "A", "X", "B"}));
    grid.Columns()[0].SetIndex(99); // clamped to the last place
    EXPECT_EQ(grid.Shown(), (Names{"A", "X", "B", "C"}));
    EXPECT_EQ(grid.Columns()[3].Index(), 3);
    grid.Columns().Delete(1);
    grid.Columns().Delete(7);
    EXPECT_EQ(grid.Shown(), (Names{"A", "B", "C"}));
    EXPECT_THROW(grid.Columns()[3], std::out_of_range);
    grid.Columns().Clear();
    EXPECT_EQ(grid.Columns().Count(), 0);
}

TEST(ColumnCollection, OneColumnsChangeReachesTheGridAsThatColumn) {
    FakeGrid grid;
    grid.AddColumns({"A", "B"});
    grid.changed.clear();
    grid.layouts = 0;
    grid.Columns()[1].SetColor(ui::clRed);
    grid.Columns()[1].SetColor(ui::clRed); // unchanged: no notification
    EXPECT_EQ(grid.changed, Names{"B"});
    EXPECT_EQ(grid.layouts, 0);

    // A change of the title font changes the layout.
    grid.Columns()[0].Title().Font().SetHeight(-20);
    EXPECT_EQ(grid.layouts, 1);
}

TEST(ColumnCollection, LayoutBracketsNestAndComputeTheLayoutOnce) {
    FakeGrid grid;
    grid.BeginLayout();
    grid.BeginLayout();
    grid.AddColumns({"A", "B", "C"});
    grid.Columns()[0].SetColor(ui::clRed);
    grid.EndLayout();
    EXPECT_EQ(grid.layouts, 0);
    EXPECT_TRUE(grid.changed.empty());
    grid.EndLayout();
    EXPECT_EQ(grid.layouts, 1);
    EXPECT_EQ(grid.LayoutLock(), 0);
    grid.EndLayout(); // unbalanced: nothing
    EXPECT_EQ(grid.LayoutLock(), 0);

    grid.layouts = 0;
    grid.Columns().Add();
    EXPECT_EQ(grid.layouts, 1) << "a new column is made inside one layout bracket";
}

TEST(ColumnCollection, NothingReachesTheGridWhileItLoadsOrFromRemovedColumns) {
    FakeGrid grid;
    grid.loading = true;
    grid.AddColumns({"A", "B"});
    grid.Columns()[0].SetWidth(99);
    EXPECT_EQ(grid.layouts, 0);
    EXPECT_TRUE(grid.changed.empty());
    grid.loading = false;
    grid.DeletedColumns().Add().SetColor(ui::clRed);
    EXPECT_EQ(grid.layouts, 0);
    EXPECT_TRUE(grid.changed.empty());
}

TEST(ColumnCollection, RebuildMakesOneColumnPerFieldInFieldOrder) {
    GridWithData g({{"Cod", data::ftInteger, 0},
                    {"Denumire", data::ftString, 30},
                    {"Pret", data::ftFloat, 0}});
    g.grid.AddColumns({"Vechi"});
    EXPECT_EQ(g.grid.Columns().State(), csCustomized);
    g.grid.Columns().RebuildColumns();
    EXPECT_EQ(g.grid.Shown(), (Names{"Cod", "Denumire", "Pret"}));
    EXPECT_EQ(g.grid.Columns()[2].Field(), &g.dataSet.FieldByName("Pret"));

    g.grid.Columns().SetState(csDefault);
    EXPECT_EQ(g.grid.Columns().Count(), 0);
    EXPECT_EQ(g.grid.Columns().State(), csDefault);
    g.grid.Columns().SetState(csCustomized);
    EXPECT_EQ(g.grid.Shown(), (Names{"Cod", "Denumire", "Pret"}));

    g.grid.source = nullptr;
    g.grid.Columns().RebuildColumns();
    EXPECT_EQ(g.grid.Columns().Count(), 0);
}

TEST(ColumnCollection, ALayoutOfPassthroughColumnsIsTheDefaultState) {
    FakeGrid grid;
    grid.Columns().AddClass(&TMPassthroughColumn::New);
    grid.Columns().Add();
    EXPECT_EQ(grid.Columns().State(), csDefault);
    grid.Columns()[1].SetIndex(0);
    EXPECT_EQ(grid.Columns().State(), csCustomized);
}

TEST(ColumnCollection, SetColumnAssigns) {
    FakeGrid grid;
    grid.AddColumns({"A", "B"});
    grid.Columns()[0].SetAllCaps(true);
    grid.Columns().SetColumn(1, grid.Columns()[0]);
    EXPECT_EQ(grid.Shown(), (Names{"A", "A"}));
    EXPECT_TRUE(grid.Columns()[1].AllCaps());
}

} // namespace
