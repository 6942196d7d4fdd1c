#include "toolkit/grids/passthrough_column.h"

#include <cstdint>

#include "toolkit/grids/columns_grid.h"

namespace Colgrid {

std::unique_ptr<TMColumn> TMPassthroughColumn::New(TMDBGridColumns& collection) {
    return std::unique_ptr<TMColumn>(new TMPassthroughColumn(collection));
}

std::unique_ptr<TMColumnTitle> TMPassthroughColumn::CreateTitle() {
    return std::make_unique<TMPassthroughColumnTitle>(*this);
}

void TMPassthroughColumn::SetIndex(int value) {
    TMColumnsGrid* grid = Grid();
    data::TField* field = Field();
    if (grid && grid->DataLinkActive() && field) {
        if (data::TField* target = grid->DataLinkField(value))
            field->SetIndex(target->Index());
    }
    TMColumn::SetIndex(value);
}

void TMPassthroughColumn::SetField(data::TField* value) {
    const bool hadField = BoundField() != nullptr;
    TMColumn::SetField(value);
    if (hadField && !value) {
        // The layout follows the dataset: without its field the column keeps nothing of it.
        SetFieldName("");
        RestoreDefaults();
    }
}

void TMPassthroughColumn::SetAlignment(ui::TAlignment value) {
    data::TField* field = Field();
    if (field && GridDataLinkActive()) {
        field->SetAlignment(value == ui::taRightJustify ? data::taRightJustify
                            : value == ui::taCenter     ? data::taCenter
                                                        : data::taLeftJustify);
        Changed(false);
    } else
        TMColumn::SetAlignment(value);
}

void TMPassthroughColumn::SetReadOnly(bool value) {
    data::TField* field = Field();
    if (field && GridDataLinkActive()) {
        field->SetReadOnly(value);
        Changed(false);
    } else
        TMColumn::SetReadOnly(value);
}

void TMPassthroughColumn::SetWidth(int value) {
    TMColumnsGrid* grid = Grid();
    data::TField* field = Field();
    if (grid && grid->HasWindow() && field && grid->UpdateFields()) {
        if (ui::TCanvas* canvas = grid->Canvas()) {
            const ui::TFont saved = canvas->Font();
            canvas->SetFont(Font());
            const int average = canvas->TextMetrics().tmAveCharWidth;
            canvas->SetFont(saved);
            // A font without a character width gives no display width to compute.
            if (average > 0)
                field->SetDisplayWidth(int((int64_t(value) + average / 2 - 3) / average));
        }
    }
    if (grid && grid->LayoutFromDataset() && !AssignedValues().Contains(cvWidth))
        return;
    TMColumn::SetWidth(value);
}

} // namespace Colgrid
