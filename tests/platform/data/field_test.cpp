// Fields: their values across types, nulls, labels, widths and alignments.
#include <gtest/gtest.h>

#include <optional>

#include "platform/data/field.h"

namespace {

using data::TField;

struct ConversionCase {
    const char* name;
    data::TFieldType type;
    std::string text;                    // set with SetAsString
    std::optional<std::string> asString; // nullopt: raises on setting
    std::optional<int> asInteger;        // nullopt: raises on reading
};

class FieldConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(FieldConversion, TextInValuesOut) {
    const ConversionCase& c = GetParam();
    auto field = TField::Create("F", c.type, 20);
    if (!c.asString) {
        EXPECT_THROW(field->SetAsString(c.text), data::EDatabaseError);
        EXPECT_TRUE(field->IsNull()) << "a refused value leaves the field as it was";
        return;
    }
    field->SetAsString(c.text);
    EXPECT_EQ(field->AsString(), *c.asString);
    if (c.asInteger)
        EXPECT_EQ(field->AsInteger(), *c.asInteger);
    else
        EXPECT_THROW(field->AsInteger(), data::EDatabaseError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldConversion,
    ::testing::Values(
        ConversionCase{"IntegerText", data::ftInteger, " 42 ", "42", 42},
        ConversionCase{"NegativeSmallint", data::ftSmallint, "-32768", "-32768", -32768},
        ConversionCase{"SmallintOverflow", data::ftSmallint, "32768", std::nullopt, 0},
        ConversionCase{"WordBelowZero", data::ftWord, "-1", std::nullopt, 0},
        ConversionCase{"IntegerOverflow", data::ftInteger, "2147483648", std::nullopt, 0},
        ConversionCase{"NotANumber", data::ftInteger, "12a", std::nullopt, 0},
        ConversionCase{"EmptyMakesNull", data::ftInteger, "", "", 0},
        ConversionCase{"StringNumber", data::ftString, "17", "17", 17},
        ConversionCase{"StringWord", data::ftString, "Activ", "Activ", std::nullopt},
        ConversionCase{"BooleanText", data::ftBoolean, "true", "True", std::nullopt},
        ConversionCase{"BooleanNonsense", data::ftBoolean, "poate", std::nullopt, 0},
        ConversionCase{"FloatRounds", data::ftFloat, "2.5", "2.5", 3},
        ConversionCase{"FloatNonsense", data::ftFloat, "2,5", std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Field, NullReadsAsEmptyValuesUntilSet) {
    auto field = TField::Create("Stare", data::ftInteger);
    EXPECT_TRUE(field->IsNull());
    EXPECT_EQ(field->AsInteger(), 0);
    EXPECT_EQ(field->AsString(), "");
    field->SetAsInteger(7);
    EXPECT_FALSE(field->IsNull());
    field->Clear();
    EXPECT_TRUE(field->IsNull());
    EXPECT_THROW(field->SetAsBoolean(true), data::EDatabaseError);
    EXPECT_THROW(TField::Create("B", data::ftBoolean)->SetAsInteger(1), data::EDatabaseError);
}

TEST(Field, DisplayValuesFollowTheTypeUntilSet) {
    struct Case {
        data::TFieldType type;
        int size;
        int width;
        data::TAlignment alignment;
    };
    for (const Case& c : {Case{data::ftString, 30, 30, data::taLeftJustify},
                          Case{data::ftSmallint, 0, 6, data::taRightJustify},
                          Case{data::ftInteger, 0, 11, data::taRightJustify},
                          Case{data::ftBoolean, 0, 5, data::taLeftJustify},
                          Case{data::ftFloat, 0, 10, data::taRightJustify}}) {
        auto field = TField::Create("Camp", c.type, c.size);
        EXPECT_EQ(field->DisplayWidth(), c.width) << c.type;
        EXPECT_EQ(field->Alignment(), c.alignment) << c.type;
    }
    auto field = TField::Create("Pret", data::ftFloat);
    EXPECT_EQ(field->DisplayName(), "Pret");
    field->SetDisplayLabel("Pret unitar");
    field->SetDisplayWidth(3);
    EXPECT_EQ(field->DisplayName(), "Pret unitar");
    EXPECT_EQ(field->DisplayWidth(), 3);
    EXPECT_EQ(field->FieldName(), "Pret");
    EXPECT_EQ(field->Index(), -1);
}

} // namespace
