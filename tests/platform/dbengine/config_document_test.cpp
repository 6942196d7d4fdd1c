// The configuration file's text: kept byte for byte where nothing changes, read strictly.
#include "platform/dbengine/config_document.h"
#include "platform/dbengine/engine_config.h"
#include "platform/sys/errors.h"

#include <gtest/gtest.h>

namespace {

using dbe::ConfigDocument;
using dbe::EngineConfig;

TEST(ConfigDocument, WritesBackWhatItReadByteForByte) {
    const char* texts[] = {
        "",
        "[A]\r\nX=1\r\n",
        "; header comment\n\n[DRIVERS\\PARADOX\\INIT]\nNET DIR = C:\\ \nVERSION=4.0\n",
        "[ALIAS:OTHER]\r\nTYPE=DBASE\nPATH=D:\\x\r\n\r\n# trailing comment",
        "  [ Spaced ]  \n\tKEY\t=\tvalue with = inside\t\n",
        "[NoFinalLineEnd]\nK=v",
    };
    for (const char* text : texts)
        EXPECT_EQ(ConfigDocument::Parse(text, "C:\\CFG").Serialize(), text) << text;
}

TEST(ConfigDocument, ChangesOnlyTheLineOfTheChangedValue) {
    const std::string text = "; keep\r\n[OTHER]\r\n  A = 1  \r\n[DRIVERS\\PARADOX\\INIT]\r\n"
                             "net dir = C:\\\r\n; comment closing the section\r\n\r\n[LAST]\r\nZ=9";
    ConfigDocument doc = ConfigDocument::Parse(text, "C:\\CFG");
    doc.SetValue("drivers\\paradox\\init", "NET DIR", "D:\\Date\\");
    EXPECT_EQ(doc.Serialize(), "; keep\r\n[OTHER]\r\n  A = 1  \r\n[DRIVERS\\PARADOX\\INIT]\r\n"
                               "net dir=D:\\Date\\\r\n; comment closing the section\r\n\r\n"
                               "[LAST]\r\nZ=9");
    EXPECT_EQ(doc.Value("Drivers\\Paradox\\Init", "Net Dir"), "D:\\Date\\");
}

TEST(ConfigDocument, AddsValuesAfterTheLastValueAndSectionsAtTheEnd) {
    ConfigDocument doc = ConfigDocument::Parse("[A]\nX=1\n; about A\n\n[B]\nY=2", "C:\\CFG");
    doc.SetValue("A", "Z", "3");
    doc.SetValue("NEW", "K", "v");
    EXPECT_EQ(doc.Serialize(), "[A]\nX=1\nZ=3\n; about A\n\n[B]\nY=2\n\n[NEW]\nK=v\n");
}

TEST(ConfigDocument, NewDocumentsUseWindowsLineEnds) {
    ConfigDocument doc;
    doc.SetValue("S", "K", "v");
    doc.SetValue("T", "K", "w");
    EXPECT_EQ(doc.Serialize(), "[S]\r\nK=v\r\n\r\n[T]\r\nK=w\r\n");
}

struct BadText {
    const char* Text;
    int Line;
    const char* Fragment;
};

TEST(ConfigDocument, RefusesMalformedTextNamingFileAndLine) {
    const BadText cases[] = {
        {"[A\nX=1\n", 1, "closing ]"},
        {"[A]\n[]\n", 2, "without a name"},
        {"[A]\nX=1\n[a]\n", 3, "appears twice"},
        {"[A]\nX=1\nx=2\n", 3, "appears twice"},
        {"X=1\n[A]\n", 1, "before the first section"},
        {"[A]\njust words\n", 2, "expected"},
        {"[A]\n=value\n", 2, "without a name"},
        {"[A]\nX=1\x01\n", 2, "control character"},
        {"[A]\nX=1\rY=2\n", 2, "control character"},
        {"[A]\n[B]]\n", 2, "bracket"},
        {"[ALIAS:TALVEN]\nPATH=C:\\x\n", 1, "no TYPE"},
        {"[A]\n[ALIAS: ]\nTYPE=PARADOX\n", 2, "alias without a name"},
    };
    for (const BadText& bad : cases) {
        try {
            EngineConfig::Parse(bad.Text, "C:\\BDE\\IDAPI32.CFG");
            ADD_FAILURE() << "accepted: " << bad.Text;
        } catch (const sys::EParseError& error) {
            EXPECT_EQ(error.File, "C:\\BDE\\IDAPI32.CFG") << bad.Text;
            EXPECT_EQ(error.Line, bad.Line) << bad.Text;
            EXPECT_NE(std::string(error.what()).find(bad.Fragment), std::string::npos)
                << bad.Text << " -> " << error.what();
        }
    }
}

TEST(EngineConfig, AliasesAreNodesOfTheConfigurationTree) {
    EngineConfig config = EngineConfig::Parse("[DRIVERS\\PARADOX\\INIT]\nNET DIR=C:\\\n"
                                              "[ALIAS:Other]\nTYPE=DBASE\nPATH=D:\\x\n",
                                              "C:\\CFG");
    const auto info = config.Node("\\\\DATABASES\\\\OTHER\\\\DB INFO");
    ASSERT_TRUE(info);
    ASSERT_EQ(info->size(), 2u);
    EXPECT_EQ((*info)[0].Name, "TYPE");
    EXPECT_EQ((*info)[1].Value, "D:\\x");
    const auto databases = config.Node("\\DATABASES");
    ASSERT_TRUE(databases);
    ASSERT_EQ(databases->size(), 1u);
    EXPECT_EQ((*databases)[0].Name, "Other");
    EXPECT_TRUE((*databases)[0].HasSubnodes);
    const auto root = config.Node("\\");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->size(), 2u); // DRIVERS, DATABASES
    EXPECT_FALSE(config.Node("\\DRIVERS\\DBASE"));
}

TEST(EngineConfig, PutAliasUpdatesInPlaceAndKeepsOtherValues) {
    const std::string before = "[ALIAS:talven]\nTYPE=PARADOX\nPATH=C:\\Old\nENABLE BCD=FALSE\n"
                               "[ALIAS:OTHER]\nTYPE=DBASE\nPATH=D:\\x\n";
    EngineConfig config = EngineConfig::Parse(before, "C:\\CFG");
    config.PutAlias({"TALVEN", "PARADOX", {{"PATH", "D:\\Date\\DATA"}}});
    EXPECT_EQ(config.Serialize(), "[ALIAS:talven]\nTYPE=PARADOX\nPATH=D:\\Date\\DATA\n"
                                  "ENABLE BCD=FALSE\n[ALIAS:OTHER]\nTYPE=DBASE\nPATH=D:\\x\n");
}

} // namespace
