// The page control: only the active page is shown, tab indexes count the visible tabs, the
// user's tab change can be refused, a page of another control is ignored, the tabs are laid out
// in rows above the pages, and a stored form places pages on their control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_host.h"
#include "platform/ui/stdctrls/page_control.h"
#include "platform/ui/streaming/form_reader.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

struct TPagesFixture {
    test::TControlHost Host{400, 300};
    TPageControl& Control = Host.Place<TPageControl>(10, 10, 300, 200);
    std::vector<TTabSheet*> Sheets;

    explicit TPagesFixture(int count = 3) {
        for (int i = 0; i < count; ++i) {
            auto* sheet = new TTabSheet(&Host.Form());
            sheet->SetCaption("Pagina " + std::to_string(i));
            sheet->SetPageControl(&Control);
            Sheets.push_back(sheet);
        }
    }
    std::vector<bool> Visibility() const {
        std::vector<bool> shown;
        for (TTabSheet* sheet : Sheets)
            shown.push_back(sheet->Visible());
        return shown;
    }
    void ClickTab(int tab) {
        TRect r = Control.TabRect(tab);
        TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        SendMessage(Control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p));
        SendMessage(Control.Handle(), WM_LBUTTONUP, 0, PointToLParam(p));
    }
};

TEST(PageControl, OnlyTheActivePageIsShownAndTabsCountVisibleOnes) {
    TPagesFixture f;
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[0]); // the first page shows at once
    EXPECT_EQ(f.Visibility(), (std::vector<bool>{true, false, false}));
    f.Sheets[1]->SetTabVisible(false);
    EXPECT_EQ(f.Control.TabCount(), 2);
    EXPECT_EQ(f.Sheets[1]->TabIndex(), -1);
    EXPECT_EQ(f.Sheets[2]->TabIndex(), 1);
    EXPECT_EQ(f.Control.PageForTab(1), f.Sheets[2]);
    f.Control.SetActivePage(f.Sheets[2]);
    EXPECT_EQ(f.Control.TabIndex(), 1);
    EXPECT_EQ(f.Control.ActivePageIndex(), 2);
    EXPECT_EQ(f.Visibility(), (std::vector<bool>{false, false, true}));
    // The page fills the area below the tabs.
    EXPECT_EQ(f.Sheets[2]->BoundsRect(), f.Control.DisplayRect());
    f.Sheets[2]->SetPageIndex(0);
    EXPECT_EQ(f.Control.Pages(0), f.Sheets[2]);
    EXPECT_EQ(f.Control.TabIndex(), 0);
}

TEST(PageControl, BadSelectionsAreIgnored) {
    TPagesFixture f;
    TPagesFixture other(1);
    f.Control.SetActivePage(f.Sheets[1]);
    f.Control.SetActivePage(other.Sheets[0]);
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[1]);
    EXPECT_EQ(other.Sheets[0]->PageControl(), &other.Control);
    for (int index : {3, -2, 100})
        f.Control.SetActivePageIndex(index);
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[1]);
    EXPECT_EQ(f.Control.Pages(3), nullptr);
    EXPECT_EQ(f.Control.PageForTab(-1), nullptr);
    EXPECT_TRUE(f.Control.TabRect(7).IsEmpty());
    f.Control.SetActivePageIndex(-1);
    EXPECT_EQ(f.Control.ActivePage(), nullptr);
    EXPECT_EQ(f.Control.TabIndex(), -1);
    EXPECT_EQ(f.Visibility(), (std::vector<bool>{false, false, false}));
}

