// Stored codes shown as pick-list texts, and the chosen line stored back.
#include <gtest/gtest.h>

#include <optional>

#include "platform/data/field.h"
#include "toolkit/grids/translate_value.h"

namespace {

using Colgrid::StoreTranslatedIndex;
using Colgrid::TranslateFieldValue;
using Colgrid::TTranslatedValue;
using Lines = std::vector<std::string>;

struct TranslateCase {
    const char* name;
    data::TFieldType type;
    std::optional<std::string> value; // nullopt: null
    std::optional<Lines> pickList;    // nullopt: no pick list
    TTranslatedValue expected;
};

class Translate : public ::testing::TestWithParam<TranslateCase> {};

TEST_P(Translate, GivesTheLineAndText) {
    const TranslateCase& c = GetParam();
    auto field = data::TField::Create("Stare", c.type, 40);
    if (c.value)
        field->SetAsString(*c.value);
    ui::TStrings list;
    if (c.pickList)
        list.Assign(*c.pickList);
    TTranslatedValue got = TranslateFieldValue(*field, c.pickList ? &list : nullptr);
    EXPECT_EQ(got.Index, c.expected.Index);
    EXPECT_EQ(got.Text, c.expected.Text);
}

const Lines kCodes = {"1=Activ", "2=Inactiv"};
const Lines kPlain = {"Activ", "Inactiv"};
const std::string kLong(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, Translate,
    ::testing::Values(
        TranslateCase{"CodeFound", data::ftInteger, "2", kCodes, {1, "Inactiv"}},
        TranslateCase{"CodeMissing", data::ftInteger, "5", kCodes, {0, "Cod 5 negasit."}},
        TranslateCase{"PlainListByPosition", data::ftInteger, "2", kPlain, {1, ""}},
        TranslateCase{"SmallIntCode", data::ftSmallint, "1", kCodes, {0, "Activ"}},
        TranslateCase{"CodeIsNotAPrefix",
                      data::ftInteger,
                      "2",
                      Lines{"12=Doisprezece"},
                      {0, "Cod 2 negasit."}},
        TranslateCase{
            "BlanksAroundLines", data::ftInteger, "2", Lines{"  1=A ", "\t2=B  "}, {1, "B"}},
        TranslateCase{"EmptyTextIsOneBlank", data::ftInteger, "1", Lines{"1="}, {0, " "}},
        TranslateCase{"NullValue", data::ftInteger, std::nullopt, kCodes, {0, " "}},
        TranslateCase{"EmptyPickList", data::ftInteger, "3", Lines{}, {0, "Cod 3 negasit."}},
        TranslateCase{"NoPickList", data::ftInteger, "3", std::nullopt, {2, ""}},
        TranslateCase{
            "PlainLineEndsTheWalk", data::ftInteger, "7", Lines{"1=A", "B", "7=C"}, {6, ""}},
        TranslateCase{"StringCode", data::ftString, "B", Lines{"A=Alfa", "B = Beta "}, {0, ""}},
        TranslateCase{
            "StringCodeTrimmed", data::ftString, "B", Lines{"A=Alfa", "B= Beta "}, {1, "Beta"}},
        TranslateCase{"StringMissing", data::ftString, "C", Lines{"A=Alfa"}, {0, ""}},
        TranslateCase{"BooleanTrue", data::ftBoolean, "True", kCodes, {1, ""}},
        TranslateCase{"BooleanFalse", data::ftBoolean, "False", kCodes, {0, ""}},
        TranslateCase{"OtherType", data::ftFloat, "2", kCodes, {0, ""}},
        // Only 255 characters of a line take part: a long text is cut, a code beyond them
        // is not seen.
        TranslateCase{
            "LongLineCut", data::ftInteger, "1", Lines{"1=" + kLong}, {0, std::string(253, 'x')}},
        TranslateCase{"LeadingBlanksDoNotCount",
                      data::ftString,
                      kLong.substr(0, 40),
                      Lines{std::string(260, ' ') + kLong.substr(0, 40) + "=T"},
                      {0, "T"}},
        TranslateCase{"CodeBeyondTheLimit",
                      data::ftString,
                      "k",
                      Lines{"k" + std::string(254, 'y') + "=T"},
                      {0, ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreTranslatedIndex, IntegersTakeTheLineNumberPlusOneBooleansLineOne) {
    auto integer = data::TField::Create("Stare", data::ftInteger);
    auto small = data::TField::Create("Tip", data::ftSmallint);
    auto flag = data::TField::Create("Activ", data::ftBoolean);
    auto text = data::TField::Create("Nume", data::ftString, 10);
    text->SetAsString("neschimbat");
    StoreTranslatedIndex(*integer, 1);
    StoreTranslatedIndex(*small, 0);
    StoreTranslatedIndex(*flag, 1);
    StoreTranslatedIndex(*text, 3);
    EXPECT_EQ(integer->AsInteger(), 2);
    EXPECT_EQ(small->AsInteger(), 1);
    EXPECT_TRUE(flag->AsBoolean());
    EXPECT_EQ(text->AsString(), "neschimbat");
    StoreTranslatedIndex(*flag, 2);
    EXPECT_FALSE(flag->AsBoolean());

    // Back and forth: the code shown is the code stored.
    ui::TStrings list;
    list.Assign(Lines{"1=Activ", "2=Inactiv", "3=Blocat"});
    for (int code = 1; code <= 3; ++code) {
        integer->SetAsInteger(code);
        TTranslatedValue shown = TranslateFieldValue(*integer, &list);
        StoreTranslatedIndex(*integer, shown.Index);
        EXPECT_EQ(integer->AsInteger(), code);
    }
}

} // namespace
