// Reading the text of form descriptions into their tree.
#include <gtest/gtest.h>

#include <random>
#include <variant>

#include "platform/sys/errors.h"
#include "platform/ui/forms_text/form_text.h"
#include "platform/ui/graphics/resource_store.h"

namespace ui {
namespace {

// A description with every kind of value, as the form designer writes them.
const char* const kSample = R"(object Dirs: TDirs
  Left = 193
  Top = -72
  BorderStyle = bsNone
  Caption = 'Alegeti directoarele'
  Color = 11642264
  Font.Charset = DEFAULT_CHARSET
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold]
  KeyPreview = True
  OnCreate = FormCreate
  PixelsPerInch = 96
  Scale = 1.500000000000000000
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Anchors = []
    Caption = 
      'Programul va fi instalat ' +
      'in directorul:'#13#10'C:\Kesvard'
    object LDir: TLabel
      Caption = '&Director'
      FocusControl = Dir
    end
    object Memo1: TMemo
      Lines.Strings = (
        'prima linie'
        'it''s here')
    end
  end
  object Image1: TImage
    Picture.Data = {
      0A54 42697 46D6170
      }
  end
  object Grid: TDBGrid
    Columns = <
      item
        FieldName = 'NUME'
        Width = 64
      end
      item
        Expanded = False
      end>
  end
end
)";

// The line on which a piece of the sample first appears.
int LineOf(const std::string& piece) {
    std::string text = kSample;
    size_t at = text.find(piece);
    EXPECT_NE(at, std::string::npos) << piece;
    return 1 + int(std::count(text.begin(), text.begin() + at, '\n'));
}

template <typename T> const T& As(const TFormTextProperty* property) {
    EXPECT_NE(property, nullptr);
    return std::get<T>(property->Value.Value);
}

TEST(FormText, ReadsObjectsPropertiesAndValuesWithTheirLines) {
    TFormTextObject form = ParseFormText(kSample, "forms/dirs.dfm");
    EXPECT_EQ(form.Name, "Dirs");
    EXPECT_EQ(form.ClassName, "TDirs");
    EXPECT_EQ(form.Line, 1);
    EXPECT_FALSE(form.Inherited);
    ASSERT_EQ(form.Properties.size(), 14u);
    // File order, dotted names kept.
    EXPECT_EQ(form.Properties[0].Name, "Left");
    EXPECT_EQ(form.Properties[5].Name, "Font.Charset");
    EXPECT_EQ(form.Properties[5].Line, LineOf("Font.Charset"));
    EXPECT_EQ(form.Properties[13].Name, "TextHeight");
    EXPECT_EQ(As<int64_t>(form.FindProperty("left")), 193);
    EXPECT_EQ(As<int64_t>(form.FindProperty("Top")), -72);
    EXPECT_EQ(As<TFormTextIdent>(form.FindProperty("BorderStyle")).Name, "bsNone");
    EXPECT_EQ(As<std::string>(form.FindProperty("Caption")), "Alegeti directoarele");
    EXPECT_EQ(As<TFormTextSet>(form.FindProperty("Font.Style")).Items,
              std::vector<std::string>{"fsBold"});
    EXPECT_EQ(As<TFormTextIdent>(form.FindProperty("OnCreate")).Name, "FormCreate");
    EXPECT_DOUBLE_EQ(As<double>(form.FindProperty("Scale")), 1.5);
    EXPECT_EQ(form.FindProperty("NoSuch"), nullptr);

    ASSERT_EQ(form.Children.size(), 3u);
    const TFormTextObject& panel = form.Children[0];
    EXPECT_EQ(panel.Name, "Panel1");
    EXPECT_EQ(panel.Line, LineOf("object Panel1"));
    EXPECT_TRUE(As<TFormTextSet>(panel.FindProperty("Anchors")).Items.empty());
    const TFormTextProperty* caption = panel.FindProperty("Caption");
    EXPECT_EQ(As<std::string>(caption), "Programul va fi instalat in directorul:\r\nC:\\Kesvard");
    EXPECT_EQ(caption->Line, LineOf("Caption = \n"));
    EXPECT_EQ(caption->Value.Line, LineOf("'Programul")) << "the value begins on the next line";
    ASSERT_EQ(panel.Children.size(), 2u);
    EXPECT_EQ(As<TFormTextIdent>(panel.Children[0].FindProperty("FocusControl")).Name, "Dir");
    const auto& lines = As<TFormTextList>(panel.Children[1].FindProperty("Lines.Strings"));
    ASSERT_EQ(lines.Items.size(), 2u);
    EXPECT_EQ(std::get<std::string>(lines.Items[1].Value), "it's here");
    EXPECT_EQ(lines.Items[1].Line, LineOf("'it''s"));

    EXPECT_EQ(As<TFormTextBinary>(form.Children[1].FindProperty("Picture.Data")).Bytes,
              (std::vector<uint8_t>{0x0A, 0x54, 0x42, 0x69, 0x74, 0x6D, 0x61, 0x70}));
    const auto& columns = As<TFormTextCollection>(form.Children[2].FindProperty("Columns"));
    ASSERT_EQ(columns.Items.size(), 2u);
    EXPECT_EQ(columns.Items[0].Line, LineOf("item"));
    EXPECT_EQ(columns.Items[0].Properties[1].Name, "Width");
    EXPECT_EQ(std::get<int64_t>(columns.Items[0].Properties[1].Value.Value), 64);
    EXPECT_EQ(std::get<TFormTextIdent>(columns.Items[1].Properties[0].Value.Value).Name, "False");
}