TEST(PageControl, TheUsersTabChangeCanBeRefused) {
    TPagesFixture f;
    std::vector<std::string> log;
    bool allow = false;
    f.Control.OnChanging = [&](TObject*, bool& allowChange) {
        log.push_back("changing from " + std::to_string(f.Control.ActivePageIndex()));
        allowChange = allow;
    };
    f.Control.OnChange = [&](TObject*) {
        log.push_back("change to " + std::to_string(f.Control.ActivePageIndex()));
    };
    f.ClickTab(2);
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[0]);
    EXPECT_EQ(f.Control.TabIndex(), 0);
    allow = true;
    f.ClickTab(2);
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[2]);
    EXPECT_EQ(f.Visibility(), (std::vector<bool>{false, false, true}));
    f.ClickTab(2); // the current tab changes nothing
    SendMessage(f.Control.Handle(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[1]);
    f.Control.SetActivePage(f.Sheets[0]); // code changes the page without the events
    EXPECT_EQ(log, (std::vector<std::string>{"changing from 0", "changing from 0", "change to 2",
                                             "changing from 2", "change to 1"}));
}

TEST(PageControl, FreeingTheActivePageShowsTheNextOne) {
    TPagesFixture f;
    f.Control.SetActivePage(f.Sheets[1]);
    Free(f.Sheets[1]);
    EXPECT_EQ(f.Control.PageCount(), 2);
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[2]);
    EXPECT_TRUE(f.Sheets[2]->Visible());
    f.Sheets[2]->SetParent(&f.Host.Form()); // leaving the control is leaving its pages
    EXPECT_EQ(f.Control.PageCount(), 1);
    EXPECT_EQ(f.Control.ActivePage(), f.Sheets[0]);
    EXPECT_EQ(f.Sheets[2]->PageControl(), nullptr);
}

TEST(PageControl, TabsLieInRowsAboveThePages) {
    TPagesFixture f(5);
    f.Control.SetTabWidth(80);
    f.Control.SetTabHeight(20);
    for (int tab = 0; tab < 5; ++tab)
        EXPECT_EQ(f.Control.TabRect(tab), Bounds(2 + 80 * tab, 2, 80, 20)) << tab;
    EXPECT_EQ(f.Control.DisplayRect(), Rect(4, 26, 296, 196));
    EXPECT_EQ(f.Control.IndexOfTabAt(170, 10), 2);
    EXPECT_EQ(f.Control.IndexOfTabAt(170, 40), -1);
    f.Control.SetMultiLine(true); // three tabs fit in 296 pixels
    EXPECT_EQ(f.Control.RowCount(), 2);
    EXPECT_EQ(f.Control.TabRect(3), Bounds(2, 22, 80, 20));
    EXPECT_EQ(f.Control.DisplayRect().Top, 2 + 2 * 20 + 4);
    EXPECT_EQ(f.Control.ActivePage()->BoundsRect(), f.Control.DisplayRect());
    f.Control.SetTabWidth(0); // automatic: wider for a longer caption
    f.Sheets[0]->SetCaption("O pagina cu un titlu lung");
    EXPECT_GT(f.Control.TabRect(0).Width(), f.Control.TabRect(1).Width());
}

TEST(PageControl, AStoredFormPlacesPagesOnTheirControl) {
    test::TOwned<TForm> form = test::NewForm<TForm>();
    ReadComponentText(*form,
                      "object Pagini: TForm\n"
                      "  object Control: TPageControl\n"
                      "    ActivePage = Doi\n"
                      "    TabHeight = 22\n"
                      "    object Unu: TTabSheet\n"
                      "      Caption = '&Unu'\n"
                      "    end\n"
                      "    object Doi: TTabSheet\n"
                      "      Caption = 'Doi'\n"
                      "      TabVisible = False\n"
                      "    end\n"
                      "  end\n"
                      "end\n",
                      "pagini.dfm");
    auto* control = dynamic_cast<TPageControl*>(form->FindComponent("Control"));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->PageCount(), 2);
    EXPECT_EQ(control->ActivePage(), form->FindComponent("Doi"));
    EXPECT_EQ(control->TabIndex(), -1); // the active page's tab is hidden
    EXPECT_EQ(control->TabHeight(), 22);
}

} // namespace
} // namespace ui::testing
