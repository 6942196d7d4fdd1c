#include "platform/ui/core/accelerators.h"

namespace ui {

namespace {
char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
} // namespace

std::string GetHotkey(const std::string& text) {
    std::string result;
    size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (text[i] == '&' && n - i - 1 >= 1) {
            ++i;
            if (text[i] != '&')
                result = std::string(1, text[i]);
        }
    }
    return result;
}

bool IsAccel(WPARAM charCode, const std::string& caption) {
    std::string key = GetHotkey(caption);
    return key.size() == 1 && charCode < 256 && Lower(key[0]) == Lower(char(charCode));
}

std::string StripHotkey(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                result += '&';
                ++i;
            }
            continue;
        }
        result += text[i];
    }
    return result;
}

} // namespace ui
