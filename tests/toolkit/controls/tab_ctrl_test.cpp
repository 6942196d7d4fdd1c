// The skinned tab control: the face follows the parent's colour and the module kind's tab
// colour, the page takes the selected tab's colour, a change of page can be refused by the
// user's or the program's hand, the tab sizes follow the face and the properties, the tab under
// the mouse is hot, and bad values leave the control as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/stdctrls/control_host.h"
#include "platform/ui/stdctrls/group_box.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/streaming/form_reader.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/controls/tab_ctrl.h"
#include "toolkit/controls/tab_ctrl_sheet.h"
#include "toolkit/forms/design_settings.h"
#include "toolkit/forms/skin.h"

namespace tk {
namespace {

using ui::test::TControlHost;

class TabCtrl : public ::testing::Test {
protected:
    void SetUp() override {
        StartToolkit();
        ASSERT_NE(TabFaceBitmap, nullptr);
        Panel = &Host.Place<ui::TPanel>(0, 0, 400, 260);
        Panel->SetBevelOuter(ui::bvNone);
        Panel->SetColor(0x40A0C0);
        Tabs = new TKesvTabCtrl322(&Host.Form());
        Tabs->SetBounds(10, 10, 300, 200);
        Tabs->SetParent(Panel);
        for (int i = 0; i < 3; ++i) {
            auto* sheet = new TKesvTabSheet2(&Host.Form());
            sheet->SetCaption("&Pagina" + std::to_string(i));
            sheet->SetPageControl(Tabs);
            Sheets.push_back(sheet);
        }
    }

    // Paints what is pending and gives a picture of the tab control.
    ui::TBitmap Picture() { return ui::test::Picture(*Tabs); }
    ui::TColor FacePixel(int x, int y) {
        auto& face = const_cast<ui::TBitmap&>(Tabs->Face());
        return face.Canvas().Pixel(x, y);
    }
    int FaceW() { return Tabs->Face().Width(); }
    int FaceH() { return Tabs->Face().Height(); }
    void ClickTab(int tab) {
        ui::TRect r = Tabs->TabRect(tab);
        ui::TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        ui::SendMessage(Tabs->Handle(), ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::PointToLParam(p));
        ui::SendMessage(Tabs->Handle(), ui::WM_LBUTTONUP, 0, ui::PointToLParam(p));
    }
    void MoveTo(int x, int y) { Tabs->Perform(ui::WM_MOUSEMOVE, 0, ui::PointToLParam({x, y})); }

