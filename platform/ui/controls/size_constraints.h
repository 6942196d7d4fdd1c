#pragma once
// TSizeConstraints: the smallest and largest size a control accepts (0 means no limit).
#include <functional>

namespace ui {

class TSizeConstraints {
public:
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    void SetMinWidth(int value) { Set(minWidth_, value, &maxWidth_, true); }
    void SetMinHeight(int value) { Set(minHeight_, value, &maxHeight_, true); }
    void SetMaxWidth(int value) { Set(maxWidth_, value, &minWidth_, false); }
    void SetMaxHeight(int value) { Set(maxHeight_, value, &minHeight_, false); }
    void Assign(const TSizeConstraints& other) {
        minWidth_ = other.minWidth_;
        minHeight_ = other.minHeight_;
        maxWidth_ = other.maxWidth_;
        maxHeight_ = other.maxHeight_;
        Changed();
    }
    // Applies the limits to a proposed size.
    void Constrain(int& width, int& height) const {
        if (maxWidth_ > 0 && width > maxWidth_)
            width = maxWidth_;
        if (minWidth_ > 0 && width < minWidth_)
            width = minWidth_;
        if (maxHeight_ > 0 && height > maxHeight_)
            height = maxHeight_;
        if (minHeight_ > 0 && height < minHeight_)
            height = minHeight_;
    }

    std::function<void()> OnChange;

private:
    // A minimum above the maximum raises the maximum, and the other way round.
    void Set(int& field, int value, int* other, bool isMinimum) {
        if (value < 0)
            value = 0;
        if (field == value)
            return;
        field = value;
        if (value > 0 && *other > 0 && (isMinimum ? *other < value : *other > value))
            *other = value;
        Changed();
    }
    void Changed() {
        if (OnChange)
            OnChange();
    }
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

} // namespace ui
