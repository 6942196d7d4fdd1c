// The design table: what start-up loads, the defaults of each kind, and the preset texts.
#include <gtest/gtest.h>

#include <map>

#include "toolkit/forms/design_settings.h"

namespace {

// Tests that load other presets put the table back as start-up left it.
class DesignSettings : public ::testing::Test {
protected:
    void SetUp() override {
        tk::StartToolkit();
        saved_ = tk::DesignTable;
        savedType_ = tk::TIPDESIGN;
        savedTitleBar_ = tk::TITLEBAR;
    }
    void TearDown() override {
        tk::DesignTable = saved_;
        tk::TIPDESIGN = savedType_;
        tk::TITLEBAR = savedTitleBar_;
    }

private:
    std::array<tk::TDesignRecord, tk::ModuleKindCount> saved_;
    int savedType_ = 0;
    int savedTitleBar_ = 0;
};

std::map<std::string, std::string> KeyValues(const std::vector<std::string>& lines) {
    std::map<std::string, std::string> values;
    for (const std::string& line : lines) {
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return values;
}

TEST_F(DesignSettings, StartUpLoadsPresetTwoForDateAndListe) {
    const tk::TDesignRecord& date = tk::DesignTable[tk::mDate];
    const tk::TDesignRecord& liste = tk::DesignTable[tk::mListe];
    EXPECT_EQ(liste.ColorTabDateStart, 13412194);
    EXPECT_EQ(date.ColorTabDateStart, 12040119);
    EXPECT_EQ(tk::TIPDESIGN, 2);
    EXPECT_EQ(tk::TITLEBAR, 2); // mListe is loaded last
    // Values the preset writes that differ from the defaults, including a "$" hexadecimal one
    // and the key the preset spells "NAME_MODULFONT_DATE".
    EXPECT_EQ(date.ColorFLFont, 1);
    EXPECT_EQ(date.ColorSubmenu, 0x4B4B4B);
    EXPECT_EQ(liste.ColorSubmenu, 13619151);
    EXPECT_EQ(date.SizeTab, 8);
    EXPECT_EQ(date.BoldLTitFont, 8);
    EXPECT_EQ(date.SizeLTitFont, 1);
    EXPECT_EQ(date.NameModulFont, "MS Sans Serif");
    // Keys the preset does not hold take the defaults.
    EXPECT_EQ(date.ColorTabDateEnd, 16777215);
    EXPECT_EQ(date.ColorDateStart, 12040119);
    EXPECT_EQ(liste.ColorDateEnd, 16777215);
    for (int kind = tk::mDocument; kind < tk::ModuleKindCount; ++kind)
        EXPECT_EQ(tk::DesignTable[size_t(kind)], tk::TDesignRecord{}) << "kind " << kind;
    EXPECT_TRUE(tk::DesignTable[tk::mDocument].NameTab.empty());
}

TEST_F(DesignSettings, AnEmptyPresetGivesTheDefaultsOfTheKind) {
    tk::LoadDesignPreset(tk::mListe, 11);
    const tk::TDesignRecord& liste = tk::DesignTable[tk::mListe];
    EXPECT_EQ(tk::TIPDESIGN, 4);
    EXPECT_EQ(tk::TITLEBAR, 1);
    EXPECT_EQ(liste.ColorTabDateStart, 0xCCCCCC);
    EXPECT_EQ(liste.ColorLTitDateStart, 0xCCCCCC);
    EXPECT_EQ(liste.ColorFLSelFont, 0xC89200);
    // Derived: 204 - 204 / 5 = 163.2, then the contrast of $A3A3A3 (sum 489) lightens by
    // (163 + 255) / 20.
    EXPECT_EQ(liste.ColorTabInactivDateStart, 0xA3A3A3);
    EXPECT_EQ(liste.ColorTabInactiv, 0xB7B7B7);
    EXPECT_EQ(liste.ColorDateStart, 0xB7B7B7);
    EXPECT_EQ(liste.SizeTab, 10);
    EXPECT_EQ(liste.NameMenuFont, "MS Sans Serif");

    tk::LoadDesignPreset(tk::mRetail, 1);
    const tk::TDesignRecord& retail = tk::DesignTable[tk::mRetail];
    EXPECT_EQ(tk::TIPDESIGN, 3);
    EXPECT_EQ(tk::TITLEBAR, 0);
    EXPECT_EQ(retail.ColorTabDateStart, 0x976A28);
    EXPECT_EQ(retail.ColorFLFont, 0x7F7F7F);
    EXPECT_EQ(retail.ColorDateEnd, 0xBFBFBF);
}

TEST_F(DesignSettings, PresetTwoTextAndItsListeVariant) {
    std::vector<std::string> date = tk::DesignPresetText(tk::mDate, 2);
    ASSERT_GE(date.size(), 3u);
    EXPECT_EQ(date[0], "[KSV_DESIGN]");
    EXPECT_EQ(date[1], "Cfg_User=");
    EXPECT_EQ(date[2], "ABO_Invisible_DATE=0");
    EXPECT_EQ(date.back(), "NAME_BARA_DATE=MS Sans Serif");

    std::map<std::string, std::string> a = KeyValues(date);
    std::map<std::string, std::string> b = KeyValues(tk::DesignPresetText(tk::mListe, 2));
    ASSERT_EQ(a.size(), b.size());
    std::map<std::string, std::string> changed;
    for (const auto& [key, value] : b) {
        if (a.at(key) != value)
            changed[key] = value;
    }
    std::map<std::string, std::string> expected = {
        {"TITLEBAR_DATE", "2"},
        {"COLOR_TAB_DATE", "16777215"},
        {"COLOR_TABINACTIV_DATE", "12040119"},
        {"COLOR_TABDATE_START", "13412194"},
        {"COLOR_TABINACTIVDATE_START", "14256651"},
        {"COLOR_TABINACTIVDATE_END", "12220728"},
        {"COLOR_SUBMENU_DATE", "13619151"},
        {"COLOR_SUBMENUSEL_DATE", "15724527"},
        {"COLOR_SUBMENUFONT_DATE", "0"},
        {"COLOR_SUBMENUSELFONT_DATE", "0"},
        {"COLOR_BARA_DATE", "12564885"},
        {"COLOR_BUTBARA_DATE", "13614725"},
    };
    EXPECT_EQ(changed, expected);
}

TEST_F(DesignSettings, OtherPresetsCarryTheSameKeysAndKeepTheDesignType) {
    std::map<std::string, std::string> two = KeyValues(tk::DesignPresetText(tk::mDate, 2));
    two.erase("Cfg_User");
    tk::TIPDESIGN = 7;
    for (int preset = 3; preset <= 10; ++preset) {
        SCOPED_TRACE(preset);
        std::vector<std::string> lines = tk::DesignPresetText(tk::mDate, preset);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], "[KSV_DESIGN]");
        EXPECT_NE(lines[1], "Cfg_User="); // each scheme has its user label
        std::map<std::string, std::string> values = KeyValues(lines);
        values.erase("Cfg_User");
        ASSERT_EQ(values.size(), two.size());
        for (const auto& entry : two)
            EXPECT_TRUE(values.count(entry.first)) << entry.first;
        if (preset <= 9) {
            EXPECT_EQ(values["TIPDESIGN_DATE"], "7");
        }
    }
    tk::LoadDesignPreset(tk::mDocument, 5);
    EXPECT_EQ(tk::TIPDESIGN, 7);
    EXPECT_NE(tk::DesignTable[tk::mDocument].ColorTabDateStart, 0);
    for (int preset : {-1, 0, 1, 11, 1000})
        EXPECT_TRUE(tk::DesignPresetText(tk::mDate, preset).empty()) << preset;
}

} // namespace