    TControlHost Host{420, 280};
    ui::TPanel* Panel = nullptr;
    TKesvTabCtrl322* Tabs = nullptr;
    std::vector<TKesvTabSheet2*> Sheets;
};

ui::TColor Rgb(ui::TColor color) {
    ui::TBitmap probe(1, 1);
    return ui::TColor(probe.Canvas().Resolve(color));
}

TEST_F(TabCtrl, TheFaceIsRecolouredWhenTheParentsColourChanges) {
    for (ui::TColor parent : {ui::TColor(0x40A0C0), ui::TColor(0x203040), ui::clBtnFace}) {
        Panel->SetColor(parent);
        ui::TBitmap picture = Picture();
        EXPECT_EQ(Tabs->BackgroundColor(), parent);
        // Around the tabs, the selected body, the hot body and the outline.
        EXPECT_EQ(FacePixel(0, 0), Rgb(parent));
        EXPECT_EQ(FacePixel(FaceW() - 20, FaceH() - 20), Tabs->MiddleColor());
        EXPECT_EQ(FacePixel(FaceW() / 3 + 10, 10), Rgb(DarkenColor(parent, 10)));
        EXPECT_EQ(FacePixel(0, FaceH() - 1), Rgb(DarkenColor(parent, 3)));
        // The page stands in the selected tab's colour.
        EXPECT_EQ(Sheets[0]->Color(), Tabs->MiddleColor());
        ui::TRect page = Tabs->DisplayRect();
        EXPECT_EQ(picture.Canvas().Pixel(page.Left + 20, page.Bottom - 3), Tabs->MiddleColor());
    }
    Tabs->SetMiddleColor(0xC0E0F0);
    Picture();
    EXPECT_EQ(FacePixel(FaceW() - 20, FaceH() - 20), 0xC0E0F0);
    EXPECT_EQ(Sheets[1]->Color(), 0xC0E0F0);
}

TEST_F(TabCtrl, OnAnotherParentTheFaceIsBuiltForWhite) {
    auto& group = Host.Place<ui::TGroupBox>(0, 0, 400, 260);
    group.SetColor(0x102030);
    Tabs->SetParent(&group);
    Picture();
    EXPECT_EQ(Tabs->BackgroundColor(), ui::clWhite);
    EXPECT_EQ(FacePixel(0, 0), ui::clWhite);
}

TEST_F(TabCtrl, TheMenuLookTakesTheModuleKindsTabColour) {
    TDesignRecord& liste = DesignTable[mListe];
    int saved = liste.ColorTabDateStart;
    Tabs->SetTipTab(1 + mListe);
    EXPECT_EQ(FaceH(), MenuTabFaceBitmap->Height());
    Picture();
    EXPECT_EQ(FacePixel(FaceW() - 20, FaceH() - 20), liste.ColorTabDateStart);
    // A new design colour is seen at the next paint.
    liste.ColorTabDateStart = 0x3070B0;
    Tabs->Invalidate();
    Picture();
    EXPECT_EQ(FacePixel(FaceW() - 20, FaceH() - 20), 0x3070B0);
    EXPECT_EQ(Sheets[0]->Color(), 0x3070B0);
    liste.ColorTabDateStart = saved;
    // Without a module kind for it, a look is refused.
    for (int bad : {-1, 15, 1000}) {
        Tabs->SetTipTab(bad);
        EXPECT_EQ(Tabs->TipTab(), 1 + mListe) << bad;
    }
    Tabs->SetTipTab(0);
    EXPECT_EQ(FaceH(), TabFaceBitmap->Height());
}

TEST_F(TabCtrl, ARefusedChangeKeepsTheOldPage) {
    std::vector<std::string> log;
    bool allow = false;
    Tabs->OnTabChange = [&](ui::TObject*, ui::TTabSheet* oldTab, ui::TTabSheet* newTab,
                            bool& allowChange) {
        log.push_back(oldTab->Caption() + ">" + newTab->Caption());
        allowChange = allow;
    };
    Picture();
    ClickTab(2);
    EXPECT_EQ(Tabs->ActivePage(), Sheets[0]);
    EXPECT_EQ(Tabs->TabIndex(), 0);
    EXPECT_TRUE(Sheets[0]->Visible());
    EXPECT_FALSE(Sheets[2]->Visible());
    Tabs->SetPageIndex(1);
    Tabs->SetTabIndex(2);
    Tabs->SetActivePage(Sheets[2]);
    EXPECT_EQ(Tabs->PageIndex(), 0);
    allow = true;
    Tabs->SetPageIndex(1);
    EXPECT_EQ(Tabs->ActivePage(), Sheets[1]);
    ClickTab(2);
    EXPECT_EQ(Tabs->ActivePage(), Sheets[2]);
    EXPECT_EQ(log, (std::vector<std::string>{"&Pagina0>&Pagina2", "&Pagina0>&Pagina1",
                                             "&Pagina0>&Pagina2", "&Pagina0>&Pagina2",
                                             "&Pagina0>&Pagina1", "&Pagina1>&Pagina2"}));
}

TEST_F(TabCtrl, HiddenTabsRefuseTheUserButNotTheProgram) {
    Tabs->SetTabHSize(-1);
    Picture();
    EXPECT_EQ(Tabs->TabHeight(), 1);
    Tabs->Perform(ui::WM_KEYDOWN, ui::VK_RIGHT, 0);
    EXPECT_EQ(Tabs->ActivePage(), Sheets[0]);
    Tabs->SetPageIndex(2);
    EXPECT_EQ(Tabs->ActivePage(), Sheets[2]);
}

TEST_F(TabCtrl, BadSelectionsAreIgnored) {
    int changes = 0;
    Tabs->OnTabChange = [&](ui::TObject*, ui::TTabSheet*, ui::TTabSheet*, bool&) { ++changes; };
    auto* other = new TKesvTabCtrl322(&Host.Form());
    auto* foreign = new TKesvTabSheet2(&Host.Form());
    foreign->SetPageControl(other);
    Tabs->SetPageIndex(1);
    for (int index : {-1, 3, 99})
        Tabs->SetPageIndex(index);
    Tabs->SetTabIndex(5);
    Tabs->SetActivePage(foreign);
    EXPECT_EQ(Tabs->ActivePage(), Sheets[1]);
    EXPECT_EQ(foreign->PageControl(), other);
    EXPECT_EQ(changes, 1);
    // A change asked for from inside a change is ignored.
    Tabs->OnTabChange = [&](ui::TObject*, ui::TTabSheet*, ui::TTabSheet*, bool&) {
        ++changes;
        Tabs->SetPageIndex(0);
    };
    Tabs->SetPageIndex(2);
    EXPECT_EQ(Tabs->ActivePage(), Sheets[2]);
    EXPECT_EQ(changes, 2);
}

TEST_F(TabCtrl, MenuTabIndexTakesOnlyTheSevenMenuPlaces) {
    TKesvTabSheet2& sheet = *Sheets[0];
    EXPECT_EQ(sheet.MenuTabIndex(), -1);
    struct TCase {
        int Value;
        int Expected;
    } cases[] = {{3, 3}, {-1, 3}, {7, 3}, {100, 3}, {0, 0}, {6, 6}, {-5, 6}};
    for (const TCase& c : cases) {
        sheet.SetMenuTabIndex(c.Value);
        EXPECT_EQ(sheet.MenuTabIndex(), c.Expected) << c.Value;
    }
}

TEST_F(TabCtrl, TabSizesFollowTheFaceAndTheProperties) {
    int faceW = TabFaceBitmap->Width();
    int faceH = TabFaceBitmap->Height();
    struct TCase {
        const char* Name;
        int CustomWidth;
        int HSize;
        bool MultiLine;
        int Width;
        int Height;
    } cases[] = {
        {"shared out", 0, 0, false, 300 / 3 - 2, faceH},
        {"fixed", 120, 0, false, 120, faceH},
        {"platform's", -1, 0, false, 0, faceH},
        {"multi-line", 0, 0, true, 298, faceH},
        {"hidden", 0, -1, false, 98, 1},
        {"small", 0, 5, false, 98, faceH - 12},
        {"tall", 0, faceH + 9, false, 98, faceH + 9},
    };
    for (const TCase& c : cases) {
        Tabs->SetMultiLine(c.MultiLine);
        Tabs->SetCustomTabWidth(c.CustomWidth);
        Tabs->SetTabHSize(c.HSize);
        EXPECT_EQ(Tabs->TabWidth(), c.Width) << c.Name;
        EXPECT_EQ(Tabs->TabHeight(), c.Height) << c.Name;
    }
    Tabs->SetMultiLine(false);
    Tabs->SetCustomTabWidth(0);
    Tabs->SetTabHSize(0);
    Tabs->SetWidth(400);
    EXPECT_EQ(Tabs->TabWidth(), 400 / 3 - 2);
    Free(Sheets[2]);
    Free(Sheets[1]);
    Free(Sheets[0]);
    Tabs->SetWidth(300);
    EXPECT_EQ(Tabs->TabWidth(), faceW / 2);
}

TEST_F(TabCtrl, TheTabUnderTheMouseIsHot) {
    ui::TBitmap normal = Picture();
    ui::TRect r = Tabs->TabRect(2);
    MoveTo(r.Left + 5, r.Top + 5);
    EXPECT_EQ(Tabs->LastFocused(), 2);
    ui::TBitmap hot = Picture();
    // The hot image's body, bottom-aligned in the tab.
    int faceTop = FaceH() - r.Height();
    EXPECT_EQ(hot.Canvas().Pixel(r.Left + 10, r.Top + 10 - faceTop),
              Rgb(DarkenColor(Tabs->BackgroundColor(), 10)));
    EXPECT_NE(normal.Canvas().Pixel(r.Left + 10, r.Top + 10 - faceTop),
              hot.Canvas().Pixel(r.Left + 10, r.Top + 10 - faceTop));
    MoveTo(r.Left + 6, r.Top + 6); // still the same tab
    EXPECT_EQ(Tabs->LastFocused(), 2);
    ui::TRect first = Tabs->TabRect(0);
    MoveTo(first.Left + 5, first.Top + 5);
    EXPECT_EQ(Tabs->LastFocused(), 0);
    Tabs->Perform(ui::CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Tabs->LastFocused(), -1);
    ui::TBitmap after = Picture();
    EXPECT_EQ(after.Canvas().Pixel(r.Left + 10, r.Top + 10 - faceTop),
              normal.Canvas().Pixel(r.Left + 10, r.Top + 10 - faceTop));
    Tabs->SetEnabled(false);
    MoveTo(r.Left + 5, r.Top + 5);
    EXPECT_EQ(Tabs->LastFocused(), -1);
}

// A tab taller than the face shows the face's bottom rows at its own bottom, where the
// caption stands.
TEST_F(TabCtrl, ATabTallerThanTheFaceKeepsTheFaceAtItsBottom) {
    Tabs->SetTabHSize(FaceH() + 12);
    ui::TBitmap picture = Picture();
    ui::TRect r = Tabs->TabRect(1);
    ASSERT_GT(r.Height(), FaceH());
    for (int up : {1, 5, 12, FaceH() - 2})
        EXPECT_EQ(picture.Canvas().Pixel(r.Left + 3, r.Bottom - up), FacePixel(3, FaceH() - up))
            << up << " rows up";
}

TEST_F(TabCtrl, ASheetTellsItsPanelsColour) {
    EXPECT_EQ(Sheets[0]->PanelColor(), 0x00FF00);
    auto* panel = new ui::TPanel(&Host.Form());
    panel->SetColor(0x123456);
    panel->SetParent(Sheets[0]);
    EXPECT_EQ(Sheets[0]->PanelColor(), 0x123456);
}

TEST_F(TabCtrl, AStoredFormPlacesTheControlAndItsPages) {
    ui::test::TOwned<ui::TForm> form = ui::test::NewForm<ui::TForm>();
    ui::ReadComponentText(*form,
                          "object Fereastra: TForm\n"
                          "  object Taburi: TKesvTabCtrl322\n"
                          "    Width = 300\n"
                          "    Height = 200\n"
                          "    ActivePage = Liste\n"
                          "    TipTab = 2\n"
                          "    MiddleColor = clSilver\n"
                          "    CustomTabWidth = 90\n"
                          "    object Date: TKesvTabSheet2\n"
                          "      Caption = '&Date'\n"
                          "      MenuTabIndex = 9\n"
                          "    end\n"
                          "    object Liste: TKesvTabSheet2\n"
                          "      Caption = '&Liste'\n"
                          "      MenuTabIndex = 4\n"
                          "      TabEnabled = False\n"
                          "    end\n"
                          "  end\n"
                          "end\n",
                          "fereastra.dfm");
    auto* tabs = dynamic_cast<TKesvTabCtrl322*>(form->FindComponent("Taburi"));
    ASSERT_NE(tabs, nullptr);
    auto* liste = dynamic_cast<TKesvTabSheet2*>(form->FindComponent("Liste"));
    auto* date = dynamic_cast<TKesvTabSheet2*>(form->FindComponent("Date"));
    EXPECT_EQ(tabs->ActivePage(), liste);
    EXPECT_EQ(tabs->TipTab(), 2);
    EXPECT_EQ(tabs->MiddleColor(), ui::clSilver);
    EXPECT_EQ(tabs->TabWidth(), 90);
    EXPECT_EQ(date->MenuTabIndex(), -1);
    EXPECT_EQ(liste->MenuTabIndex(), 4);
    EXPECT_FALSE(liste->TabEnabled());
}

} // namespace
} // namespace tk
