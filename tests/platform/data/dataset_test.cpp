// Datasets: fields by name, default fields made on opening, persistent fields, field order.
#include <gtest/gtest.h>

#include "platform/data/dataset.h"

namespace {

using data::TDataSet;

std::vector<std::string> FieldNames(const TDataSet& dataSet) {
    std::vector<std::string> names;
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        names.push_back(dataSet.Fields(i).FieldName());
    return names;
}

TEST(DataSet, FindsFieldsWithoutRegardToCase) {
    TDataSet dataSet;
    dataSet.AddField("Pret", data::ftFloat);
    for (const char* name : {"Pret", "PRET", "pret"})
        EXPECT_EQ(dataSet.FindField(name), &dataSet.Fields(0)) << name;
    EXPECT_EQ(dataSet.FindField("Pre"), nullptr);
    try {
        dataSet.FieldByName("Cantitate");
        ADD_FAILURE() << "no error";
    } catch (const data::EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("'Cantitate'"), std::string::npos);
    }
    EXPECT_THROW(dataSet.AddField("PRET", data::ftInteger), data::EDatabaseError);
    EXPECT_THROW(dataSet.AddField("", data::ftInteger), data::EDatabaseError);
    EXPECT_THROW(dataSet.Fields(1), data::EDatabaseError);
}

TEST(DataSet, DefaultFieldsLiveWhileTheDatasetIsOpen) {
    TDataSet dataSet;
    dataSet.AddFieldDef("Cod", data::ftInteger);
    dataSet.AddFieldDef("Denumire", data::ftString, 30);
    EXPECT_THROW(dataSet.AddFieldDef("cod", data::ftString), data::EDatabaseError);
    EXPECT_EQ(dataSet.FieldCount(), 0);
    dataSet.Open();
    ASSERT_EQ(FieldNames(dataSet), (std::vector<std::string>{"Cod", "Denumire"}));
    EXPECT_TRUE(dataSet.DefaultFields());
    EXPECT_EQ(dataSet.Fields(1).Size(), 30);
    EXPECT_THROW(dataSet.AddField("Nou", data::ftString), data::EDatabaseError);

    std::weak_ptr<data::TField> held = dataSet.Fields(0).weak_from_this();
    dataSet.Close();
    EXPECT_EQ(dataSet.FieldCount(), 0);
    EXPECT_TRUE(held.expired()) << "whoever held a default field sees it gone";
}

TEST(DataSet, PersistentFieldsStayWhenClosed) {
    TDataSet dataSet;
    dataSet.AddFieldDef("Cod", data::ftInteger);
    data::TField& cont = dataSet.AddField("Cont", data::ftString, 8);
    EXPECT_FALSE(dataSet.DefaultFields());
    dataSet.Open();
    dataSet.Close();
    ASSERT_EQ(FieldNames(dataSet), std::vector<std::string>{"Cont"});
    EXPECT_EQ(&dataSet.Fields(0), &cont);
    EXPECT_EQ(cont.DataSet(), &dataSet);
    dataSet.RemoveField(cont);
    EXPECT_EQ(dataSet.FieldCount(), 0);
}

TEST(DataSet, MovingAFieldReordersAndClamps) {
    TDataSet dataSet;
    for (const char* name : {"A", "B", "C"})
        dataSet.AddField(name, data::ftInteger);
    dataSet.FieldByName("C").SetIndex(0);
    EXPECT_EQ(FieldNames(dataSet), (std::vector<std::string>{"C", "A", "B"}));
    dataSet.FieldByName("C").SetIndex(50);
    EXPECT_EQ(FieldNames(dataSet), (std::vector<std::string>{"A", "B", "C"}));
    dataSet.FieldByName("B").SetIndex(-3);
    EXPECT_EQ(FieldNames(dataSet), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(dataSet.FieldByName("C").Index(), 2);
}

} // namespace
