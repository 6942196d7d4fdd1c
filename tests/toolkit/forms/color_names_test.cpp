// The toolkit's colour identifiers: first-match lookups both ways, and the table registered
// with the platform so that stored forms read and write the toolkit's names.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "platform/sys/ascii.h"
#include "toolkit/forms/color_names.h"
#include "toolkit/forms/skin.h"

namespace {

class ColorNames : public ::testing::Test {
protected:
    void SetUp() override { tk::StartToolkit(); }
};

TEST_F(ColorNames, NamesFindTheirValuesWithoutRegardToCase) {
    struct Case {
        const char* Ident;
        ui::TColor Value;
    } cases[] = {
        {"clGrid", 0xDFDFDF},         {"CLGRID", 0xDFDFDF},
        {"clgRID", 0xDFDFDF},         {"cl3", 0xCFCFCF},
        {"clWebSteelBlue", 0xB48246}, {"clWebSnow", 0xFAFAFF},
        {"clImplicitT", 0xA4A4A4},    {"clScrollBar", ui::TColor(0xFF000000u)},
        {"clWebLightgrey", 0xD3D3D3}, {"clBtnFace", ui::clBtnFace},
    };
    for (const Case& c : cases) {
        ui::TColor value = 0x123;
        EXPECT_TRUE(tk::ColorNameToValue(c.Ident, value)) << c.Ident;
        EXPECT_EQ(value, c.Value) << c.Ident;
    }
}

TEST_F(ColorNames, AnUnknownNameLeavesTheValueAlone) {
    for (const char* ident : {"clNoSuchColour", "", "clGrid ", "clWebSteel"}) {
        ui::TColor value = 0x123456;
        EXPECT_FALSE(tk::ColorNameToValue(ident, value)) << ident;
        EXPECT_EQ(value, 0x123456) << ident;
    }
}

TEST_F(ColorNames, ASharedValueIsWrittenUnderItsEarliestName) {
    struct Case {
        ui::TColor Value;
        const char* Ident;
    } cases[] = {
        {ui::TColor(0xFF000000u), "clSystemColor"},
        {0x808080, "clGray"},
        {0xC0C0C0, "clSilver"},
        {0xFF00FF, "clFuchsia"},
        {0x0000FF, "clRed"},
        {0xCFCFCF, "cl3"},
        {0xDFDFDF, "clGrid"},
        {0xB48246, "clWebSteelBlue"},
    };
    for (const Case& c : cases) {
        std::string ident = "unchanged";
        EXPECT_TRUE(tk::ColorValueToName(c.Value, ident)) << c.Ident;
        EXPECT_EQ(ident, c.Ident);
    }
    std::string ident;
    EXPECT_FALSE(tk::ColorValueToName(0x123456, ident));
}

TEST_F(ColorNames, EveryEntryIsReachableByItsName) {
    std::set<std::string> seen;
    const tk::TColorName* table = tk::ColorNames();
    for (int i = 0; i < tk::ColorNameCount; ++i) {
        EXPECT_TRUE(seen.insert(sys::LowerAscii(table[i].Name)).second)
            << "two entries named " << table[i].Name;
        EXPECT_EQ(std::string(table[i].Name).rfind("cl", 0), 0u) << table[i].Name;
    }
}

TEST_F(ColorNames, ThePlatformConvertsThroughTheTable) {
    EXPECT_EQ(ui::StringToColor("CLGRID"), 0xDFDFDF);
    EXPECT_EQ(ui::ColorToString(0xCFCFCF), "cl3");
    EXPECT_EQ(ui::ColorToString(0x808080), "clGray");
    // Restarting the toolkit registers the table once only: unregistering after one finish
    // leaves no copy behind.
    tk::FinishToolkit();
    EXPECT_THROW(ui::StringToColor("clGrid"), std::invalid_argument);
    tk::StartToolkit();
    EXPECT_EQ(ui::StringToColor("clGrid"), 0xDFDFDF);
}

} // namespace
