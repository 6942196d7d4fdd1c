#pragma once
// TMPassthroughColumn: a column of a layout built from the dataset itself. While the grid's
// data link is active, what the user sets on it (title caption, alignment, read-only flag,
// position, width) goes through to the field, so the dataset keeps the layout. Such a column is
// never stored in the form description.
#include <memory>

#include "toolkit/grids/column.h"

namespace Colgrid {

class TMPassthroughColumn : public TMColumn {
public:
    static std::unique_ptr<TMColumn> New(TMDBGridColumns& collection);

    void SetIndex(int value) override;
    void SetField(data::TField* value) override;
    void SetAlignment(ui::TAlignment value) override;
    void SetReadOnly(bool value) override;
    void SetWidth(int value) override;
    bool IsStored() const override { return false; }

protected:
    using TMColumn::TMColumn;
    std::unique_ptr<TMColumnTitle> CreateTitle() override;
};

} // namespace Colgrid
