#include "platform/ui/stdctrls/list_box.h"

#include <algorithm>

#include "platform/sys/ascii.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/stdctrls/list_messages.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csSetCaption | csDoubleClicks | csOpaque | csClickEvents;
    SetBounds(Left(), Top(), 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    items_.OnChange = [this] { ItemsChanged(); };
}

void TCustomListBox::ItemsChanged() {
    if (sorted_ && !sorting_) {
        std::vector<std::string> sorted = items_.Items();
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const std::string& a, const std::string& b) {
                             return sys::LowerAscii(a) < sys::LowerAscii(b);
                         });
        sorting_ = true;
        items_.Assign(sorted);
        sorting_ = false;
    }
    if (itemIndex_ >= items_.Count())
        itemIndex_ = -1;
    SetTopIndex(topIndex_);
    Invalidate();
}

void TCustomListBox::SetItemIndex(int value) {
    if (value < -1 || value >= items_.Count())
        value = -1;
    if (itemIndex_ == value)
        return;
    itemIndex_ = value;
    MakeVisible(value);
    Invalidate();
}

void TCustomListBox::SetTopIndex(int value) {
    int last = std::max(0, items_.Count() - VisibleItems());
    value = std::clamp(value, 0, last);
    if (topIndex_ == value)
        return;
    topIndex_ = value;
    Invalidate();
}

void TCustomListBox::SetItemHeight(int value) {
    value = std::clamp(value, 1, 255);
    if (itemHeight_ == value)
        return;
    itemHeight_ = value;
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
    if (style_ == value)
        return;
    style_ = value;
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomListBox::SetSorted(bool value) {
    if (sorted_ == value)
        return;
    sorted_ = value;
    if (value)
        ItemsChanged();
}

void TCustomListBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle) {
        if (Ctl3D())
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
}

int TCustomListBox::VisibleItems() {
    return std::max(1, ClientHeight() / itemHeight_);
}

TRect TCustomListBox::ItemRect(int index) {
    int y = (index - topIndex_) * itemHeight_;
    return {0, y, ClientWidth(), y + itemHeight_};
}

int TCustomListBox::ItemAtPos(TPoint pos) const {
    if (pos.Y < 0 || pos.X < 0)
        return -1;
    int index = topIndex_ + pos.Y / itemHeight_;
    return index < items_.Count() ? index : -1;
}

void TCustomListBox::MakeVisible(int index) {
    if (index < 0)
        return;
    if (index < topIndex_)
        SetTopIndex(index);
    else if (index >= topIndex_ + VisibleItems())
        SetTopIndex(index - VisibleItems() + 1);
}

void TCustomListBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    int last = std::min(items_.Count(), topIndex_ + VisibleItems() + 1);
    for (int i = topIndex_; i < last; ++i) {
        TOwnerDrawState state = (i == itemIndex_ ? odSelected : 0) |
                                (i == itemIndex_ && Focused() ? odFocused : 0) |
                                (Enabled() ? 0 : odDisabled);
        TRect rect = ItemRect(i);
        canvas.SetFont(Font());
        canvas.Brush().SetStyle(bsSolid);
        if (state & odSelected) {
            canvas.Brush().SetColor(clHighlight);
            canvas.Font().SetColor(clHighlightText);
        } else {
            canvas.Brush().SetColor(Color());
        }
        DrawItem(i, rect, state);
        if (state & odFocused)
            canvas.DrawFocusRect(rect);
    }
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (style_ == lbOwnerDrawFixed && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas& canvas = Canvas();
    canvas.FillRect(rect);
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    TRect text = rect;
    text.Left += 2;
    DrawText(canvas, items_[index], text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TCustomListBox::SelectByUser(int index) {
    index = std::clamp(index, 0, items_.Count() - 1);
    if (items_.Count() == 0 || index == itemIndex_)
        return;
    SetItemIndex(index);
    SelectionChanged();
}

void TCustomListBox::SelectionChanged() {
    Click();
}

void TCustomListBox::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    int page = std::max(1, VisibleItems() - 1);
    switch (key) {
    case VK_UP:
        SelectByUser(itemIndex_ < 0 ? 0 : itemIndex_ - 1);
        break;
    case VK_DOWN:
        SelectByUser(itemIndex_ + 1);
        break;
    case VK_PRIOR:
        SelectByUser(itemIndex_ - page);
        break;
    case VK_NEXT:
        SelectByUser(std::max(itemIndex_, 0) + page);
        break;
    case VK_HOME:
        SelectByUser(0);
        break;
    case VK_END:
        SelectByUser(items_.Count() - 1);
        break;
    default:
        return;
    }
    key = 0;
}

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        tracking_ = true;
        int index = ItemAtPos({x, y});
        if (index >= 0)
            SelectByUser(index);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListBox::MouseMove(TShiftState shift, int x, int y) {
    if (tracking_ && (shift & ssLeft)) {
        int index = ItemAtPos({x, std::clamp(y, 0, ClientHeight() - 1)});
        if (index >= 0)
            SelectByUser(index);
    }
    TCustomControl::MouseMove(shift, x, y);
}

bool TCustomListBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetTopIndex(topIndex_ - wheelDelta / 120 * 3);
    return true;
}

void TCustomListBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_LBUTTONUP:
        tracking_ = false;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    case WM_SIZE:
        TCustomControl::Dispatch(m);
        SetTopIndex(topIndex_);
        return;
    case LB_GETCOUNT:
        m.Result = items_.Count();
        return;
    case LB_GETCURSEL:
        m.Result = itemIndex_;
        return;
    case LB_SETCURSEL:
        SetItemIndex(int(m.WParam));
        m.Result = itemIndex_;
        return;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
        const char* text = reinterpret_cast<const char*>(m.LParam);
        m.Result = FindListString(items_.Items(), int(m.WParam), text ? text : "",
                                  m.Msg == LB_FINDSTRINGEXACT);
        return;
    }
    default:
        break;
    }
    TCustomControl::Dispatch(m);
}

} // namespace ui