TEST(FormText, DecodesStringsNumbersAndHeaders) {
    struct {
        const char* Value;
        std::string Expected;
    } strings[] = {{"''", ""},
                   {"'a'#13#10'b'", "a\r\nb"},
                   {"#65#66'c'", "ABc"},
                   {"#$41", "A"},
                   {"'O''Neil'", "O'Neil"},
                   {"'Scrie'#537'i'", "Scrie\xC8\x99i"}, // a character code above 255, as UTF-8
                   {"'a' + #13 + 'b'", "a\rb"},
                   {"'raw \xC3\xA2'", "raw \xC3\xA2"}};
    for (auto s : strings) {
        auto form = ParseFormText(std::string("object F: TForm\n  Caption = ") + s.Value + "\nend",
                                  "s.dfm");
        EXPECT_EQ(std::get<std::string>(form.Properties.at(0).Value.Value), s.Expected) << s.Value;
    }
    struct {
        const char* Value;
        int64_t Expected;
    } integers[] = {{"0", 0},
                    {"-11", -11},
                    {"$10", 16},
                    {"$FFFFFFFF", -1},
                    {"$00B1A598", 11642264},
                    {"2147483648", 2147483648LL},
                    {"-$10", -16},
                    {"9223372036854775807", INT64_MAX}};
    for (auto n : integers) {
        auto form =
            ParseFormText(std::string("object F: TForm\n  Tag = ") + n.Value + "\nend", "n.dfm");
        EXPECT_EQ(std::get<int64_t>(form.Properties.at(0).Value.Value), n.Expected) << n.Value;
    }
    for (auto [text, expected] : {std::pair{"2.5", 2.5},
                                  {"-0.25", -0.25},
                                  {"1.5E3", 1500.0},
                                  {"12.34c", 12.34},
                                  {"1.0s", 1.0}}) {
        auto form =
            ParseFormText(std::string("object F: TForm\n  Value = ") + text + "\nend", "f.dfm");
        EXPECT_DOUBLE_EQ(std::get<double>(form.Properties.at(0).Value.Value), expected) << text;
    }

    auto inherited = ParseFormText("\xEF\xBB\xBFinherited Screen: TScreen2 [3]\n"
                                   "  inline Frame1: TFrame1\n  end\n"
                                   "  OBJECT TPanel\n  END\nend\n",
                                   "h.dfm");
    EXPECT_TRUE(inherited.Inherited);
    EXPECT_EQ(inherited.Index, 3);
    EXPECT_TRUE(inherited.Children.at(0).Inline);
    EXPECT_EQ(inherited.Children.at(1).Name, "");
    EXPECT_EQ(inherited.Children.at(1).ClassName, "TPanel");
    EXPECT_EQ(inherited.Children.at(1).Line, 4);
}

struct BadCase {
    const char* Name;
    std::string Text;
    int Line;
    const char* Says;
};

class FormTextErrorTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(FormTextErrorTest, NamesTheFileAndTheLine) {
    const BadCase c = GetParam();
    try {
        ParseFormText(c.Text, "forms/broken.dfm");
        FAIL() << "accepted";
    } catch (const sys::EParseError& e) {
        EXPECT_EQ(e.File, "forms/broken.dfm");
        EXPECT_EQ(e.Line, c.Line) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.Says), std::string::npos) << e.what();
        EXPECT_EQ(std::string(e.what()).rfind("forms/broken.dfm:" + std::to_string(c.Line), 0), 0u)
            << e.what();
    }
}

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "object P" + std::to_string(i) + ": TPanel\n";
    for (int i = 0; i < depth; ++i)
        text += "end\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FormTextErrorTest,
    ::testing::Values(
        BadCase{"Empty", "", 1, "'object' expected"},
        BadCase{"NotAnObject", "form F: TForm\nend", 1, "'object' expected"},
        BadCase{"Binary", "TPF0", 1, "Binary form"},
        BadCase{"MissingEnd", "object F: TForm\n  Left = 1\n", 3, "Unexpected end of file"},
        BadCase{"MissingEquals", "object F: TForm\n  Left 1\nend", 2, "'=' expected"},
        BadCase{"NoValue", "object F: TForm\n  Left =\nend", 3, "Property value expected"},
        BadCase{"BadValue", "object F: TForm\n  Left = ;\nend", 2, "Invalid property value"},
        BadCase{"UnterminatedString", "object F: TForm\n  Caption = 'abc\nend", 2,
                "Unterminated string"},
        BadCase{"BadCharCode", "object F: TForm\n  Caption = #\nend", 2, "Invalid character"},
        BadCase{"HugeCharCode", "object F: TForm\n  Caption = #1114112\nend", 2,
                "Invalid character"},
        BadCase{"DanglingPlus", "object F: TForm\n  Caption = 'a' +\n  Left = 1\nend", 3,
                "String expected"},
        BadCase{"PropertyAfterChild", "object F: TForm\n  object P: TPanel\n  end\n  Left = 1\nend",
                4, "'object' or 'end' expected"},
        BadCase{"OddBinary", "object F: TForm\n  Data = {\n    ABC\n  }\nend", 4, "odd number"},
        BadCase{"BadBinary", "object F: TForm\n  Data = {\n    AZ\n  }\nend", 3, "Invalid binary"},
        BadCase{"UnterminatedBinary", "object F: TForm\n  Data = {AB", 2, "Unterminated binary"},
        BadCase{"BadSet", "object F: TForm\n  Style = [fsBold fsItalic]\nend", 2,
                "',' or ']' expected"},
        BadCase{"BadCollection", "object F: TForm\n  Columns = <\n    thing\n  >\nend", 3,
                "'item' or '>'"},
        BadCase{"TooLarge", "object F: TForm\n  Tag = 99999999999999999999\nend", 2, "too large"},
        BadCase{"BadNumber", "object F: TForm\n  Tag = 12ab\nend", 2, "Invalid number"},
        BadCase{"TextAfterEnd", "object F: TForm\nend\nobject G: TForm\nend", 3,
                "Text after the end"},
        BadCase{"MissingClass", "object F: 'TForm'\nend", 1, "Class name expected"},
        BadCase{"TooDeep", Nested(500), 202, "Nesting too deep"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FormText, MangledDescriptionsAreReadOrRejectedButNeverCrash) {
    std::mt19937 random(20240611);
    const std::string sample = kSample;
    const std::string alphabet = "'#{}()[]<>=+-.:$0123456789abcdefzEND \n\t\xC3";
    for (int round = 0; round < 3000; ++round) {
        std::string text = sample;
        int edits = 1 + int(random() % 4);
        for (int e = 0; e < edits; ++e) {
            size_t at = random() % text.size();
            switch (random() % 3) {
            case 0:
                text[at] = alphabet[random() % alphabet.size()];
                break;
            case 1:
                text.erase(at, 1 + random() % 8);
                break;
            default:
                text.insert(at, 1, alphabet[random() % alphabet.size()]);
            }
            if (text.empty())
                text = "x";
        }
        try {
            TFormTextObject form = ParseFormText(text, "mangled.dfm");
            EXPECT_FALSE(form.ClassName.empty());
        } catch (const sys::EParseError& e) {
            EXPECT_EQ(e.File, "mangled.dfm");
            EXPECT_GE(e.Line, 1);
            EXPECT_LE(e.Line, 1 + int(std::count(text.begin(), text.end(), '\n')));
        }
    }
}

TEST(FormText, EveryEmbeddedFormDescriptionReads) {
    for (const std::string& name : Resources::List("forms/")) {
        SCOPED_TRACE(name);
        TFormTextObject form = ParseFormText(Resources::ReadText(name), name);
        EXPECT_FALSE(form.ClassName.empty());
    }
}

} // namespace
} // namespace ui
