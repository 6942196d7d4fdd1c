#pragma once
// Showing stored codes as texts through a column's pick list, and storing the chosen line
// back. A pick list line "code=text" maps a code to a text; a list without "=" is looked up by
// position (code n is line n - 1).
#include <string>

#include "platform/data/field.h"
#include "platform/ui/core/string_list.h"

namespace Colgrid {

struct TTranslatedValue {
    int Index = 0;    // the pick list line that stands for the value
    std::string Text; // the text to show; empty: show the pick list's line at Index
    friend bool operator==(const TTranslatedValue&, const TTranslatedValue&) = default;
};

// pickList may be nullptr (no pick list).
TTranslatedValue TranslateFieldValue(const data::TField& field, const ui::TStrings* pickList);
// A small-integer or integer field takes index + 1, a Boolean field true for index 1; other
// fields are left as they are.
void StoreTranslatedIndex(data::TField& field, int index);

} // namespace Colgrid
