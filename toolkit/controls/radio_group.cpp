#include "toolkit/controls/radio_group.h"

#include <algorithm>
#include <cstdlib>

namespace tk {

namespace {
constexpr int MaxColumns = 16;
} // namespace

TMCustomRadioGroup::TMCustomRadioGroup(ui::TComponent* owner) : ui::TCustomGroupBox(owner) {
    controlStyle_ = ui::csSetCaption | ui::csDoubleClicks;
    FItems.OnChange = [this] { ItemsChange(); };
}

TMCustomRadioGroup::~TMCustomRadioGroup() {
    FItems.OnChange = nullptr;
    // The buttons leave the list as they go; free them while the list still exists.
    SetButtonCount(0);
}

bool TMCustomRadioGroup::Reading() const {
    return FReading || InState(ui::csReading | ui::csLoading);
}

void TMCustomRadioGroup::Loaded() {
    FReading = true;
    ui::TCustomGroupBox::Loaded();
    FReading = false;
    if (FItemIndex >= FItems.Count())
        FItemIndex = FItems.Count() - 1;
    UpdateButtons();
}

bool TMCustomRadioGroup::CanModify() {
    bool result = true;
    if (OnModify)
        OnModify(this, result);
    return result;
}

void TMCustomRadioGroup::ButtonClick(ui::TObject* sender) {
    if (FUpdating)
        return;
    auto it = std::find(FButtons.begin(), FButtons.end(), sender);
    if (it == FButtons.end())
        return;
    FItemIndex = int(it - FButtons.begin());
    Click();
}

void TMCustomRadioGroup::SetItemIndex(int value) {
    if (Reading()) {
        FItemIndex = value;
        return;
    }
    value = std::clamp(value, -1, ButtonCount() - 1);
    if (value == FItemIndex)
        return;
    if (FItemIndex >= 0 && FItemIndex < ButtonCount())
        FButtons[size_t(FItemIndex)]->SetChecked(false);
    FItemIndex = value;
    if (FItemIndex >= 0)
        FButtons[size_t(FItemIndex)]->SetChecked(true);
}

void TMCustomRadioGroup::SetColumns(int value) {
    value = std::clamp(value, 1, MaxColumns);
    if (FColumns == value)
        return;
    FColumns = value;
    ArrangeButtons();
    Invalidate();
}

void TMCustomRadioGroup::ItemsChange() {
    if (Reading())
        return;
    if (FItemIndex >= FItems.Count())
        FItemIndex = FItems.Count() - 1;
    UpdateButtons();
}

void TMCustomRadioGroup::SetButtonCount(int count) {
    while (ButtonCount() < count)
        new TMGroupButton(this);
    while (ButtonCount() > count)
        ui::Free(FButtons.back());
}

void TMCustomRadioGroup::UpdateButtons() {
    SetButtonCount(FItems.Count());
    for (int i = 0; i < ButtonCount(); ++i)
        FButtons[size_t(i)]->SetCaption(FItems[i]);
    if (FItemIndex >= 0 && FItemIndex < ButtonCount()) {
        FUpdating = true;
        FButtons[size_t(FItemIndex)]->SetChecked(true);
        FUpdating = false;
    }
    ArrangeButtons();
    Invalidate();
}

void TMCustomRadioGroup::ArrangeButtons() {
    if (FButtons.empty() || Reading())
        return;
    int count = ButtonCount();
    int rows = (count + FColumns - 1) / FColumns;
    int columnWidth = Width() / FColumns;
    int rowPitch = Height() / rows;
    if (rows != 1)
        rowPitch += (rowPitch - std::abs(Font().Height())) / (rows - 1);
    for (int i = 0; i < count; ++i) {
        TMGroupButton* button = FButtons[size_t(i)];
        button->SetBounds((i / rows) * columnWidth, (i % rows) * rowPitch, columnWidth, rowPitch);
        button->SetVisible(true);
    }
}

void TMCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
    ui::TCustomGroupBox::SetBounds(left, top, width, height);
    ArrangeButtons();
}

void TMCustomRadioGroup::KeyDown(uint16_t& key, ui::TShiftState shift) {
    if (CanFocus() && FItems.Count() > 0) {
        int last = FItems.Count() - 1;
        switch (key) {
        case ui::VK_HOME:
            SetItemIndex(0);
            break;
        case ui::VK_END:
            SetItemIndex(last);
            break;
        case ui::VK_PRIOR:
            if (FItemIndex > 0)
                SetItemIndex(FItemIndex - 1);
            break;
        case ui::VK_NEXT:
            if (FItemIndex < last)
                SetItemIndex(FItemIndex + 1);
            break;
        default:
            break;
        }
        if (FItemIndex >= 0 && FItemIndex < ButtonCount() &&
            !FButtons[size_t(FItemIndex)]->Focused())
            FButtons[size_t(FItemIndex)]->SetFocus();
    }
    ui::TCustomGroupBox::KeyDown(key, shift);
}

void TMCustomRadioGroup::Dispatch(ui::TMessage& m) {
    switch (m.Msg) {
    case ui::CM_ENABLEDCHANGED:
        ui::TCustomGroupBox::Dispatch(m);
        for (TMGroupButton* button : FButtons)
            button->SetEnabled(Enabled());
        return;
    case ui::CM_FONTCHANGED:
        ui::TCustomGroupBox::Dispatch(m);
        ArrangeButtons();
        return;
    default:
        ui::TCustomGroupBox::Dispatch(m);
        return;
    }
}

} // namespace tk
