// A column's default width: measured from its field's display width in its font, and never
// narrower than its title when titles are shown.
#include <gtest/gtest.h>

#include <limits>

#include "fake_grid.h"
#include "platform/ui/graphics/canvas.h"

namespace {

using namespace Colgrid;
using gridtest::GridWithData;

int TextWidth(const ui::TFont& font, const std::string& text) {
    ui::TCanvas canvas;
    canvas.SetFont(font);
    return canvas.TextWidth(text);
}

TEST(ColumnWidth, ANewColumnIsAtLeastAsWideAsItsTitlePlusFour) {
    GridWithData g({{"Cod", data::ftString, 1}});
    data::TField& field = g.dataSet.FieldByName("Cod");
    field.SetDisplayLabel("Codul fiscal al partenerului");
    TMColumn& column = g.grid.Columns().Add();
    column.SetFieldName("Cod");

    const int title = TextWidth(g.grid.titleFont, "Codul fiscal al partenerului");
    const int digit = TextWidth(g.grid.font, "0");
    ASSERT_GT(title + 4, digit + 4); // the caption is what decides here
    EXPECT_GE(column.Width(), title + 4);

    // Without titles the field's one character decides.
    g.grid.titles = false;
    EXPECT_EQ(column.Width(), digit + 4);
}

TEST(ColumnWidth, GrowsWithTheFieldsDisplayWidthInTheColumnsFont) {
    GridWithData g({{"Denumire", data::ftString, 10}});
    g.grid.titles = false;
    TMColumn& column = g.grid.Columns().Add();
    column.SetFieldName("Denumire");
    const int digit = TextWidth(g.grid.font, "0");
    ASSERT_GT(digit, 0);
    EXPECT_EQ(column.Width(), digit * 10 + 4);

    g.dataSet.FieldByName("Denumire").SetDisplayWidth(30);
    EXPECT_EQ(column.Width(), digit * 30 + 4);

    // A bigger column font makes a wider column; the grid's window canvas measures the same.
    column.Font().SetHeight(-26);
    const int bigDigit = TextWidth(column.Font(), "0");
    ASSERT_GT(bigDigit, digit);
    EXPECT_EQ(column.Width(), bigDigit * 30 + 4);
    g.grid.window = true;
    EXPECT_EQ(column.Width(), bigDigit * 30 + 4);
    EXPECT_TRUE(g.grid.canvas.Font() == ui::TFont()) << "the grid's canvas font is given back";

    // A field that asks for more characters than a width can hold gets the widest column.
    g.dataSet.FieldByName("Denumire").SetDisplayWidth(std::numeric_limits<int>::max());
    EXPECT_EQ(column.Width(), std::numeric_limits<int>::max());
}

TEST(ColumnWidth, WithoutAFieldTheGridsDefaultColumnWidth) {
    GridWithData g({{"Cod", data::ftString, 10}});
    TMColumn& column = g.grid.Columns().Add();
    column.SetFieldName("Absent");
    EXPECT_EQ(column.Field(), nullptr);
    EXPECT_EQ(column.Width(), g.grid.defaultColWidth);
}

} // namespace
