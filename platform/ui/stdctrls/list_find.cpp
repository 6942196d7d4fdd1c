#include <algorithm>
#include <string>
#include <vector>

#include "platform/sys/ascii.h"
#include "platform/ui/stdctrls/list_messages.h"

namespace ui {

int FindListString(const std::vector<std::string>& items, int start, const std::string& text,
                   bool exact) {
    int count = int(items.size());
    if (count == 0)
        return -1;
    if (start < -1 || start >= count)
        start = -1;
    for (int step = 1; step <= count; ++step) {
        int i = (start + step) % count;
        const std::string& item = items[size_t(i)];
        std::string_view head(item);
        if (!exact)
            head = head.substr(0, text.size());
        if (sys::EqualsNoCase(head, text))
            return i;
    }
    return -1;
}

} // namespace ui
