#include "platform/ui/core/string_list.h"

#include <stdexcept>

#include "platform/ui/core/component.h"

namespace ui {

void TStrings::Changed() {
    if (updateCount_ > 0) {
        pending_ = true;
        return;
    }
    if (OnChange)
        OnChange();
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0 && pending_) {
        pending_ = false;
        Changed();
    }
}

void TStrings::SetStrings(int index, const std::string& value) {
    items_.at(size_t(index)) = value;
    Changed();
}

int TStrings::Add(const std::string& value) {
    items_.push_back(value);
    Changed();
    return int(items_.size()) - 1;
}

void TStrings::Insert(int index, const std::string& value) {
    if (index < 0 || size_t(index) > items_.size())
        index = int(items_.size());
    items_.insert(items_.begin() + index, value);
    Changed();
}

void TStrings::Delete(int index) {
    if (index < 0 || size_t(index) >= items_.size())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
    Changed();
}

void TStrings::Clear() {
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

int TStrings::IndexOf(const std::string& value) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (SameText(items_[i], value))
            return int(i);
    return -1;
}

void TStrings::Assign(const std::vector<std::string>& lines) {
    items_ = lines;
    Changed();
}

std::string TStrings::Text() const {
    std::string text;
    for (const std::string& line : items_)
        text += line + "\r\n";
    return text;
}

void TStrings::SetText(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(current);
    Assign(lines);
}

} // namespace ui
