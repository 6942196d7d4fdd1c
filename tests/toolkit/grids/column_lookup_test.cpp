// Finding columns by field name and binding their fields.
#include <gtest/gtest.h>

#include "fake_grid.h"

namespace {

using namespace Colgrid;
using gridtest::FakeGrid;
using gridtest::GridWithData;

TEST(ColumnLookup, ByFieldNameWithoutRegardToCase) {
    GridWithData g({{"Cod", data::ftInteger, 0}, {"Pret", data::ftFloat, 0}});
    g.grid.AddColumns({"Cod", "Pret"});
    TMColumn* pret = &g.grid.Columns()[1];
    for (const char* name : {"Pret", "PRET", "pret", "pREt"}) {
        EXPECT_EQ(g.grid.Columns().GetColumnByFieldName(name), pret) << name;
        EXPECT_EQ(g.grid.Columns().GetColumnByAssignedFieldName(name), pret) << name;
    }
    EXPECT_EQ(g.grid.Columns().GetColumnByFieldName("Pre"), nullptr);
    EXPECT_EQ(g.grid.Columns().GetColumnByFieldName(""), nullptr);
}

TEST(ColumnLookup, ABoundColumnWinsOverAnEarlierUnboundOne) {
    GridWithData g({{"Cod", data::ftInteger, 0}});
    g.grid.AddColumns({"Nume", "Cod"});
    ASSERT_NE(g.grid.Columns()[1].Field(), nullptr);
    // Another dataset, closed and without persistent fields: nothing new binds.
    data::TDataSet other;
    other.AddFieldDef("Cod", data::ftInteger);
    data::TDataSource otherSource("dsAlt", &other);
    g.grid.source = &otherSource;
    TMColumn& unbound = g.grid.Columns().Insert(0);
    unbound.SetFieldName("cod");
    ASSERT_EQ(unbound.Field(), nullptr);

    EXPECT_EQ(g.grid.Columns().GetColumnByFieldName("COD"), &g.grid.Columns()[2]);
    // The assigned-name look-up takes the first name, bound or not.
    EXPECT_EQ(g.grid.Columns().GetColumnByAssignedFieldName("COD"), &unbound);
    // With no bound column of that name, the first unbound one.
    EXPECT_EQ(g.grid.Columns().GetColumnByFieldName("nume"), &g.grid.Columns()[1]);
}

TEST(ColumnLookup, SettingFieldNameBindsAndTakesTheFieldsSpelling) {
    GridWithData g({{"Pret", data::ftFloat, 0}});
    TMColumn& column = g.grid.Columns().Add();
    column.SetFieldName("pret");
    ASSERT_EQ(column.Field(), &g.dataSet.FieldByName("Pret"));
    EXPECT_EQ(column.FieldName(), "Pret");
    column.SetFieldName("Nimic");
    EXPECT_EQ(column.Field(), nullptr);
    EXPECT_EQ(column.FieldName(), "Nimic");
}

TEST(ColumnLookup, AFieldFreedByItsDatasetIsNoLongerBound) {
    GridWithData g({{"Pret", data::ftFloat, 0}});
    TMColumn& column = g.grid.Columns().Add();
    column.SetFieldName("Pret");
    ASSERT_NE(column.Field(), nullptr);
    g.dataSet.Close(); // frees the default fields
    EXPECT_EQ(column.Field(), nullptr);
    EXPECT_EQ(column.Alignment(), ui::taLeftJustify);
    g.dataSet.Open(); // new fields: bound again on first use
    EXPECT_EQ(column.Field(), &g.dataSet.FieldByName("Pret"));
}

TEST(ColumnLookup, PersistentFieldsBindWhileTheDatasetIsClosed) {
    data::TDataSet dataSet;
    dataSet.AddField("Cont", data::ftString, 8);
    data::TDataSource source("dsConturi", &dataSet);
    FakeGrid grid;
    grid.source = &source;
    TMColumn& column = grid.Columns().Add();
    column.SetFieldName("CONT");
    EXPECT_EQ(column.Field(), &dataSet.FieldByName("Cont"));
}

} // namespace
