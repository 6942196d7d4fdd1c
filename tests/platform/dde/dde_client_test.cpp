// The DDE client conversation as the installer holds it with Program Manager.
#include "common/temp_prefix.h"
#include "platform/dde/dde_client.h"
#include "platform/dde/menu_file.h"

#include <gtest/gtest.h>

namespace {

using dde::TDdeClientConv;
using kxtest::TempPrefix;

std::filesystem::path GroupMenu(const TempPrefix& prefix) {
    return prefix.Root / "menus" / "applications-merged" / "kestrix-kestrix.menu";
}

TEST(DdeClient, TalksToProgramManagerInManualMode) {
    TempPrefix prefix;
    TDdeClientConv conversation;
    conversation.SetConnectMode(dde::ddeManual);
    ASSERT_TRUE(conversation.SetLink("ProgMan", ""));
    EXPECT_FALSE(conversation.Connected()) << "manual mode waits for OpenLink";
    EXPECT_FALSE(conversation.ExecuteMacro("[CreateGroup(\"Kestrix\")]", true));
    ASSERT_TRUE(conversation.OpenLink()) << conversation.LastError();
    EXPECT_TRUE(conversation.ExecuteMacroLines(
        {"[CreateGroup(\"Kestrix\")]", "[AddItem(\"C:\\Kesvard\\TALVEN.EXE\", \"Talven\")]",
         "[ShowGroup(\"Kestrix\",8)]"},
        true))
        << conversation.LastError();
    EXPECT_EQ(dde::ReadGroupMenu(GroupMenu(prefix)).Items.size(), 1u);
    EXPECT_FALSE(conversation.ExecuteMacro("[Frobnicate]", false));
    EXPECT_EQ(conversation.LastError(), "Frobnicate: unknown command");
    conversation.CloseLink();
    EXPECT_FALSE(conversation.ExecuteMacro("[ShowGroup(\"Kestrix\",8)]", true));
}

TEST(DdeClient, OpensInAutomaticModeWithSetLink) {
    TempPrefix prefix;
    TDdeClientConv conversation;
    EXPECT_TRUE(conversation.SetLink("PROGMAN", "PROGMAN"));
    EXPECT_TRUE(conversation.Connected());
}

TEST(DdeClient, OnlyProgramManagerAnswers) {
    TempPrefix prefix;
    const std::pair<const char*, const char*> links[] = {
        {"Excel", ""}, {"ProgMan", "System"}, {"", ""}, {"ProgMan2", ""}};
    for (const auto& [service, topic] : links) {
        TDdeClientConv conversation;
        conversation.SetConnectMode(dde::ddeManual);
        conversation.SetLink(service, topic);
        EXPECT_FALSE(conversation.OpenLink()) << service << "|" << topic;
        EXPECT_NE(conversation.LastError().find("no DDE server"), std::string::npos);
    }
}

TEST(DdeClient, ThePrefixCanSwitchProgramManagerOff) {
    TempPrefix prefix;
    const std::pair<const char*, bool> settings[] = {
        {"[ProgMan]\nEnabled=0\n", false},
        {"[progman]\r\nenabled = 0\r\n", false},
        {"[ProgMan]\nEnabled=1\n", true},
        {"[Other]\nEnabled=0\n", true},
        {"", true},
    };
    for (const auto& [text, enabled] : settings) {
        TempPrefix::Write(prefix.Root / "dde.ini", text);
        TDdeClientConv conversation;
        conversation.SetConnectMode(dde::ddeManual);
        conversation.SetLink("ProgMan", "");
        EXPECT_EQ(conversation.OpenLink(), enabled) << text;
        if (!enabled) {
            EXPECT_NE(conversation.LastError().find("dde.ini"), std::string::npos);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(GroupMenu(prefix)));
}

} // namespace
