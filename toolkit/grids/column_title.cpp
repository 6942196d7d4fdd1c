#include "toolkit/grids/column_title.h"

#include "toolkit/grids/column.h"
#include "toolkit/grids/columns_grid.h"

namespace Colgrid {

TMColumnTitle::TMColumnTitle(TMColumn& column) : column_(column) {
    font_.Assign(DefaultFont());
    font_.OnChange = [this] { FontChanged(); };
}

void TMColumnTitle::Assign(const TMColumnTitle& source) {
    const TMColumnValues flags = source.column_.AssignedValues();
    if (flags.Contains(cvTitleAlignment))
        SetAlignment(source.alignment_);
    if (flags.Contains(cvTitleColor))
        SetColor(source.color_);
    if (flags.Contains(cvTitleCaption))
        SetCaption(source.caption_);
    if (flags.Contains(cvTitleFont))
        SetFont(source.font_);
}

void TMColumnTitle::RestoreDefaults() {
    const bool fontAssigned = column_.assigned_.Contains(cvTitleFont);
    for (TMColumnValue flag : {cvTitleColor, cvTitleCaption, cvTitleAlignment, cvTitleFont})
        column_.assigned_.Exclude(flag);
    caption_.clear();
    RefreshDefaultFont();
    column_.Changed(fontAssigned);
}

ui::TColor TMColumnTitle::DefaultColor() const {
    TMColumnsGrid* grid = column_.Grid();
    return grid ? grid->FixedColor() : ui::clBtnFace;
}

const ui::TFont& TMColumnTitle::DefaultFont() const {
    TMColumnsGrid* grid = column_.Grid();
    return grid ? grid->TitleFont() : column_.Font();
}

std::string TMColumnTitle::DefaultCaption() const {
    try {
        if (data::TField* field = column_.Field())
            return field->DisplayName();
    } catch (const std::exception&) {
        // A field that cannot tell its label leaves the column's field name.
    }
    return column_.FieldName();
}

ui::TAlignment TMColumnTitle::Alignment() const {
    return column_.assigned_.Contains(cvTitleAlignment) ? alignment_ : DefaultAlignment();
}

void TMColumnTitle::SetAlignment(ui::TAlignment value) {
    if (column_.assigned_.Contains(cvTitleAlignment) && value == alignment_)
        return;
    alignment_ = value;
    column_.assigned_.Include(cvTitleAlignment);
    column_.Changed(false);
}

std::string TMColumnTitle::Caption() const {
    return column_.assigned_.Contains(cvTitleCaption) ? caption_ : DefaultCaption();
}

void TMColumnTitle::SetCaption(const std::string& value) {
    SetStoredCaption(value);
}

void TMColumnTitle::SetStoredCaption(const std::string& value) {
    if (column_.assigned_.Contains(cvTitleCaption) && value == caption_)
        return;
    caption_ = value;
    column_.assigned_.Include(cvTitleCaption);
    column_.Changed(false);
}

ui::TColor TMColumnTitle::Color() const {
    return column_.assigned_.Contains(cvTitleColor) ? color_ : DefaultColor();
}

void TMColumnTitle::SetColor(ui::TColor value) {
    if (column_.assigned_.Contains(cvTitleColor) && value == color_)
        return;
    color_ = value;
    column_.assigned_.Include(cvTitleColor);
    column_.Changed(false);
}

void TMColumnTitle::RefreshFontIfStale() const {
    if (column_.assigned_.Contains(cvTitleFont))
        return;
    // Font equality includes the colour, which the title cell paints with.
    const ui::TFont& fallback = DefaultFont();
    if (!(font_ == fallback))
        const_cast<TMColumnTitle*>(this)->RefreshDefaultFont();
}

ui::TFont& TMColumnTitle::Font() {
    RefreshFontIfStale();
    return font_;
}

const ui::TFont& TMColumnTitle::Font() const {
    RefreshFontIfStale();
    return font_;
}

void TMColumnTitle::SetFont(const ui::TFont& value) {
    font_.Assign(value);
}

void TMColumnTitle::RefreshDefaultFont() {
    if (column_.assigned_.Contains(cvTitleFont))
        return;
    quiet_ = true;
    font_.Assign(DefaultFont());
    quiet_ = false;
}

void TMColumnTitle::FontChanged() {
    if (quiet_)
        return;
    column_.assigned_.Include(cvTitleFont);
    column_.Changed(true);
}

bool TMColumnTitle::IsAlignmentStored() const {
    return column_.assigned_.Contains(cvTitleAlignment) && alignment_ != DefaultAlignment();
}

bool TMColumnTitle::IsCaptionStored() const {
    return column_.assigned_.Contains(cvTitleCaption) && caption_ != DefaultCaption();
}

bool TMColumnTitle::IsColorStored() const {
    return column_.assigned_.Contains(cvTitleColor) && color_ != DefaultColor();
}

bool TMColumnTitle::IsFontStored() const {
    return column_.assigned_.Contains(cvTitleFont);
}

void TMPassthroughColumnTitle::SetCaption(const std::string& value) {
    TMColumnsGrid* grid = Column().Grid();
    data::TField* field = Column().Field();
    if (field && grid && grid->DataLinkActive()) {
        field->SetDisplayLabel(value);
        Column().Changed(false); // the title cell shows the new label
    } else
        SetStoredCaption(value);
}

} // namespace Colgrid
