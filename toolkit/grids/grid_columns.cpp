#include "toolkit/grids/grid_columns.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/grids/columns_grid.h"
#include "toolkit/grids/passthrough_column.h"

namespace Colgrid {

namespace {

std::string AsciiCase(const std::string& text, bool upper) {
    std::string result = text;
    for (char& c : result) {
        if (upper && c >= 'a' && c <= 'z')
            c = char(c - 32);
        else if (!upper && c >= 'A' && c <= 'Z')
            c = char(c + 32);
    }
    return result;
}

} // namespace

TMDBGridColumns::TMDBGridColumns(TMColumnsGrid* grid, TMColumnClass columnClass)
    : grid_(grid), columnClass_(columnClass ? columnClass : &TMColumn::New) {}

TMDBGridColumns::~TMDBGridColumns() {
    // The grid is going too: nothing is told about the columns freed here.
    grid_ = nullptr;
    items_.clear();
}

TMColumn& TMDBGridColumns::GetColumn(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("column index " + std::to_string(index) + " out of range");
    return *items_[size_t(index)];
}

void TMDBGridColumns::SetColumn(int index, const TMColumn& value) {
    GetColumn(index).Assign(value);
}

int TMDBGridColumns::IndexOf(const TMColumn& column) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == &column)
            return int(i);
    return -1;
}

TMColumn& TMDBGridColumns::AddClass(TMColumnClass columnClass) {
    return Make(Count(), columnClass ? columnClass : columnClass_);
}

TMColumn& TMDBGridColumns::Insert(int index) {
    return Make(index, columnClass_);
}

TMColumn& TMDBGridColumns::Make(int index, TMColumnClass columnClass) {
    // Only the shown columns make up the grid's layout.
    TMLayoutBracket layout(grid_ && &grid_->Columns() == this ? grid_ : nullptr);
    std::unique_ptr<TMColumn> column = columnClass(*this);
    column->Initialize();
    TMColumn& made = *column;
    items_.insert(items_.begin() + std::clamp(index, 0, Count()), std::move(column));
    Changed();
    return made;
}

void TMDBGridColumns::Move(int fromIndex, int toIndex) {
    if (fromIndex < 0 || fromIndex >= Count())
        return;
    toIndex = std::clamp(toIndex, 0, Count() - 1);
    if (toIndex == fromIndex)
        return;
    std::unique_ptr<TMColumn> moving = std::move(items_[size_t(fromIndex)]);
    items_.erase(items_.begin() + fromIndex);
    items_.insert(items_.begin() + toIndex, std::move(moving));
    Changed();
}

void TMDBGridColumns::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    std::unique_ptr<TMColumn> going = std::move(items_[size_t(index)]);
    items_.erase(items_.begin() + index);
    going.reset();
    Changed();
}

void TMDBGridColumns::Free(TMColumn& column) {
    int index = IndexOf(column);
    if (index < 0)
        throw std::invalid_argument("the column does not belong to this collection");
    Delete(index);
}

void TMDBGridColumns::Clear() {
    if (items_.empty())
        return;
    BeginUpdate();
    items_.clear();
    EndUpdate();
}

TMColumn* TMDBGridColumns::GetColumnByFieldName(const std::string& name) const {
    const std::string wanted = AsciiCase(name, false);
    for (const auto& column : items_) {
        data::TField* field = column->Field();
        if (field && AsciiCase(field->FieldName(), false) == wanted)
            return column.get();
    }
    for (const auto& column : items_)
        if (!column->Field() && AsciiCase(column->FieldName(), false) == wanted)
            return column.get();
    return nullptr;
}

TMColumn* TMDBGridColumns::GetColumnByAssignedFieldName(const std::string& name) const {
    const std::string wanted = AsciiCase(name, true);
    for (const auto& column : items_)
        if (AsciiCase(column->FieldName(), true) == wanted)
            return column.get();
    return nullptr;
}

void TMDBGridColumns::RestoreDefaults() {
    TMColumnsUpdate update(*this);
    for (const auto& column : items_)
        column->RestoreDefaults();
}

void TMDBGridColumns::RebuildColumns() {
    data::TDataSource* source = grid_ ? grid_->DataSource() : nullptr;
    data::TDataSet* dataSet = source ? source->DataSet() : nullptr;
    if (!dataSet) {
        Clear();
        return;
    }
    TMLayoutBracket layout(grid_);
    Clear();
    for (int i = 0; i < dataSet->FieldCount(); ++i)
        Add().SetFieldName(dataSet->Fields(i).FieldName());
}

TMDBGridColumnsState TMDBGridColumns::State() const {
    if (items_.empty() || dynamic_cast<const TMPassthroughColumn*>(items_.front().get()))
        return csDefault;
    return csCustomized;
}

void TMDBGridColumns::SetState(TMDBGridColumnsState value) {
    if (value == State())
        return;
    if (value == csCustomized)
        RebuildColumns();
    else
        Clear();
}

void TMDBGridColumns::EndUpdate() {
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        Changed();
}

void TMDBGridColumns::Changed() {
    if (updateCount_ == 0)
        Update(nullptr);
}

void TMDBGridColumns::ItemChanged(TMColumn& column) {
    if (updateCount_ == 0)
        Update(&column);
}

void TMDBGridColumns::Update(TMColumn* column) {
    if (grid_)
        grid_->ColumnsUpdated(*this, column);
}

} // namespace Colgrid
