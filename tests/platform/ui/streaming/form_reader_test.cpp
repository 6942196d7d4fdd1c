// The form reader: properties in file order with dotted names, string lists, colour
// identifiers through the registered converters, references and handlers by name; whatever it
// cannot place is an error naming the file and the line; every stored form of the program loads.
#include <gtest/gtest.h>

#include "platform/sys/errors.h"
#include "platform/ui/core/string_list.h"
#include "platform/ui/streaming/class_builder.h"
#include "platform/ui/streaming/form_reader.h"
#include "platform/ui/testing/sample_form.h"
#include "platform/ui/testing/stored_forms.h"
#include "platform/ui/ui_test_support.h"

namespace ui::testing {
namespace {

class TColumn : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string Title;
    int Width = 64;
};

class TReaderForm : public TForm {
public:
    using TForm::TForm;
    TCollection Columns{[](TCollection* c) { return std::make_unique<TColumn>(c); }};
    TStrings Lines;
    std::vector<std::string> Order;
    void Clicked(TObject*) {}
    void KeyDown(TObject*, uint16_t&, TShiftState) {}
};

bool IdentToTestColor(const std::string& ident, TColor& color) {
    if (!SameText(ident, "clTestMoss"))
        return false;
    color = 0x2E6B4F;
    return true;
}
bool TestColorToIdent(TColor color, std::string& ident) {
    if (color != 0x2E6B4F)
        return false;
    ident = "clTestMoss";
    return true;
}

const bool kRegistered = [] {
    RegisterItemClass<TColumn, TObject>("TColumn")
        .String("Title", [](TColumn& c, const std::string& v) { c.Title = v; })
        .Int("Width", [](TColumn& c, int v) { c.Width = v; });
    RegisterComponentClass<TReaderForm, TForm>("TReaderForm")
        .Collection("Columns", [](TReaderForm& f) -> TCollection& { return f.Columns; })
        .Object<TStrings>("Lines", [](TReaderForm& f) -> TStrings& { return f.Lines; })
        .Custom("Marker", [](TReaderForm& f, const TFormTextValue& v,
                             TReadContext& c) { f.Order.push_back(c.String(v)); })
        .Handler("Clicked", &TReaderForm::Clicked)
        .Handler("KeyDown", &TReaderForm::KeyDown);
    RegisterColorIdentConverter(IdentToTestColor, TestColorToIdent);
    return true;
}();

test::TOwned<TReaderForm> Read(const std::string& text) {
    return test::TOwned<TReaderForm>(CreateFormFromText<TReaderForm>(nullptr, text, "reader.dfm"));
}

TEST(FormReader, AssignsPropertiesInFileOrderWithDottedNamesListsAndColours) {
    auto form = Read("object ReaderForm: TReaderForm\n"
                     "  Marker = 'first'\n"
                     "  Font.Name = 'Arial'\n"
                     "  Font.Style = [fsBold, fsItalic]\n"
                     "  Font.Height = -13\n"
                     "  Color = clTestMoss\n"
                     "  Constraints.MaxWidth = 900\n"
                     "  Lines.Strings = (\n"
                     "    'unu'\n"
                     "    'doi' + #13 + 'trei')\n"
                     "  Marker = 'second'\n"
                     "  object Panel1: TPanel\n"
                     "    Color = clBtnShadow\n"
                     "    ParentFont = True\n"
                     "    object Inner: TPanel\n"
                     "      Color = 11642264\n"
                     "    end\n"
                     "  end\n"
                     "end\n");
    EXPECT_EQ(form->Order, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(form->Font().Name(), "Arial");
    EXPECT_EQ(form->Font().Style(), fsBold | fsItalic);
    EXPECT_EQ(form->Font().Height(), -13);
    EXPECT_EQ(form->Color(), 0x2E6B4F);
    EXPECT_EQ(form->Constraints().MaxWidth(), 900);
    EXPECT_EQ(form->Lines.Items(), (std::vector<std::string>{"unu", "doi\rtrei"}));
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("Panel1"));
    auto* inner = dynamic_cast<TPanel*>(form->FindComponent("Inner"));
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Parent(), panel);
    EXPECT_EQ(inner->Owner(), form.get());
    EXPECT_EQ(panel->Color(), clBtnShadow);
    EXPECT_EQ(inner->Color(), 11642264);
    EXPECT_EQ(panel->Font().Name(), "Arial"); // ParentFont takes the form's font
    EXPECT_EQ(panel->Font().Height(), -13);
}

