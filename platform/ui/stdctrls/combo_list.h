#pragma once
// TComboList: the list a combo box drops down, a popup window below the combo that does not
// take the activation; the item under the mouse is highlighted and a click chooses it.
#include "platform/ui/stdctrls/list_box.h"

namespace ui {

class TCustomComboBox;

class TComboList : public TCustomListBox {
public:
    TComboList(TComponent* owner, TCustomComboBox& combo);
    // Shows the list under the combo with the combo's items and selection.
    void Open();
    void Close();
    bool IsOpen() const { return open_; }
    // Moves the highlighted item while the keyboard stays with the combo.
    void Highlight(int index) { SetItemIndex(index); }

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void SelectionChanged() override {}

private:
    TCustomComboBox& combo_;
    bool open_ = false;
};

} // namespace ui
