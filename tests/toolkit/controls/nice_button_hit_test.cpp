// Where the flat button answers the mouse: its glyph box and its face box (left and top edges
// in, right and bottom out); elsewhere the hit test answers nowhere and takes the hover away.
#include <gtest/gtest.h>

#include "buttons_fixture.h"
#include "toolkit/controls/nice_button.h"
#include "toolkit/controls/nice_button_hit.h"

namespace tk::test {
namespace {

struct THitCase {
    const char* Name;
    TNiceFaceGeometry Geometry;
    ui::TPoint Point;
    bool OnFace;
};

class FaceHit : public ::testing::TestWithParam<THitCase> {};

TEST_P(FaceHit, AnswersOnlyOnGlyphAndFace) {
    const THitCase& c = GetParam();
    EXPECT_EQ(NiceFaceContains(c.Geometry, c.Point), c.OnFace);
}

// A 120 x 40 button, a 28-pixel face (rows 6 to 33), a 20 x 16 glyph (rows 12 to 27).
constexpr TNiceFaceGeometry WithCaption{120, 40, 28, 20, 16, true};
constexpr TNiceFaceGeometry GlyphOnly{120, 40, 28, 20, 16, false};
constexpr TNiceFaceGeometry TextOnly{120, 40, 28, 0, 0, true};
constexpr TNiceFaceGeometry Bare{120, 40, 28, 0, 0, false};

INSTANTIATE_TEST_SUITE_P(
    NiceButton, FaceHit,
    ::testing::Values(
        // With a caption the glyph box runs from column 34 - 20 to 35 (exclusive).
        THitCase{"LeftOfTheGlyph", WithCaption, {13, 20}, false},
        THitCase{"GlyphLeftEdge", WithCaption, {14, 20}, true},
        THitCase{"GlyphTopEdge", WithCaption, {20, 12}, true},
        THitCase{"AboveTheGlyph", WithCaption, {20, 11}, false},
        THitCase{"BelowTheGlyph", WithCaption, {20, 28}, false},
        THitCase{"GlyphRightColumn", WithCaption, {34, 28}, false},
        THitCase{"FaceLeftEdge", WithCaption, {35, 6}, true},
        THitCase{"AboveTheFace", WithCaption, {60, 5}, false},
        THitCase{"FaceBottomRow", WithCaption, {60, 33}, true},
        THitCase{"BelowTheFace", WithCaption, {60, 34}, false},
        THitCase{"FaceRightColumn", WithCaption, {119, 20}, true},
        // Without a caption only the centred glyph answers: columns 50 to 69.
        THitCase{"CentredGlyph", GlyphOnly, {50, 12}, true},
        THitCase{"RightOfTheCentredGlyph", GlyphOnly, {70, 20}, false},
        THitCase{"FaceOfAGlyphOnlyButton", GlyphOnly, {100, 20}, false},
        // Without a glyph the face starts at column 0.
        THitCase{"TextOnlyFaceLeft", TextOnly, {0, 6}, true},
        THitCase{"TextOnlyAboveTheFace", TextOnly, {0, 5}, false},
        // Neither glyph nor caption: the whole control.
        THitCase{"BareCorner", Bare, {0, 0}, true}),
    [](const ::testing::TestParamInfo<THitCase>& info) { return info.param.Name; });

TEST_F(ButtonsTest, TheHitTestPassesTheMarginByAndTakesTheHoverAway) {
    ASSERT_NE(NiceButtonFace, nullptr);
    int faceTop = (40 - NiceButtonFace->Height()) / 2;
    auto& b = Host.Place<TNiceButton>(10, 10, 120, 40);
    b.SetCaption("&Test");
    b.SetGlyph(FramedStrip(3, 16));
    Host.Snapshot(); // the glyph's size is known from the first paint
    ASSERT_EQ(b.LastGlyphWidth(), 16);

    auto hit = [&](int x, int y) { return b.Perform(ui::WM_NCHITTEST, 0, ScreenPoint(b, x, y)); };
    EXPECT_EQ(hit(25, 20), ui::HTCLIENT);           // the glyph
    EXPECT_EQ(hit(60, faceTop), ui::HTCLIENT);      // the face
    EXPECT_EQ(hit(60, faceTop - 1), ui::HTNOWHERE); // above it

    ASSERT_FALSE(b.Focused());
    ui::SendMessage(b.Handle(), ui::WM_MOUSEMOVE, 0, ui::MakeLParam(60, 20));
    ASSERT_TRUE(b.DrawFace());
    EXPECT_EQ(hit(5, 20), ui::HTNOWHERE);
    EXPECT_FALSE(b.DrawFace());
    EXPECT_EQ(HoveredNiceButton, nullptr);

    // A stretched button answers everywhere.
    b.SetStretch(true);
    EXPECT_EQ(hit(5, 1), ui::HTCLIENT);
}

} // namespace
} // namespace tk::test