struct TBadDescription {
    const char* Name;
    const char* Text;
    int Line;
    const char* Fragment;
    friend void PrintTo(const TBadDescription& d, std::ostream* out) { *out << d.Name; }
};

class FormReaderErrors : public ::testing::TestWithParam<TBadDescription> {};

TEST_P(FormReaderErrors, NameTheFileAndLine) {
    const TBadDescription& bad = GetParam();
    try {
        Read(bad.Text);
        FAIL() << "no error";
    } catch (const sys::EParseError& e) {
        EXPECT_EQ(e.File, "reader.dfm");
        EXPECT_EQ(e.Line, bad.Line) << e.what();
        EXPECT_NE(std::string(e.what()).find(bad.Fragment), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bad, FormReaderErrors,
    ::testing::Values(
        TBadDescription{"UnknownClass",
                        "object ReaderForm: TReaderForm\n  object X: TNoSuchClass\n  end\nend\n", 2,
                        "TNoSuchClass"},
        TBadDescription{"UnknownProperty",
                        "object ReaderForm: TReaderForm\n  Caption = 'a'\n  Colour = clRed\nend\n",
                        3, "Colour"},
        TBadDescription{"UnknownDottedProperty",
                        "object ReaderForm: TReaderForm\n  Font.Weight = 3\nend\n", 2,
                        "Font.Weight"},
        TBadDescription{"UnknownEnumerationValue",
                        "object ReaderForm: TReaderForm\n\n  BorderStyle = bsRound\nend\n", 3,
                        "bsRound"},
        TBadDescription{"UnknownSetMember",
                        "object ReaderForm: TReaderForm\n  Font.Style = [fsBold, fsShiny]\nend\n",
                        2, "fsShiny"},
        TBadDescription{"UnknownColourIdentifier",
                        "object ReaderForm: TReaderForm\n  Color = clNoSuchColour\nend\n", 2,
                        "clNoSuchColour"},
        TBadDescription{"UnknownHandler",
                        "object ReaderForm: TReaderForm\n  OnShow = NoSuchHandler\nend\n", 2,
                        "NoSuchHandler"},
        TBadDescription{"HandlerOfAnotherKind",
                        "object ReaderForm: TReaderForm\n  OnKeyDown = Clicked\nend\n", 2,
                        "Clicked"},
        TBadDescription{"UnresolvedReference",
                        "object ReaderForm: TReaderForm\n  object L: TLabel\n    FocusControl = "
                        "Nothing\n  end\nend\n",
                        3, "Nothing"},
        TBadDescription{"WrongValueKind", "object ReaderForm: TReaderForm\n  Width = 'wide'\nend\n",
                        2, "integer"},
        TBadDescription{"DuplicateName",
                        "object ReaderForm: TReaderForm\n  object P: TPanel\n  end\n  object P: "
                        "TPanel\n  end\nend\n",
                        4, "P"},
        TBadDescription{"DescriptionOfAnotherClass", "object Other: TSampleForm\nend\n", 1,
                        "TSampleForm"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FormReader, CollectionItemsGetTheirProperties) {
    auto form = Read("object ReaderForm: TReaderForm\n"
                     "  Columns = <\n"
                     "    item\n"
                     "      Title = 'Cod'\n"
                     "    end\n"
                     "    item\n"
                     "      Title = 'Denumire'\n"
                     "      Width = 200\n"
                     "    end>\n"
                     "end\n");
    ASSERT_EQ(form->Columns.Count(), 2);
    auto* second = dynamic_cast<TColumn*>(form->Columns.Items(1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Title, "Denumire");
    EXPECT_EQ(second->Width, 200);
    EXPECT_EQ(dynamic_cast<TColumn*>(form->Columns.Items(0))->Width, 64);

    try {
        Read("object ReaderForm: TReaderForm\n  Columns = <\n    item\n      Height = 3\n    "
             "end>\nend\n");
        FAIL() << "no error";
    } catch (const sys::EParseError& e) {
        EXPECT_EQ(e.Line, 4);
    }
}

TEST(FormReader, EveryStoredFormOfTheProgramLoads) {
    TStoredFormsReport report = LoadEveryStoredForm(false);
    EXPECT_TRUE(report.Failures.empty()) << ::testing::PrintToString(report.Failures);
    EXPECT_NE(std::find(report.Loaded.begin(), report.Loaded.end(), "forms/sample.dfm"),
              report.Loaded.end());
}

} // namespace
} // namespace ui::testing
