#pragma once
// TPageControl / TTabSheet: a stack of pages of which one is shown, chosen by a row of tabs
// along the top. A page is a tab sheet whose parent is the page control; only the active page is
// visible and it fills the display rectangle below the tabs. A tab sheet may hide its tab: tab
// indexes count the visible tabs only. The user changes the page by clicking a tab or with the
// arrow keys: OnChanging may refuse the change, OnChange follows it. Setting the active page in
// code changes the page without either event. An owner-drawn control leaves the tabs' insides to
// DrawTab (OnDrawTab).
#include <functional>
#include <vector>

#include "platform/ui/controls/graphic_control.h"

namespace ui {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    // The page control the sheet is a page of (its parent), or nullptr.
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* value);
    void SetParent(TWinControl* parent) override;
    // The sheet's place among its control's pages; -1 without a control. Out-of-range values
    // move it to the nearest end.
    int PageIndex() const;
    void SetPageIndex(int value);
    // The sheet's place among the visible tabs; -1 when its tab is hidden or it has no control.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);

    void Dispatch(TMessage& message) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

// OnChanging: clear allowChange to keep the current page.
using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;
using TDrawTabEvent =
    std::function<void(TPageControl* control, int tabIndex, const TRect& rect, bool active)>;

class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    // Pages, in page order; Pages gives nullptr outside 0 .. PageCount() - 1.
    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return activePage_; }
    // A page of another control (or anything not one of the pages) is ignored; nullptr shows
    // no page.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
    // -1 shows no page; other values outside the pages are ignored.
    void SetActivePageIndex(int value);
    // The page after (or before) current, wrapping around; with checkTabVisible only pages
    // whose tab is shown count. nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // The user's way of moving to the next or previous tab (with OnChanging and OnChange).
    void SelectNextPage(bool goForward);

    // Tabs: the visible ones, in page order.
    int TabCount() const;
    TTabSheet* PageForTab(int tabIndex) const;
    // The selected tab, -1 for none. Setting it selects the tab only (the platform's own
    // selection call): the active page and the events are left alone.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);
    // The tab that carries the focus mark (drawn with it while the control has the focus).
    int FocusTabIndex() const { return tabIndex_; }
    // The tab's rectangle in client coordinates (empty outside the tabs).
    TRect TabRect(int tabIndex);
    // The tab under a point of the client area, or -1.
    int IndexOfTabAt(int x, int y);
    // The area the pages fill, below the tabs.
    TRect DisplayRect();
    int RowCount();

    // Tab size: 0 is automatic (the caption's width, the font's height).
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int value);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int value);
    // Tabs that do not fit the width wrap into further rows.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value);

    void AdjustClientRect(TRect& rect) override;
    void Dispatch(TMessage& message) override;

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;
    TDrawTabEvent OnDrawTab;

protected:
    // Asked before the user changes the tab; the base asks OnChanging.
    virtual bool CanChange();
    // After the user changed the tab: the active page follows it, then OnChange.
    virtual void Change();
    // Draws the inside of a tab of an owner-drawn control.
    virtual void DrawTab(int tabIndex, const TRect& rect, bool active);
    // A sheet became a page, or stopped being one.
    virtual void InsertPage(TTabSheet* page);
    virtual void RemovePage(TTabSheet* page);
    // The tabs' number, captions or layout changed.
    virtual void TabsChanged();
    // Selects a tab as the user does: false when the tab is invalid, current or refused.
    bool SelectTabByUser(int tabIndex);

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;

private:
    friend class TTabSheet;
    struct TTabLayout {
        std::vector<TRect> Rects;
        int Rows = 1;
        int Height = 0;
    };
    TTabLayout Layout();
    int AutomaticTabHeight();
    void PaintTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active);
    void ShowOnly(TTabSheet* page);
    void SyncTabIndex();

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    int tabIndex_ = -1;
    int tabWidth_ = 0;
    int tabHeight_ = 0;
    bool multiLine_ = false;
    bool ownerDraw_ = false;
};

} // namespace ui
