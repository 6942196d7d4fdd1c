#pragma once
// TStrings: a list of strings with a change notification (the items of a list, the lines of a
// memo); stored forms write it as ( 'line' 'line' ).
#include <functional>
#include <string>
#include <vector>

namespace ui {

class TStrings {
public:
    int Count() const { return int(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(size_t(index)); }
    const std::string& Strings(int index) const { return items_.at(size_t(index)); }
    void SetStrings(int index, const std::string& value);
    int Add(const std::string& value);
    void Insert(int index, const std::string& value);
    void Delete(int index);
    void Clear();
    // Without regard to case; -1 when absent.
    int IndexOf(const std::string& value) const;
    void Assign(const std::vector<std::string>& lines);
    void Assign(const TStrings& other) { Assign(other.items_); }
    const std::vector<std::string>& Items() const { return items_; }
    // The lines joined with CR LF after each, and set from text split at line breaks.
    std::string Text() const;
    void SetText(const std::string& text);
    // Groups changes into one notification.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    std::function<void()> OnChange;

private:
    void Changed();
    std::vector<std::string> items_;
    int updateCount_ = 0;
    bool pending_ = false;
};

using TStringList = TStrings;

} // namespace ui
