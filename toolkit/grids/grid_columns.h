#pragma once
// TMDBGridColumns: the owned, ordered list of a grid's columns (or of its removed columns).
// Adding, inserting, moving, removing and changing a column notify the owning grid: a change of
// one column as that column, anything else as the whole collection. BeginUpdate/EndUpdate
// group changes into one notification of the whole collection.
#include <memory>
#include <string>
#include <vector>

#include "toolkit/grids/column.h"

namespace Colgrid {

class TMColumnsGrid;

class TMDBGridColumns {
public:
    // grid may be nullptr (columns without a grid take the platform's defaults).
    explicit TMDBGridColumns(TMColumnsGrid* grid, TMColumnClass columnClass = &TMColumn::New);
    ~TMDBGridColumns();
    TMDBGridColumns(const TMDBGridColumns&) = delete;
    TMDBGridColumns& operator=(const TMDBGridColumns&) = delete;

    TMColumnsGrid* Grid() const { return grid_; }
    TMColumnsGrid* Owner() const { return grid_; }
    TMColumnClass ColumnClass() const { return columnClass_; }

    int Count() const { return int(items_.size()); }
    // Raises std::out_of_range outside 0 .. Count - 1.
    TMColumn& GetColumn(int index) const;
    TMColumn& operator[](int index) const { return GetColumn(index); }
    // Assigns value to the column at index.
    void SetColumn(int index, const TMColumn& value);
    int IndexOf(const TMColumn& column) const; // -1 when the column is not in this collection

    TMColumn& Add() { return AddClass(columnClass_); }
    TMColumn& AddClass(TMColumnClass columnClass);
    // A new column of the collection's class at index (clamped to 0 .. Count).
    TMColumn& Insert(int index);
    // Moves a column; the target index is clamped to the collection's range.
    void Move(int fromIndex, int toIndex);
    // Frees the column at index (out of range: nothing).
    void Delete(int index);
    // Frees a column of this collection; a column of another collection raises
    // std::invalid_argument.
    void Free(TMColumn& column);
    void Clear();

    // In lower case: the first column whose bound field has the name, else the first unbound
    // column whose FieldName has it; nullptr when none.
    TMColumn* GetColumnByFieldName(const std::string& name) const;
    // In upper case: the first column whose FieldName has the name, bound or not.
    TMColumn* GetColumnByAssignedFieldName(const std::string& name) const;

    void RestoreDefaults();
    // One column per field of the grid's dataset, in field order (just cleared without one).
    void RebuildColumns();
    TMDBGridColumnsState State() const;
    void SetState(TMDBGridColumnsState value);

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Notifications from the columns.
    void Changed();
    void ItemChanged(TMColumn& column);

private:
    TMColumn& Make(int index, TMColumnClass columnClass);
    void Update(TMColumn* column);

    TMColumnsGrid* grid_;
    TMColumnClass columnClass_;
    std::vector<std::unique_ptr<TMColumn>> items_;
    int updateCount_ = 0;
};

// Holds a collection's update bracket for a scope.
class TMColumnsUpdate {
public:
    explicit TMColumnsUpdate(TMDBGridColumns& columns) : columns_(columns) {
        columns_.BeginUpdate();
    }
    ~TMColumnsUpdate() { columns_.EndUpdate(); }
    TMColumnsUpdate(const TMColumnsUpdate&) = delete;
    TMColumnsUpdate& operator=(const TMColumnsUpdate&) = delete;

private:
    TMDBGridColumns& columns_;
};

} // namespace Colgrid
