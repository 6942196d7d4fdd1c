// The strict XML reader of the group menu files.
#include "platform/dde/xml_reader.h"

#include <gtest/gtest.h>

namespace {

using dde::ParseXml;
using dde::XmlElement;

TEST(XmlReader, ReadsAMenuDocument) {
    const char* text = "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"
                       "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                       " \"menu.dtd\" [ <!-- x --> ]>\n"
                       "<!-- comment --><Menu a='1' b=\"&lt;&#65;&#x42;&quot;\">\n"
                       "  <Name>A &amp; B</Name><Empty/><Data><![CDATA[<raw>]]></Data>\n"
                       "</Menu>\n<!-- after -->\n";
    XmlElement root;
    std::string problem;
    ASSERT_TRUE(ParseXml(text, root, problem)) << problem;
    EXPECT_EQ(root.Name, "Menu");
    ASSERT_EQ(root.Attributes.size(), 2u);
    EXPECT_EQ(root.Attributes[1].second, "<AB\"");
    ASSERT_TRUE(root.Child("Name"));
    EXPECT_EQ(root.Child("Name")->Text, "A & B");
    EXPECT_TRUE(root.Child("Empty"));
    EXPECT_EQ(root.Child("Data")->Text, "<raw>");
}

struct BadXml {
    const char* Text;
    const char* Fragment;
};

TEST(XmlReader, RefusesDocumentsThatAreNotWellFormed) {
    const BadXml cases[] = {
        {"", "line 1: no root element"},
        {"garbage", "no root element"},
        {"<Menu>", "not closed"},
        {"<Menu>\n<Name>x</Menu>", "line 2: closing tag does not match"},
        {"<Menu></Menu><Menu/>", "after the root"},
        {"<Menu a=1/>", "quoted attribute"},
        {"<Menu a='1' a='2'/>", "twice"},
        {"<Menu a='1'b='2'/>", "blank before"},
        {"<Menu>&nbsp;</Menu>", "unknown entity"},
        {"<Menu>&#0;</Menu>", "out of range"},
        {"<Menu>&#x110000;</Menu>", "out of range"},
        {"<Menu>&#12a;</Menu>", "bad character reference"},
        {"<Menu>&amp</Menu>", "entity"},
        {"<Menu><!-- open</Menu>", "unterminated comment"},
        {"<Menu><![CDATA[x</Menu>", "CDATA"},
        {"<!DOCTYPE Menu \"open>", "DOCTYPE"},
        {"<Menu a='<'/>", "< inside"},
    };
    for (const BadXml& bad : cases) {
        XmlElement root;
        std::string problem;
        EXPECT_FALSE(ParseXml(bad.Text, root, problem)) << bad.Text;
        EXPECT_NE(problem.find(bad.Fragment), std::string::npos) << bad.Text << " -> " << problem;
    }
}

TEST(XmlReader, RefusesNestingDeepEnoughToExhaustTheStack) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    XmlElement root;
    std::string problem;
    EXPECT_FALSE(ParseXml(deep, root, problem));
    EXPECT_NE(problem.find("nested too deeply"), std::string::npos) << problem;
}

} // namespace
