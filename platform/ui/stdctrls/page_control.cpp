#include "platform/ui/stdctrls/page_control.h"

#include <algorithm>

#include "platform/ui/core/accelerators.h"
#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/window/window_system.h"

namespace ui {

namespace {

// The tabs start this far from the left and top of the client area.
constexpr int kTabMargin = 2;
// Space around an automatic tab's caption.
constexpr int kCaptionPadding = 6;
// The display rectangle lies this far inside the frame below the tabs.
constexpr int kDisplayInset = 4;

} // namespace

TPageControl::TPageControl(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    SetBounds(Left(), Top(), 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl() {
    // The pages outlive the list (the window frees its children afterwards).
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        return nullptr;
    return pages_[size_t(index)];
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this)
        return;
    if (page == activePage_)
        return;
    TTabSheet* old = activePage_;
    activePage_ = page;
    SyncTabIndex();
    ShowOnly(page);
    // The focus does not stay on a page that is no longer shown.
    if (old && HandleAllocated()) {
        TWinControl* focused = FindControl(GetFocus());
        for (TWinControl* c = focused; c; c = c->Parent()) {
            if (c == old) {
                if (CanFocus())
                    SetFocus();
                break;
            }
        }
    }
    Invalidate();
}

void TPageControl::SetActivePageIndex(int value) {
    if (value == -1)
        SetActivePage(nullptr);
    else if (value >= 0 && value < PageCount())
        SetActivePage(pages_[size_t(value)]);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward,
                                      bool checkTabVisible) const {
    int count = PageCount();
    if (count == 0)
        return nullptr;
    int start = current ? current->PageIndex() : -1;
    if (start < 0)
        start = goForward ? count - 1 : 0;
    int index = start;
    for (int step = 0; step < count; ++step) {
        index = goForward ? (index + 1) % count : (index + count - 1) % count;
        TTabSheet* page = pages_[size_t(index)];
        if (!checkTabVisible || page->TabVisible())
            return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
    TTabSheet* page = FindNextPage(activePage_, goForward, true);
    if (page && page != activePage_)
        SelectTabByUser(page->TabIndex());
}

int TPageControl::TabCount() const {
    return int(std::count_if(pages_.begin(), pages_.end(),
                             [](const TTabSheet* page) { return page->TabVisible(); }));
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
    if (tabIndex < 0)
        return nullptr;
    for (TTabSheet* page : pages_) {
        if (!page->TabVisible())
            continue;
        if (tabIndex == 0)
            return page;
        --tabIndex;
    }
    return nullptr;
}

void TPageControl::SetTabIndex(int value) {
    if (value < -1 || value >= TabCount() || value == tabIndex_)
        return;
    tabIndex_ = value;
    Invalidate();
}

int TPageControl::AutomaticTabHeight() {
    HDC dc = GetDC(0);
    if (!dc)
        return 18;
    dc->SetFont(Font());
    int height = dc->TextHeight("Wg") + 5;
    ReleaseDC(0, dc);
    return height;
}

TPageControl::TTabLayout TPageControl::Layout() {
    TTabLayout layout;
    layout.Height = tabHeight_ > 0 ? tabHeight_ : AutomaticTabHeight();
    HDC dc = nullptr;
    if (tabWidth_ <= 0) {
        dc = GetDC(0);
        if (dc)
            dc->SetFont(Font());
    }
    int right = ClientWidth() - kTabMargin;
    int x = kTabMargin;
    int row = 0;
    for (TTabSheet* page : pages_) {
        if (!page->TabVisible())
            continue;
        int width = tabWidth_;
        if (width <= 0)
            width = (dc ? dc->TextWidth(StripHotkey(page->Caption())) : 0) + 2 * kCaptionPadding;
        if (multiLine_ && x > kTabMargin && x + width > right) {
            x = kTabMargin;
            ++row;
        }
        int top = kTabMargin + row * layout.Height;
        layout.Rects.push_back({x, top, x + width, top + layout.Height});
        x += width;
    }
    if (dc)
        ReleaseDC(0, dc);
    layout.Rows = row + 1;
    return layout;
}

TRect TPageControl::TabRect(int tabIndex) {
    TTabLayout layout = Layout();
    if (tabIndex < 0 || tabIndex >= int(layout.Rects.size()))
        return {};
    return layout.Rects[size_t(tabIndex)];
}

int TPageControl::IndexOfTabAt(int x, int y) {
    TTabLayout layout = Layout();
    for (size_t i = 0; i < layout.Rects.size(); ++i)
        if (layout.Rects[i].Contains({x, y}))
            return int(i);
    return -1;
}

int TPageControl::RowCount() {
    return Layout().Rows;
}

TRect TPageControl::DisplayRect() {
    TTabLayout layout = Layout();
    TRect client = ClientRect();
    int top = kTabMargin + layout.Rows * layout.Height + kDisplayInset;
    int left = kDisplayInset;
    return {left, top, std::max(left, client.Right - kDisplayInset),
            std::max(top, client.Bottom - kDisplayInset)};
}

void TPageControl::AdjustClientRect(TRect& rect) {
    rect = DisplayRect();
}

void TPageControl::SetTabWidth(int value) {
    value = std::max(0, value);
    if (tabWidth_ == value)
        return;
    tabWidth_ = value;
    TabsChanged();
}

void TPageControl::SetTabHeight(int value) {
    value = std::max(0, value);
    if (tabHeight_ == value)
        return;
    tabHeight_ = value;
    TabsChanged();
}

void TPageControl::SetMultiLine(bool value) {
    if (multiLine_ == value)
        return;
    multiLine_ = value;
    TabsChanged();
}

void TPageControl::SetOwnerDraw(bool value) {
    if (ownerDraw_ == value)
        return;
    ownerDraw_ = value;
    Invalidate();
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    TabsChanged();
    if (!activePage_ && !InState(csReading | csLoading))
        SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    TTabSheet* next = page == activePage_ ? FindNextPage(page, true, true) : activePage_;
    if (next == page)
        next = nullptr;
    pages_.erase(it);
    page->pageControl_ = nullptr;
    if (page == activePage_)
        activePage_ = nullptr;
    SetActivePage(next);
    TabsChanged();
}

void TPageControl::TabsChanged() {
    SyncTabIndex();
    Realign();
    Invalidate();
}

void TPageControl::SyncTabIndex() {
    tabIndex_ = activePage_ ? activePage_->TabIndex() : -1;
}

void TPageControl::ShowOnly(TTabSheet* page) {
    for (TTabSheet* p : pages_)
        if (p != page)
            p->SetVisible(false);
    if (page) {
        page->SetVisible(true);
        page->BringToFront();
    }
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() {
    TTabSheet* page = PageForTab(tabIndex_);
    if (page && page != activePage_)
        SetActivePage(page);
    if (OnChange)
        OnChange(this);
}

bool TPageControl::SelectTabByUser(int tabIndex) {
    if (tabIndex < 0 || tabIndex >= TabCount() || tabIndex == tabIndex_)
        return false;
    if (!CanChange())
        return false;
    tabIndex_ = tabIndex;
    Invalidate();
    Change();
    return true;
}

void TPageControl::DrawTab(int tabIndex, const TRect& rect, bool active) {
    if (OnDrawTab) {
        OnDrawTab(this, tabIndex, rect, active);
        return;
    }
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    if (TTabSheet* page = PageForTab(tabIndex))
        canvas.TextOut(rect.Left + 4, rect.Top + 2, StripHotkey(page->Caption()));
}

void TPageControl::PaintTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active) {
    // The selected tab stands out: a little larger, over the frame below it.
    TRect r = active ? TRect{rect.Left - 2, rect.Top - 2, rect.Right + 2, rect.Bottom + 1} : rect;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    TRect inside = r;
    DrawEdge(canvas, inside, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT | BF_ADJUST);
    if (ownerDraw_) {
        DrawTab(tabIndex, inside, active);
        return;
    }
    TTabSheet* page = PageForTab(tabIndex);
    if (!page)
        return;
    canvas.SetFont(Font());
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    DrawText(canvas, page->Caption(), inside, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    if (active && Focused()) {
        TRect focus = InflateRect(inside, -1, -1);
        canvas.Brush().SetStyle(bsSolid);
        canvas.DrawFocusRect(focus);
    }
}

void TPageControl::Paint() {
    TCanvas& canvas = Canvas();
    TRect client = ClientRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    TTabLayout layout = Layout();
    TRect frame{client.Left, kTabMargin + layout.Rows * layout.Height, client.Right, client.Bottom};
    DrawEdge(canvas, frame, EDGE_RAISED, BF_RECT | BF_SOFT);
    for (size_t i = 0; i < layout.Rects.size(); ++i)
        if (int(i) != tabIndex_)
            PaintTab(canvas, int(i), layout.Rects[i], false);
    if (tabIndex_ >= 0 && tabIndex_ < int(layout.Rects.size()))
        PaintTab(canvas, tabIndex_, layout.Rects[size_t(tabIndex_)], true);
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        int tab = IndexOfTabAt(x, y);
        if (tab >= 0) {
            if (CanFocus() && !Focused())
                SetFocus();
            SelectTabByUser(tab);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TPageControl::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_LEFT || key == VK_RIGHT) {
        if (tabIndex_ < 0)
            SelectTabByUser(0);
        else
            SelectTabByUser(tabIndex_ + (key == VK_RIGHT ? 1 : -1));
        key = 0;
    }
}

void TPageControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        // A tab's accelerator selects it.
        for (int tab = 0, count = TabCount(); tab < count; ++tab) {
            TTabSheet* page = PageForTab(tab);
            if (IsAccel(m.WParam, page->Caption()) && CanFocus()) {
                SetFocus();
                SelectTabByUser(tab);
                m.Result = 1;
                return;
            }
        }
        break;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(m);
        TabsChanged();
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(m);
        if (multiLine_)
            TabsChanged();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(m);
}

} // namespace ui
