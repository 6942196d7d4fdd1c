#pragma once
// A collection of columns in a stored form description: each column an item whose properties
// are written in the published order (Alignment, ButtonStyle, Color, DropDownRows, FieldName,
// Font, PickList, ReadOnly, TranslateValue, Title, Width, Tag, AllCaps; the title's Alignment,
// Caption, Color, Font), each only when it differs from what the column would take anyway.
#include <string>

#include "platform/ui/forms_text/form_text.h"
#include "toolkit/grids/grid_columns.h"

namespace ui {
class TReadContext;
}

namespace Colgrid {

ui::TFormTextProperty StoreColumnsProperty(const TMDBGridColumns& columns, const std::string& name);
// Reads a collection value into columns: a collection with items replaces the columns, an
// empty one leaves them, and so does a description that fails. A value of another kind or an
// unknown property fails through the context, naming the file and line.
void ReadColumnsValue(TMDBGridColumns& columns, const ui::TFormTextValue& value,
                      ui::TReadContext& context);

} // namespace Colgrid
