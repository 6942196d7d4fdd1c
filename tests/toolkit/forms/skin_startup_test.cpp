// The start-up step's display decisions: the low-colour switch file, the colour depth, the hint
// colour and the largest form size.
#include <gtest/gtest.h>

#include "common/temp_prefix.h"
#include "platform/ui/core/messages.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/skin.h"

namespace {

// Restarts the toolkit with its run folder in a temporary prefix, and as it was afterwards.
class SkinStartUp : public ::testing::Test {
protected:
    void SetUp() override { tk::StartToolkit(); }
    void TearDown() override {
        tk::FinishToolkit();
        tk::OverrideRunFolder("");
        tk::StartToolkit();
    }
    void RestartIn(const std::string& folder) {
        tk::FinishToolkit();
        tk::OverrideRunFolder(folder);
        tk::StartToolkit();
    }
    kxtest::TempPrefix prefix;
};

TEST_F(SkinStartUp, TheLowColourFileGivesTheFlatLookAndAYellowHint) {
    kxtest::TempPrefix::Write(prefix.C("Run/LowColor.dat"), "");
    RestartIn("C:\\Run");
    EXPECT_EQ(tk::RunFolder, "C:\\Run\\");
    EXPECT_FALSE(tk::HighColorDisplay);
    EXPECT_EQ(ui::Application()->HintColor(), ui::clYellow);
    ASSERT_NE(tk::SkinStore, nullptr);
}

TEST_F(SkinStartUp, WithoutTheFileTheColourDepthDecides) {
    std::filesystem::create_directories(prefix.C("Run"));
    RestartIn("C:\\Run\\");
    EXPECT_EQ(tk::RunFolder, "C:\\Run\\");
    bool high = ui::Screen()->ColorDepth() > 8;
    EXPECT_EQ(tk::HighColorDisplay, high);
    EXPECT_EQ(ui::Application()->HintColor(), high ? 0xE6E2D9 : ui::clYellow);
}

TEST_F(SkinStartUp, TheLargestFormIsTheScreenWithTwoSizingFrames) {
    ui::Screen()->SetSize(1024, 700);
    tk::ComputeMaxFormSize();
    int frameX = ui::GetSystemMetrics(ui::SM_CXFRAME);
    int frameY = ui::GetSystemMetrics(ui::SM_CYFRAME);
    ui::Screen()->ResetSize();
    EXPECT_EQ(tk::MaxFormWidth, 1024 + 2 * frameX);
    EXPECT_EQ(tk::MaxFormHeight, 700 + 2 * frameY);
}

TEST_F(SkinStartUp, FinishingReleasesWhatStartUpMade) {
    tk::FinishToolkit();
    EXPECT_EQ(tk::SkinStore, nullptr);
    EXPECT_EQ(tk::EmptyGlyph, nullptr);
    EXPECT_EQ(tk::HatchBitmap, nullptr);
    EXPECT_EQ(tk::NiceButtonFace, nullptr);
    EXPECT_FALSE(tk::HighColorDisplay);
}

} // namespace
