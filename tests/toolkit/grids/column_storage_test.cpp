// The columns in the form description: the property "Coloanele", written in the published
// order with only the values that differ, and read back.
#include <gtest/gtest.h>

#include "fake_grid.h"
#include "platform/sys/errors.h"
#include "platform/ui/streaming/read_context.h"
#include "toolkit/grids/form_text_format.h"

namespace {

using namespace Colgrid;
using gridtest::FakeGrid;

std::vector<std::string> PropertyNames(const ui::TFormTextCollectionItem& item) {
    std::vector<std::string> names;
    for (const auto& property : item.Properties)
        names.push_back(property.Name);
    return names;
}

// The grid's stored columns as text, parsed as a form description again.
ui::TFormTextValue ThroughText(const FakeGrid& grid) {
    const std::string text =
        "object Grila: TMDBGrid\n" + FormatFormTextProperty(grid.StoredColumns(), 2) + "end\n";
    ui::TFormTextObject parsed = ui::ParseFormText(text, "grila.dfm");
    const ui::TFormTextProperty* property = parsed.FindProperty("Coloanele");
    EXPECT_NE(property, nullptr) << text;
    return property ? property->Value : ui::TFormTextValue{};
}

void Customise(TMColumn& column) {
    column.SetAlignment(ui::taRightJustify);
    column.SetButtonStyle(cbsComboOnly);
    column.SetColor(ui::clYellow);
    column.SetDropDownRows(3);
    column.Font().SetStyle(ui::fsBold | ui::fsItalic);
    column.PickList().Assign(std::vector<std::string>{"1=Activ", "2='Inactiv'", "3=Linie\tnoua"});
    column.SetReadOnly(true);
    column.SetTranslateValue(true);
    column.Title().SetAlignment(ui::taLeftJustify);
    column.Title().SetCaption("Starea");
    column.Title().SetColor(0x00123456);
    column.Title().Font().SetHeight(-15);
    column.SetWidth(111);
    column.SetTag(-4);
    column.SetAllCaps(true);
}

TEST(ColumnStorage, WritesEveryCustomisedValueInThePublishedOrder) {
    FakeGrid grid;
    grid.AddColumns({"Stare"});
    Customise(grid.Columns()[0]);
    ui::TFormTextProperty stored = grid.StoredColumns();
    EXPECT_EQ(stored.Name, "Coloanele");
    const auto& items = std::get<ui::TFormTextCollection>(stored.Value.Value).Items;
    ASSERT_EQ(items.size(), 1u);
    const std::vector<std::string> order = {"Alignment",
                                            "ButtonStyle",
                                            "Color",
                                            "DropDownRows",
                                            "FieldName",
                                            "Font.Charset",
                                            "Font.Color",
                                            "Font.Height",
                                            "Font.Name",
                                            "Font.Style",
                                            "PickList.Strings",
                                            "ReadOnly",
                                            "TranslateValue",
                                            "Title.Alignment",
                                            "Title.Caption",
                                            "Title.Color",
                                            "Title.Font.Charset",
                                            "Title.Font.Color",
                                            "Title.Font.Height",
                                            "Title.Font.Name",
                                            "Title.Font.Style",
                                            "Width",
                                            "Tag",
                                            "AllCaps"};
    EXPECT_EQ(PropertyNames(items[0]), order);
}

TEST(ColumnStorage, DefaultsAndValuesEqualToThemAreNotWritten) {
    FakeGrid grid;
    grid.AddColumns({"Cod", ""});
    TMColumn& column = grid.Columns()[0];
    column.SetColor(grid.color);      // assigned but the same as the grid's
    column.SetReadOnly(false);        // assigned but the default
    column.Title().SetCaption("Cod"); // the caption it would show anyway
    column.Title().SetAlignment(ui::taCenter);
    column.SetButtonStyle(cbsNone);
    ui::TFormTextProperty stored = grid.StoredColumns();
    const auto& items = std::get<ui::TFormTextCollection>(stored.Value.Value).Items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(PropertyNames(items[0]), std::vector<std::string>{"FieldName"});
    EXPECT_TRUE(items[1].Properties.empty());

    // No columns: still written, as an empty collection.
    FakeGrid empty;
    EXPECT_EQ(FormatFormTextProperty(empty.StoredColumns(), 0), "Coloanele = <>\n");
}

TEST(ColumnStorage, ReadsBackWhatItWrote) {
    FakeGrid grid;
    grid.AddColumns({"Cod", "Stare"});
    Customise(grid.Columns()[1]);
    grid.Columns()[0].Font().SetName("Courier New");

    FakeGrid copy;
    copy.AddColumns({"De", "inlocuit", "aici"});
    copy.loading = true;
    ui::TReadContext context("grila.dfm", nullptr);
    copy.ReadStoredColumns(ThroughText(grid), context);
    copy.loading = false;

    ASSERT_EQ(copy.Shown(), (std::vector<std::string>{"Cod", "Stare"}));
    TMColumn& a = grid.Columns()[1];
    TMColumn& b = copy.Columns()[1];
    EXPECT_EQ(b.AssignedValues(), a.AssignedValues());
    EXPECT_EQ(b.Alignment(), a.Alignment());
    EXPECT_EQ(b.ButtonStyle(), a.ButtonStyle());
    EXPECT_EQ(b.Color(), a.Color());
    EXPECT_EQ(b.DropDownRows(), a.DropDownRows());
    EXPECT_TRUE(b.Font() == a.Font());
    EXPECT_EQ(b.PickList().Items(), a.PickList().Items());
    EXPECT_EQ(b.ReadOnly(), a.ReadOnly());
    EXPECT_EQ(b.TranslateValue(), a.TranslateValue());
    EXPECT_EQ(b.Title().Alignment(), a.Title().Alignment());
    EXPECT_EQ(b.Title().Caption(), a.Title().Caption());
    EXPECT_EQ(b.Title().Color(), a.Title().Color());
    EXPECT_TRUE(b.Title().Font() == a.Title().Font());
    EXPECT_EQ(b.Width(), a.Width());
    EXPECT_EQ(b.Tag(), a.Tag());
    EXPECT_EQ(b.AllCaps(), a.AllCaps());
    EXPECT_EQ(copy.Columns()[0].Font().Name(), "Courier New");
    EXPECT_FALSE(copy.Columns()[0].AssignedValues().Contains(cvColor));
}

TEST(ColumnStorage, AnEmptyCollectionKeepsTheColumns) {
    FakeGrid grid;
    grid.AddColumns({"Cod"});
    ui::TReadContext context("grila.dfm", nullptr);
    grid.ReadStoredColumns(ThroughText(FakeGrid()), context);
    EXPECT_EQ(grid.Shown(), std::vector<std::string>{"Cod"});
}

struct BadDescription {
    const char* name;
    const char* property; // the value of "Coloanele"
    int line;             // where the error is
};

class BadColumns : public ::testing::TestWithParam<BadDescription> {};

TEST_P(BadColumns, FailNamingTheFileAndLineAndKeepTheColumns) {
    const BadDescription& c = GetParam();
    const std::string text =
        std::string("object Grila: TMDBGrid\n  Coloanele = ") + c.property + "\nend\n";
    ui::TFormTextObject parsed = ui::ParseFormText(text, "grila.dfm");
    FakeGrid grid;
    grid.AddColumns({"Ramane"});
    ui::TReadContext context("grila.dfm", nullptr);
    try {
        grid.ReadStoredColumns(parsed.FindProperty("Coloanele")->Value, context);
        ADD_FAILURE() << "accepted";
    } catch (const sys::EParseError& error) {
        EXPECT_EQ(error.File, "grila.dfm");
        EXPECT_EQ(error.Line, c.line) << error.what();
    }
    EXPECT_EQ(grid.Shown(), std::vector<std::string>{"Ramane"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadColumns,
    ::testing::Values(
        BadDescription{"NotACollection", "'Cod'", 2},
        BadDescription{"UnknownProperty", "<\n item\n FieldName = 'A'\n Latime = 4\n end>", 5},
        BadDescription{"UnknownSubProperty", "<\n item\n Title.Inaltime = 4\n end>", 4},
        BadDescription{"UnknownFontProperty", "<\n item\n Font.Marime = 4\n end>", 4},
        BadDescription{"WrongKind", "<\n item\n Width = 'lat'\n end>", 4},
        BadDescription{"UnknownButtonStyle", "<\n item\n ButtonStyle = cbsAltceva\n end>", 4},
        BadDescription{"PropertyOfAValue", "<\n item\n Width.X = 1\n end>", 4}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
