// Removing columns and bringing them back next to the nearest neighbour still shown.
#include <gtest/gtest.h>

#include <stdexcept>

#include "fake_grid.h"

namespace {

using namespace Colgrid;
using gridtest::FakeGrid;
using Names = std::vector<std::string>;

struct AnchorCase {
    const char* name;
    Names columns;
    Names removals;     // removed in this order
    Names restorations; // brought back in this order
    Names shown;        // the columns afterwards
};

class AnchorRule : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(AnchorRule, ColumnsComeBackWhereTheAnchorsSay) {
    const AnchorCase& c = GetParam();
    FakeGrid grid;
    grid.AddColumns(c.columns);
    for (const auto& name : c.removals) {
        TMColumn* column = grid.Columns().GetColumnByFieldName(name);
        ASSERT_NE(column, nullptr) << name;
        grid.MoveToDeletedColumns(column);
        EXPECT_EQ(column, nullptr);
    }
    for (const auto& name : c.restorations) {
        TMColumn* column = grid.DeletedColumns().GetColumnByFieldName(name);
        ASSERT_NE(column, nullptr) << name;
        grid.MoveFromDeletedColumns(column);
        EXPECT_EQ(column, nullptr);
    }
    EXPECT_EQ(grid.Shown(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnchorRule,
    ::testing::Values(
        // B's anchor A is itself removed and was first: B comes back first, before K.
        AnchorCase{"AnchorRemovedAndFirst", {"A", "B", "K"}, {"B", "A"}, {"B"}, {"B", "K"}},
        // K's anchor B is removed, B's anchor A is shown: K comes back right after A.
        AnchorCase{"AnchorOfAnchorShown", {"A", "B", "K"}, {"K", "B"}, {"K"}, {"A", "K"}},
        AnchorCase{"FirstComesBackFirst", {"A", "B", "K"}, {"A"}, {"A"}, {"A", "B", "K"}},
        AnchorCase{"LastComesBackLast", {"A", "B", "K"}, {"K"}, {"K"}, {"A", "B", "K"}},
        AnchorCase{"AllBackInAnyOrder",
                   {"A", "B", "C", "D"},
                   {"B", "C", "A"},
                   {"C", "A", "B"},
                   {"A", "B", "C", "D"}},
        // The anchors' field names are matched without regard to case.
        AnchorCase{"AnchorOfOtherCase", {"a", "B", "K"}, {"B"}, {"B"}, {"a", "B", "K"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeletedColumns, ARemovedColumnKeepsItsValuesAndRemembersItsNeighbour) {
    FakeGrid grid;
    grid.AddColumns({"Cod", "Denumire"});
    TMColumn* column = &grid.Columns()[1];
    column->SetColor(ui::clRed);
    column->Title().SetCaption("Nume");
    column->SetWidth(150);
    grid.MoveToDeletedColumns(column);

    ASSERT_EQ(grid.Removed(), Names{"Denumire"});
    TMColumn& removed = grid.DeletedColumns()[0];
    EXPECT_EQ(removed.LeftFieldName(), "Cod");
    EXPECT_EQ(removed.Color(), ui::clRed);
    EXPECT_EQ(removed.Title().Caption(), "Nume");

    TMColumn* back = &removed;
    grid.MoveFromDeletedColumns(back);
    EXPECT_TRUE(grid.Removed().empty());
    ASSERT_EQ(grid.Shown(), (Names{"Cod", "Denumire"}));
    EXPECT_EQ(grid.Columns()[1].Width(), 150);
    EXPECT_EQ(grid.Columns()[1].Title().Caption(), "Nume");
}

TEST(DeletedColumns, AnchorsThatPointAtEachOtherEndAtTheFirstPlace) {
    // Removed columns whose anchors form a ring (repeated field names can make one).
    FakeGrid grid;
    grid.AddColumns({"K"});
    TMColumn& x = grid.DeletedColumns().Add();
    x.SetFieldName("X");
    x.SetLeftFieldName("Y");
    TMColumn& y = grid.DeletedColumns().Add();
    y.SetFieldName("Y");
    y.SetLeftFieldName("x");
    EXPECT_EQ(grid.AnchorIndex("Y"), 0);
    EXPECT_EQ(grid.AnchorIndex("x"), 0);
    TMColumn* back = &x;
    grid.MoveFromDeletedColumns(back);
    EXPECT_EQ(grid.Shown().size(), 2u);
    EXPECT_EQ(grid.Removed(), Names{"Y"});
}

TEST(DeletedColumns, ColumnsOfTheWrongCollectionAreRefused) {
    FakeGrid grid;
    grid.AddColumns({"A", "B"});
    TMColumn* shown = &grid.Columns()[0];
    EXPECT_THROW(grid.MoveFromDeletedColumns(shown), std::invalid_argument);
    FakeGrid other;
    other.AddColumns({"Z"});
    TMColumn* foreign = &other.Columns()[0];
    EXPECT_THROW(grid.MoveToDeletedColumns(foreign), std::invalid_argument);
    EXPECT_EQ(grid.Shown(), (Names{"A", "B"}));
    EXPECT_EQ(other.Shown(), Names{"Z"});
    TMColumn* none = nullptr;
    grid.MoveToDeletedColumns(none);
    EXPECT_EQ(grid.Shown(), (Names{"A", "B"}));
}

TEST(DeletedColumns, DeletingByFieldNameTakesTheWidthOffGridAndParent) {
    FakeGrid grid;
    grid.AddColumns({"Cod", "Denumire"});
    grid.Columns()[1].SetWidth(140);
    int parentWidth = 800;
    grid.DeleteColumnByFieldName("DENUMIRE", parentWidth);
    EXPECT_EQ(grid.Shown(), Names{"Cod"});
    EXPECT_EQ(grid.width, 600 - 140);
    EXPECT_EQ(parentWidth, 800 - 140);

    grid.DeleteColumnByFieldName("Absent", parentWidth);
    EXPECT_EQ(grid.Shown(), Names{"Cod"});
    EXPECT_EQ(grid.width, 460);
    EXPECT_EQ(parentWidth, 660);
}

} // namespace
