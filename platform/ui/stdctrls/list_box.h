#pragma once
// TCustomListBox / TListBox: a list of text items, one selected, with the sunken border. It
// scrolls to keep the selected item in view; the arrow, page, Home and End keys, the mouse and
// the wheel move the selection. An owner-drawn list leaves each item to OnDrawItem (or a
// derived class's DrawItem) with the item's state: selected, focus, disabled.
#include "platform/ui/controls/graphic_control.h"
#include "platform/ui/core/string_list.h"

namespace ui {

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

// The state of an item being drawn (the owner-draw record's bits).
using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = ODS_SELECTED;
constexpr TOwnerDrawState odDisabled = ODS_DISABLED;
constexpr TOwnerDrawState odFocused = ODS_FOCUS;

class TWinControl;
using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;

class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* owner);

    TStrings& Items() { return items_; }
    const TStrings& Items() const { return items_; }
    void SetItems(const TStrings& value) { items_.Assign(value); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    // The item at a point of the client area, or -1.
    int ItemAtPos(TPoint pos) const;
    TRect ItemRect(int index);
    int VisibleItems();

    void Dispatch(TMessage& message) override;

    TDrawItemEvent OnDrawItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    // The selection changed by the user (keys, mouse): OnClick, as the platform's list does.
    virtual void SelectionChanged();
    virtual void ItemsChanged();
    void MakeVisible(int index);

    bool tracking_ = false;

private:
    void SelectByUser(int index);

    TStrings items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = 16;
    TListBoxStyle style_ = lbStandard;
    TBorderStyle borderStyle_ = bsSingle;
    bool sorted_ = false;
    bool sorting_ = false;
};

class TListBox : public TCustomListBox {
public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

} // namespace ui
