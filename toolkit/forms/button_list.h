#pragma once
// TButtonList: the buttons of a form in the order they were collected, each with the enabled
// state saved for it. The list owns only its entries, never the buttons.
#include <cstdint>
#include <vector>

namespace ui {
class TButton;
class TComponent;
} // namespace ui

namespace tk {

class TButtonList {
public:
    // Room grows by this many entries whenever the list is full.
    static constexpr int CapacityStep = 16;

    void Add(ui::TButton* button, bool enabled);
    int Count() const { return int(FArray.size()); }
    int Capacity() const { return FCapacity; }
    // nullptr / false when the index is not below the count.
    ui::TButton* GetButton(int index) const;
    bool GetEnabled(int index) const;
    // Ignored when the index is not below the count.
    void SetEnabled(int index, bool enabled);
    // A button that is freed leaves an empty entry behind (its saved state is kept).
    void Forget(const ui::TComponent* button);

private:
    struct TEntry {
        ui::TButton* Button;
        bool Enabled;
    };
    bool IsValid(int index) const { return index >= 0 && index < Count(); }

    std::vector<TEntry> FArray;
    int FCapacity = 0;
};

} // namespace tk
