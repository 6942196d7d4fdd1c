// Removing columns from the grid and bringing them back where they stood.
#include <algorithm>
#include <stdexcept>

#include "toolkit/grids/columns_grid.h"

namespace Colgrid {

namespace {

const char* const kFirstColumn = "#";

} // namespace

void TMColumnsGrid::MoveToDeletedColumns(TMColumn*& column) {
    if (!column)
        return;
    const int index = Columns().IndexOf(*column);
    if (index < 0)
        throw std::invalid_argument("column " + column->FieldName() + " is not shown in the grid");
    TMColumn& removed = DeletedColumns().Add();
    removed.Assign(*column);
    removed.SetLeftFieldName(index <= 0 ? kFirstColumn : Columns()[index - 1].FieldName());
    Columns().Free(*column);
    column = nullptr;
}

void TMColumnsGrid::MoveFromDeletedColumns(TMColumn*& column) {
    if (!column)
        return;
    if (DeletedColumns().IndexOf(*column) < 0)
        throw std::invalid_argument("column " + column->FieldName() +
                                    " is not among the removed columns");
    TMColumn& restored = Columns().Add();
    restored.Assign(*column);
    restored.SetIndex(AnchorIndex(column->LeftFieldName()));
    DeletedColumns().Free(*column);
    column = nullptr;
}

int TMColumnsGrid::AnchorIndex(const std::string& leftFieldName) const {
    // Removed neighbours point at their own neighbours; a chain that comes back to a name it
    // already passed (stored descriptions, repeated field names) ends at the first place.
    std::vector<std::string> passed;
    std::string name = leftFieldName;
    while (name != kFirstColumn) {
        if (TMColumn* shown = Columns().GetColumnByAssignedFieldName(name))
            return shown->Index() + 1;
        TMColumn* removed = DeletedColumns().GetColumnByAssignedFieldName(name);
        if (!removed)
            return 0;
        passed.push_back(name);
        name = removed->LeftFieldName();
        if (std::find(passed.begin(), passed.end(), name) != passed.end())
            return 0;
    }
    return 0;
}

void TMColumnsGrid::DeleteColumnByFieldName(const std::string& name, int& parentWidth) {
    TMColumn* column = Columns().GetColumnByFieldName(name);
    if (!column)
        return;
    const int width = column->Width();
    Columns().Free(*column);
    SetWidth(Width() - width);
    parentWidth -= width;
}

} // namespace Colgrid
