// The tab control's properties, tab sizes and changes of page.
#include "toolkit/controls/tab_ctrl.h"

#include <algorithm>

#include "toolkit/controls/tab_ctrl_sheet.h"
#include "toolkit/forms/design_settings.h"

namespace tk {

TKesvTabCtrl322::TKesvTabCtrl322(ui::TComponent* owner)
    : ui::TPageControl(owner), titleFont_(std::make_unique<ui::TFont>()),
      face_(std::make_unique<ui::TBitmap>()) {
    titleFont_->OnChange = [this] { Invalidate(); };
    SetDoubleBuffered(true);
    SetOwnerDraw(true);
    SetParentColor(true);
    PrepareFace();
    UpdateTabSize();
}

TKesvTabCtrl322::~TKesvTabCtrl322() {
    titleFont_->OnChange = nullptr;
}

bool TKesvTabCtrl322::TabsShown() const {
    return tabHSize_ != -1 || InState(ui::csDesigning);
}

void TKesvTabCtrl322::UpdateTabSize() {
    int faceWidth = face_->Width();
    int faceHeight = face_->Height();
    int width;
    if (customTabWidth_ == -1)
        width = 0;
    else if (customTabWidth_ != 0)
        width = customTabWidth_;
    else if (MultiLine())
        width = Width() - 2;
    else if (PageCount() > 0)
        width = Width() / PageCount() - 2;
    else
        width = faceWidth / 2;
    int height;
    if (tabHSize_ == 0)
        height = faceHeight;
    else if (tabHSize_ == -1)
        height = 1;
    else
        height = std::max(tabHSize_, faceHeight - 12);
    SetTabWidth(width);
    SetTabHeight(height);
}

void TKesvTabCtrl322::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    ui::TPageControl::SetBounds(left, top, width, height);
    // The tabs share the width out between the pages, also before the control is shown.
    if (resized && Width() > 0 && Height() > 0)
        UpdateTabSize();
}

void TKesvTabCtrl322::InsertPage(ui::TTabSheet* page) {
    ui::TPageControl::InsertPage(page);
    if (PageCount() > 0 && !face_->Empty())
        UpdateTabSize();
}

void TKesvTabCtrl322::RemovePage(ui::TTabSheet* page) {
    if (page == oldPage_)
        oldPage_ = nullptr;
    ui::TPageControl::RemovePage(page);
    if (InState(ui::csDesigning))
        UpdateTabSize();
}

void TKesvTabCtrl322::SetTipTab(int value) {
    // A look without a module kind to take its colour from is refused.
    if (value < 0 || value > ModuleKindCount || value == tipTab_)
        return;
    tipTab_ = value;
    PrepareFace();
    UpdateTabSize();
    Invalidate();
}

void TKesvTabCtrl322::SetTabWSize(int value) {
    if (tabWSize_ == value)
        return;
    tabWSize_ = value;
    UpdateTabSize();
    Invalidate();
}

void TKesvTabCtrl322::SetTabHSize(int value) {
    if (tabHSize_ == value)
        return;
    tabHSize_ = value;
    PrepareFace();
    UpdateTabSize();
    Invalidate();
}

void TKesvTabCtrl322::SetCustomTabWidth(int value) {
    if (customTabWidth_ == value)
        return;
    customTabWidth_ = value;
    UpdateTabSize();
    Invalidate();
}

void TKesvTabCtrl322::SetShortcutColor(ui::TColor value) {
    if (shortcutColor_ == value)
        return;
    shortcutColor_ = value;
    ColorsChanged();
    Invalidate();
}

void TKesvTabCtrl322::SetMiddleColor(ui::TColor value) {
    if (middleColor_ == value)
        return;
    middleColor_ = value;
    ColorsChanged();
    // The face holds the selected tab's colour; only a change of the parent's colour would
    // rebuild it otherwise.
    if (tipTab_ == 0)
        PrepareFace();
    Invalidate();
}

void TKesvTabCtrl322::SetDarkColor(ui::TColor value) {
    if (darkColor_ == value)
        return;
    darkColor_ = value;
    ColorsChanged();
    Invalidate();
}

void TKesvTabCtrl322::SetDarkColorUse(bool value) {
    if (darkColorUse_ == value)
        return;
    darkColorUse_ = value;
    Invalidate();
}

void TKesvTabCtrl322::SetActivePage(ui::TTabSheet* page) {
    if (page && page->PageControl() != this)
        return;
    if (page == ActivePage())
        return;
    if (OnTabChange) {
        bool allow = true;
        OnTabChange(this, PageForTab(TabIndex()), page, allow);
        if (!allow)
            return;
    }
    ui::TPageControl::SetActivePage(page);
}

void TKesvTabCtrl322::SetPageIndex(int value) {
    if (inPageChange_ || value < 0 || value >= PageCount())
        return;
    inPageChange_ = true;
    try {
        SetActivePage(Pages(value));
    } catch (...) {
        inPageChange_ = false;
        throw;
    }
    inPageChange_ = false;
}

void TKesvTabCtrl322::SetTabIndex(int value) {
    if (ui::TTabSheet* page = PageForTab(value))
        SetActivePage(page);
}

bool TKesvTabCtrl322::CanChange() {
    // Hidden tabs leave the page to the program.
    if (!TabsShown())
        return false;
    oldPage_ = ActivePage();
    return ui::TPageControl::CanChange();
}

void TKesvTabCtrl322::Change() {
    ui::TPageControl::Change();
    if (!TabsShown() || !OnTabChange)
        return;
    bool allow = true;
    OnTabChange(this, oldPage_, ActivePage(), allow);
    if (!allow)
        ui::TPageControl::SetActivePage(oldPage_);
}

} // namespace tk
