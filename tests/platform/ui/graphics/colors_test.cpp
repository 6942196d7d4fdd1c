// Colour values, the fixed system colour table and the identifier converters.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ui/graphics/types.h"

namespace ui {
namespace {

TEST(Colors, SystemColoursResolveThroughTheTableAndOthersToTheirLowBytes) {
    for (int index = 0; index < COLOR_SYSTEM_COUNT; ++index)
        EXPECT_EQ(ColorToRGB(SystemColor(index)), GetSysColor(index)) << index;
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(TColor(0x00123456)), 0x123456u);
    EXPECT_EQ(ColorToRGB(TColor(0x02123456)), 0x123456u); // palette flags are dropped
    EXPECT_EQ(ColorToRGB(clDefault), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetSysColor(200), 0u);
    EXPECT_EQ(RGB(8, 74, 140), TColorRef(9193992));
    EXPECT_EQ(GetRValue(9193992), 8);
    EXPECT_EQ(GetGValue(9193992), 74);
    EXPECT_EQ(GetBValue(9193992), 140);
}

TEST(Colors, TheSystemTableIsTheClassicScheme) {
    // Text on window, white highlights and dark shadows around a face between them.
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    TColorRef face = GetSysColor(COLOR_BTNFACE);
    TColorRef shadow = GetSysColor(COLOR_BTNSHADOW);
    TColorRef light = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_LT(GetRValue(shadow), GetRValue(face));
    EXPECT_GT(GetRValue(light), GetRValue(face));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(0, 0, 0));
}

TEST(ColorIdents, NamesConvertWithoutRegardToCaseAndBack) {
    struct {
        const char* Ident;
        TColor Value;
        const char* Written;
    } cases[] = {{"clBtnFace", clBtnFace, "clBtnFace"},
                 {"CLBTNFACE", clBtnFace, "clBtnFace"},
                 {"clwindowtext", clWindowText, "clWindowText"},
                 {"clRed", clRed, "clRed"},
                 {"clDkGray", clDkGray, "clGray"}, // shared values take the first name
                 {"clLtGray", clLtGray, "clSilver"},
                 {"clScrollBar", clScrollBar, "clSystemColor"},
                 {"clNone", clNone, "clNone"},
                 {"clDefault", clDefault, "clDefault"}};
    for (auto c : cases) {
        TColor value = 42;
        ASSERT_TRUE(IdentToColor(c.Ident, value)) << c.Ident;
        EXPECT_EQ(value, c.Value) << c.Ident;
        EXPECT_EQ(ColorToString(value), c.Written) << c.Ident;
        EXPECT_EQ(StringToColor(c.Ident), c.Value);
    }
    TColor unchanged = 42;
    EXPECT_FALSE(IdentToColor("clNoSuchColour", unchanged));
    EXPECT_FALSE(IdentToColor("clBtnFac", unchanged));
    EXPECT_FALSE(IdentToColor("", unchanged));
    EXPECT_EQ(unchanged, 42);
}

TEST(ColorIdents, NumbersAreReadAndWrittenWhenNoNameFits) {
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(ColorToString(TColor(0xFF000063)), "$FF000063");
    EXPECT_EQ(StringToColor("$00123456"), 0x123456);
    EXPECT_EQ(StringToColor("11642264"), 11642264);
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    for (const char* bad : {"clNoSuch", "12abc", "$", "-", "$1FFFFFFFF", "99999999999"}) {
        try {
            StringToColor(bad);
            ADD_FAILURE() << bad;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos);
        }
    }
}

// A registered table as the toolkit registers its own: its names win over the platform's.
bool TestIdentToColor(const std::string& ident, TColor& color) {
    if (ident == "clGrid") {
        color = 0xDFDFDF;
        return true;
    }
    return false;
}
bool TestColorToIdent(TColor color, std::string& ident) {
    if (color == 0xDFDFDF) {
        ident = "clGrid";
        return true;
    }
    if (color == clGray) {
        ident = "clWebGray";
        return true;
    }
    return false;
}

TEST(ColorIdents, ARegisteredConverterIsAskedFirstUntilItIsRemoved) {
    RegisterColorIdentConverter(TestIdentToColor, TestColorToIdent);
    EXPECT_EQ(StringToColor("clGrid"), 0xDFDFDF);
    EXPECT_EQ(ColorToString(0xDFDFDF), "clGrid");
    EXPECT_EQ(ColorToString(clGray), "clWebGray");
    EXPECT_EQ(StringToColor("clBtnFace"), clBtnFace); // the platform's names still work
    UnregisterColorIdentConverter(TestIdentToColor, TestColorToIdent);
    EXPECT_EQ(ColorToString(clGray), "clGray");
    EXPECT_EQ(ColorToString(0xDFDFDF), "$00DFDFDF");
    EXPECT_THROW(StringToColor("clGrid"), std::invalid_argument);
}

TEST(Rectangles, InflateOffsetAndIntersect) {
    EXPECT_EQ(InflateRect({2, 2, 8, 8}, 1, -1), (TRect{1, 3, 9, 7}));
    EXPECT_EQ(OffsetRect({2, 2, 8, 8}, -2, 3), (TRect{0, 5, 6, 11}));
    TRect out;
    EXPECT_TRUE(IntersectRect(out, {0, 0, 10, 10}, {5, -5, 15, 5}));
    EXPECT_EQ(out, (TRect{5, 0, 10, 5}));
    EXPECT_FALSE(IntersectRect(out, {0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_EQ(Bounds(3, 4, 10, 20), (TRect{3, 4, 13, 24}));
}

} // namespace
} // namespace ui
