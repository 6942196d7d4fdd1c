// Columns of a layout built from the dataset pass what the user sets on to the field.
#include <gtest/gtest.h>

#include "fake_grid.h"
#include "toolkit/grids/passthrough_column.h"

namespace {

using namespace Colgrid;
using gridtest::GridWithData;

struct PassthroughGrid : GridWithData {
    PassthroughGrid()
        : GridWithData({{"Cod", data::ftInteger, 0}, {"Denumire", data::ftString, 20}}) {
        for (const char* name : {"Cod", "Denumire"})
            grid.Columns().AddClass(&TMPassthroughColumn::New).SetFieldName(name);
    }
    TMColumn& Column(int i) { return grid.Columns()[i]; }
};

TEST(PassthroughColumn, WhileTheLinkIsActiveTheFieldTakesTheValues) {
    PassthroughGrid g;
    data::TField& cod = g.dataSet.FieldByName("Cod");
    g.Column(0).Title().SetCaption("Codul");
    g.Column(0).SetAlignment(ui::taCenter);
    g.Column(0).SetReadOnly(true);
    EXPECT_EQ(cod.DisplayLabel(), "Codul");
    EXPECT_EQ(cod.Alignment(), data::taCenter);
    EXPECT_TRUE(cod.ReadOnly());
    EXPECT_TRUE(g.Column(0).AssignedValues().Empty());
    EXPECT_EQ(g.Column(0).Title().Caption(), "Codul");
    EXPECT_EQ(g.Column(0).Alignment(), ui::taCenter);
    EXPECT_FALSE(g.Column(0).IsStored());
}

TEST(PassthroughColumn, MovingAColumnMovesItsField) {
    PassthroughGrid g;
    g.Column(1).SetIndex(0);
    EXPECT_EQ(g.dataSet.Fields(0).FieldName(), "Denumire");
    EXPECT_EQ(g.grid.Shown(), (std::vector<std::string>{"Denumire", "Cod"}));
}

TEST(PassthroughColumn, WidthSetsTheFieldsDisplayWidthWhenTheGridHasAWindow) {
    PassthroughGrid g;
    g.grid.window = true;
    g.grid.canvas.SetFont(g.grid.font);
    const int average = g.grid.canvas.TextMetrics().tmAveCharWidth;
    ASSERT_GT(average, 0);
    g.Column(1).SetWidth(average * 12 + 3);
    EXPECT_EQ(g.dataSet.FieldByName("Denumire").DisplayWidth(), 12);
    EXPECT_EQ(g.Column(1).Width(), average * 12 + 3);

    // A grid that takes its layout from the dataset keeps an unassigned width to the field.
    g.grid.layoutFromDataset = true;
    g.Column(0).SetWidth(average * 4 + 3);
    EXPECT_EQ(g.dataSet.FieldByName("Cod").DisplayWidth(), 4);
    EXPECT_FALSE(g.Column(0).AssignedValues().Contains(cvWidth));
}

TEST(PassthroughColumn, LosingItsFieldClearsTheColumn) {
    PassthroughGrid g;
    g.Column(1).SetColor(ui::clRed);
    g.Column(1).SetField(nullptr);
    EXPECT_EQ(g.Column(1).FieldName(), "");
    EXPECT_TRUE(g.Column(1).AssignedValues().Empty());
    // A plain column keeps its name.
    TMColumn& plain = g.grid.Columns().Add();
    plain.SetFieldName("Cod");
    plain.SetField(nullptr);
    EXPECT_EQ(plain.FieldName(), "Cod");
}

} // namespace
