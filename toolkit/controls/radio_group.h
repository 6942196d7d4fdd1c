#pragma once
// TMCustomRadioGroup / TMRadioGroup: one radio button per item, arranged in columns, with the
// chosen item in ItemIndex. The owner may veto a change the user makes (clicks, space and
// backspace on a button) through OnModify; changes made by the program are never asked about.
#include <functional>
#include <vector>

#include "platform/ui/core/string_list.h"
#include "platform/ui/stdctrls/group_box.h"
#include "toolkit/controls/radio_button.h"

namespace tk {

using TModifyEvent = std::function<void(ui::TObject* sender, bool& canModify)>;

class TMCustomRadioGroup;

// A radio button made and owned by a radio group.
class TMGroupButton : public TMRadioButton {
public:
    explicit TMGroupButton(TMCustomRadioGroup* group);
    ~TMGroupButton() override;

    void Dispatch(ui::TMessage& message) override;

protected:
    void KeyPress(char& key) override;
    void KeyDown(uint16_t& key, ui::TShiftState shift) override;

private:
    TMCustomRadioGroup* group_;
};

class TMCustomRadioGroup : public ui::TCustomGroupBox {
public:
    explicit TMCustomRadioGroup(ui::TComponent* owner);
    ~TMCustomRadioGroup() override;

    // -1 for none; other values are clamped to the items.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    ui::TStrings& Items() { return FItems; }
    void SetItems(const ui::TStrings& value) { FItems.Assign(value); }
    // 1 to 16.
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    int ButtonCount() const { return int(FButtons.size()); }
    TMGroupButton* Buttons(int index) const { return FButtons.at(size_t(index)); }

    // Whether the user may change the choice: true unless OnModify says otherwise.
    virtual bool CanModify();

    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(ui::TMessage& message) override;
    void Loaded() override;

    TModifyEvent OnModify;

protected:
    void Paint() override {}
    void KeyDown(uint16_t& key, ui::TShiftState shift) override;

private:
    friend class TMGroupButton;
    bool Reading() const;
    void ButtonClick(ui::TObject* sender);
    void ItemsChange();
    void SetButtonCount(int count);
    void UpdateButtons();
    void ArrangeButtons();

    std::vector<TMGroupButton*> FButtons;
    ui::TStrings FItems;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FReading = false;
    bool FUpdating = false;
};

class TMRadioGroup : public TMCustomRadioGroup {
public:
    explicit TMRadioGroup(ui::TComponent* owner) : TMCustomRadioGroup(owner) {}
};

} // namespace tk
