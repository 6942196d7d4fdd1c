// The formatted label's markup: codes with their digits, escapes, line breaks, codes that
// change nothing, and where a change starts a new segment.
#include <gtest/gtest.h>

#include <sstream>

#include "toolkit/controls/fmt_markup.h"

namespace tk {
namespace {

// Segments as "text{attributes}" where the attributes differ from the base font; lines are
// separated by " / ".
std::string Describe(const std::vector<TFmtLine>& lines, const ui::TFont& base) {
    std::ostringstream out;
    for (size_t l = 0; l < lines.size(); ++l) {
        if (l)
            out << " / ";
        for (size_t s = 0; s < lines[l].size(); ++s) {
            const TFmtSegment& segment = lines[l][s];
            const ui::TFont& font = segment.Attributes.Font;
            out << (s ? " " : "") << '"' << segment.Text << '"';
            std::ostringstream attributes;
            if (font.Color() != base.Color())
                attributes << " colour=" << std::hex << font.Color() << std::dec;
            if (font.Size() != base.Size())
                attributes << " size=" << font.Size();
            if (font.Style() != base.Style())
                attributes << " style=" << font.Style();
            if (segment.Attributes.Shadow)
                attributes << " shadow";
            if (segment.Attributes.Blink)
                attributes << " blink";
            if (!attributes.str().empty())
                out << '{' << attributes.str().substr(1) << '}';
        }
    }
    return out.str();
}

struct TMarkupCase {
    const char* Name;
    const char* Caption;
    const char* Expected;
};

// Base font: black, 8 points, no style. Bold is style 1, italic 2 (the platform's bits).
const TMarkupCase MarkupCases[] = {
    {"plain", "Gata", "\"Gata\""},
    {"empty", "", "\"\""},
    {"colour_on_empty_segment", "@9Rosu", "\"Rosu\"{colour=ff}"},
    {"colour_after_text", "a@9b", "\"a\" \"b\"{colour=ff}"},
    {"size_then_style", "&14$2Mare", "\"Mare\"{size=14 style=1}"},
    {"styles", "$1i$3bi$0n", "\"i\"{style=2} \"bi\"{style=3} \"n\""},
    {"other_style_numbers_leave_it", "$2a$7b", "\"ab\"{style=1}"},
    {"system_colour", "@31x", "\"x\"{colour=ff00000f}"},
    {"last_table_entry", "@36x", "\"x\"{colour=ff000014}"},
    {"colour_above_table_changes_nothing", "a@37b@99c", "\"abc\""},
    {"code_without_digits", "x@y&z$", "\"xyz\""},
    {"digits_at_the_end", "abc@12", "\"abc\" \"\"{colour=ff0000}"},
    {"leading_zeros", "@009x", "\"x\"{colour=ff}"},
    {"sixteen_bit_number", "@65545x", "\"x\"{colour=ff}"},
    {"digits_after_number_are_text", "&10 12", "\" 12\"{size=10}"},
    {"escapes", "\\@\\$\\%\\&\\~", "\"@$%&~\""},
    {"backslash_before_letter", "\\ab", "\"\\ab\""},
    // The first backslash is text; the second one escapes the at sign.
    {"backslash_before_backslash", "\\\\@9x", "\"\\@9x\""},
    {"backslash_at_end", "ab\\", "\"ab\\\""},
    {"shadow_toggles", "%ok%", "\"ok\"{shadow} \"\""},
    {"blink_toggles", "a~b~c", "\"a\" \"b\"{blink} \"c\""},
    {"carriage_return_breaks", "unu\rdoi", "\"unu\" / \"doi\""},
    {"line_feed_is_text", "a\r\nb", "\"a\" / \"\nb\""},
    {"attributes_cross_lines", "@9a\rb", "\"a\"{colour=ff} / \"b\"{colour=ff}"},
    {"empty_lines_kept", "\r\r", "\"\" / \"\" / \"\""},
};

class FmtMarkup : public ::testing::TestWithParam<TMarkupCase> {};

TEST_P(FmtMarkup, ReadsTheCaption) {
    ui::TFont base;
    base.SetColor(ui::clBlack);
    base.SetSize(8);
    std::vector<TFmtLine> lines = ParseFmtMarkup(GetParam().Caption, base);
    EXPECT_EQ(Describe(lines, base), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FmtMarkup, ::testing::ValuesIn(MarkupCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FmtMarkupColors, TheTableHoldsSixteenColoursThenTheSystemColoursInOrder) {
    ui::TColor color = 0;
    ASSERT_TRUE(FmtMarkupColor(9, color));
    EXPECT_EQ(color, ui::clRed);
    ASSERT_TRUE(FmtMarkupColor(14, color));
    EXPECT_EQ(color, ui::clAqua);
    ASSERT_TRUE(FmtMarkupColor(16, color));
    EXPECT_EQ(color, ui::clScrollBar);
    ASSERT_TRUE(FmtMarkupColor(36, color));
    EXPECT_EQ(color, ui::clBtnHighlight);
    EXPECT_FALSE(FmtMarkupColor(37, color));
    EXPECT_FALSE(FmtMarkupColor(-1, color));
}

} // namespace
} // namespace tk
