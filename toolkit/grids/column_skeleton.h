#pragma once
// The skeleton that SaveColumnsToFile writes for a programmer: constants naming each column's
// position and the code that creates a table with one field per column.
#include <string>
#include <vector>

namespace Colgrid {

// sourceName is the grid's data source ("TEMP" when it has none); fieldNames the columns'
// field names in column order.
std::vector<std::string> ColumnSkeletonLines(const std::string& sourceName,
                                             const std::vector<std::string>& fieldNames);

} // namespace Colgrid
