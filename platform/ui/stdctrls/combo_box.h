#pragma once
// TCustomComboBox / TComboBox: a text box with a button that drops down a list of items. In the
// csDropDown style the text is edited as in an edit; in csDropDownList it is always one of the
// items. The up and down keys step through the items, F4 and Alt+Down open and close the list,
// and the list answers the find-string request (CB_FINDSTRING: the first item after a start
// index, wrapping round, that begins with a text, without regard to case).
#include <memory>

#include "platform/ui/core/string_list.h"
#include "platform/ui/stdctrls/editor_input.h"
#include "platform/ui/stdctrls/list_box.h"
#include "platform/ui/stdctrls/text_editor.h"

namespace ui {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboList;

class TCustomComboBox : public TCustomControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TStrings& Items() { return items_; }
    const TStrings& Items() const { return items_; }
    void SetItems(const TStrings& value) { items_.Assign(value); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle value);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int value) { dropDownCount_ = std::max(1, value); }
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);

    int SelStart() const { return editor_->SelStart(); }
    void SetSelStart(int value);
    int SelLength() const { return editor_->SelLength(); }
    void SetSelLength(int value);
    std::string SelText() const { return editor_->SelText(); }
    void SelectAll();

    void Dispatch(TMessage& message) override;
    void SetBounds(int left, int top, int width, int height) override;
    // The area of the drop-down button in the client area.
    TRect ButtonRect();

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnSelect;

protected:
    void CreateParams(TCreateParams& params) override;
    void CallDefaultWindowProc(TMessage& message) override;
    void Paint() override;
    void Loaded() override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    // The list closed (after a choice or not).
    virtual void CloseUp();
    void AdjustHeight();

private:
    friend class TComboList;
    void ItemsChanged();
    void UpdateEditor();
    void EditorChanged();
    // Selects an item as the user does: the text follows and the change is reported.
    void SelectByUser(int index);
    bool HandleKey(uint16_t key, TShiftState shift);
    void PaintText(TCanvas& canvas, const TRect& area);
    void PaintButton(TCanvas& canvas);
    TRect TextRect();

    TStrings items_;
    std::unique_ptr<TTextEditor> editor_;
    TEditorInput input_;
    TComboList* list_ = nullptr;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    bool sorted_ = false;
    bool sorting_ = false;
    int maxLength_ = 0;
};

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

} // namespace ui
