#include "platform/ui/stdctrls/page_control.h"

#include <algorithm>

namespace ui {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    controlStyle_ |= csAcceptsControls | csNoDesignVisible;
    SetAlign(alClient);
    // A page is shown only while it is the active one.
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    if (pageControl_)
        pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) {
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* parent) {
    auto* control = dynamic_cast<TPageControl*>(parent);
    if (pageControl_ && pageControl_ != control)
        pageControl_->RemovePage(this);
    TWinControl::SetParent(parent);
    if (control && pageControl_ != control)
        control->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_)
        return -1;
    const auto& pages = pageControl_->pages_;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
    if (!pageControl_)
        return;
    auto& pages = pageControl_->pages_;
    value = std::clamp(value, 0, int(pages.size()) - 1);
    int current = PageIndex();
    if (value == current)
        return;
    pages.erase(pages.begin() + current);
    pages.insert(pages.begin() + value, this);
    pageControl_->TabsChanged();
}

int TTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_)
        return -1;
    int index = 0;
    for (TTabSheet* page : pageControl_->pages_) {
        if (page == this)
            return index;
        if (page->tabVisible_)
            ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool value) {
    if (tabVisible_ == value)
        return;
    tabVisible_ = value;
    if (pageControl_)
        pageControl_->TabsChanged();
}

void TTabSheet::Dispatch(TMessage& m) {
    TWinControl::Dispatch(m);
    // The caption is the tab's text.
    if (m.Msg == CM_TEXTCHANGED && pageControl_)
        pageControl_->TabsChanged();
}

} // namespace ui
