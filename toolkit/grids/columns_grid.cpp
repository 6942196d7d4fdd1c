#include "toolkit/grids/columns_grid.h"

namespace Colgrid {

TMColumnsGrid::TMColumnsGrid()
    : columns_(std::make_unique<TMDBGridColumns>(this)),
      deletedColumns_(std::make_unique<TMDBGridColumns>(this)) {}

TMColumnsGrid::~TMColumnsGrid() = default;

data::TDataSet* TMColumnsGrid::DataSet() const {
    data::TDataSource* source = DataSource();
    return source ? source->DataSet() : nullptr;
}

bool TMColumnsGrid::DataLinkActive() const {
    data::TDataSet* dataSet = DataSet();
    return dataSet && dataSet->Active();
}

data::TField* TMColumnsGrid::DataLinkField(int index) const {
    if (index < 0 || index >= columns_->Count())
        return nullptr;
    return columns_->GetColumn(index).Field();
}

void TMColumnsGrid::BeginLayout() {
    if (layoutLock_++ == 0)
        columns_->BeginUpdate();
}

void TMColumnsGrid::EndLayout() {
    if (layoutLock_ == 0)
        return;
    if (layoutLock_ == 1) {
        // The columns' own notification on closing the bracket arrives while the lock is still
        // held, so the layout is computed once; a grid being read computes it when it is done.
        if (!IsLoading())
            LayoutChanged();
        columns_->EndUpdate();
    }
    --layoutLock_;
}

void TMColumnsGrid::ColumnsUpdated(TMDBGridColumns& columns, TMColumn* column) {
    // Removed columns are not on screen.
    if (&columns != columns_.get() || IsLoading())
        return;
    if (column)
        ColumnChanged(*column);
    else if (layoutLock_ == 0)
        LayoutChanged();
}

void TMColumnsGrid::LoadColumnsFromFile(const std::string& fileName) {
    (void)fileName; // the skeleton file is written for a programmer, never read back
}

} // namespace Colgrid
