#pragma once
// The toolkit's colour identifiers: its own interface colours, the platform's names, the web
// colours and the document family colours, in one table that the toolkit registers as the
// converter pair of the platform's colour type. Lookups take the first matching entry, so a
// value that several entries share is written back under the earliest name.
#include <string>

#include "platform/ui/graphics/types.h"

namespace tk {

struct TColorName {
    ui::TColor Value;
    const char* Name;
};

constexpr int ColorNameCount = 205;
// The whole table, in search order.
const TColorName* ColorNames();

// The value of the first entry named ident (ASCII letters compared without regard to case);
// false and value left unchanged when no entry has that name.
bool ColorNameToValue(const std::string& ident, ui::TColor& value);
// The name of the first entry holding value; false when none does.
bool ColorValueToName(ui::TColor value, std::string& ident);

// Makes the table the first converter the platform asks; Unregister undoes it. Both are safe
// to call more than once.
void RegisterColorNames();
void UnregisterColorNames();

} // namespace tk
