#include "toolkit/grids/column.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "toolkit/grids/columns_grid.h"
#include "toolkit/grids/grid_columns.h"

namespace Colgrid {

namespace {

// The column model's view of a field's alignment.
ui::TAlignment ToAlignment(data::TAlignment value) {
    switch (value) {
    case data::taRightJustify:
        return ui::taRightJustify;
    case data::taCenter:
        return ui::taCenter;
    case data::taLeftJustify:
        break;
    }
    return ui::taLeftJustify;
}

// The platform reports no overhang: its fonts are outline fonts, which have none.
constexpr int kOverhang = 0;

} // namespace

std::unique_ptr<TMColumn> TMColumn::New(TMDBGridColumns& collection) {
    return std::unique_ptr<TMColumn>(new TMColumn(collection));
}

TMColumn::TMColumn(TMDBGridColumns& collection) : collection_(collection) {}

TMColumn::~TMColumn() = default;

void TMColumn::Initialize() {
    font_.Assign(DefaultFont());
    font_.OnChange = [this] { FontChanged(); };
    title_ = CreateTitle();
}

std::unique_ptr<TMColumnTitle> TMColumn::CreateTitle() {
    return std::make_unique<TMColumnTitle>(*this);
}

TMColumnsGrid* TMColumn::Grid() const {
    return collection_.Grid();
}

int TMColumn::Index() const {
    return collection_.IndexOf(*this);
}

void TMColumn::SetIndex(int value) {
    collection_.Move(Index(), value);
}

void TMColumn::Changed(bool allItems) {
    if (allItems)
        collection_.Changed();
    else
        collection_.ItemChanged(*this);
}

bool TMColumn::GridDataLinkActive() const {
    TMColumnsGrid* grid = Grid();
    return grid && grid->DataLinkActive();
}

template <class T> void TMColumn::SetFlagged(T& stored, const T& value, TMColumnValue flag) {
    if (assigned_.Contains(flag) && stored == value)
        return;
    stored = value;
    assigned_.Include(flag);
    Changed(false);
}

void TMColumn::Assign(const TMColumn& source) {
    if (&source == this)
        return;
    TMColumnsUpdate update(collection_);
    RestoreDefaults();
    SetFieldName(source.fieldName_);
    const TMColumnValues flags = source.assigned_;
    if (flags.Contains(cvColor))
        SetColor(source.color_);
    if (flags.Contains(cvWidth))
        SetWidth(source.width_);
    if (flags.Contains(cvTag))
        SetTag(source.tag_);
    if (flags.Contains(cvFont))
        SetFont(source.font_);
    if (flags.Contains(cvAlignment))
        SetAlignment(source.alignment_);
    if (flags.Contains(cvReadOnly))
        SetReadOnly(source.readOnly_);
    if (flags.Contains(cvTranslateValue))
        SetTranslateValue(source.translateValue_);
    if (flags.Contains(cvAllCaps))
        SetAllCaps(source.allCaps_);
    title_->Assign(*source.title_);
    SetDropDownRows(source.dropDownRows_);
    SetButtonStyle(source.buttonStyle_);
    SetPickList(source.pickList_.get());
}

void TMColumn::RestoreDefaults() {
    const bool fontAssigned = assigned_.Contains(cvFont);
    title_->RestoreDefaults();
    assigned_.Clear();
    RefreshDefaultFont();
    pickList_.reset();
    SetButtonStyle(cbsNone);
    Changed(fontAssigned);
}

ui::TAlignment TMColumn::DefaultAlignment() const {
    data::TField* field = Field();
    return field ? ToAlignment(field->Alignment()) : ui::taLeftJustify;
}

ui::TColor TMColumn::DefaultColor() const {
    TMColumnsGrid* grid = Grid();
    return grid ? grid->Color() : ui::clWindow;
}

const ui::TFont& TMColumn::DefaultFont() const {
    TMColumnsGrid* grid = Grid();
    return grid ? grid->Font() : font_;
}

int TMColumn::MeasuredWidth() const {
    TMColumnsGrid* grid = Grid();
    data::TField* field = Field();
    std::optional<ui::TCanvas> screen;
    ui::TCanvas* canvas = grid->HasWindow() ? grid->Canvas() : nullptr;
    if (!canvas)
        canvas = &screen.emplace();
    const ui::TFont saved = canvas->Font();
    canvas->SetFont(Font());
    // Counted wide: a field may ask for any number of characters.
    int64_t width =
        int64_t(canvas->TextWidth("0") - kOverhang) * field->DisplayWidth() + kOverhang + 4;
    if (grid->ShowsTitles()) {
        canvas->SetFont(title_->Font());
        width = std::max<int64_t>(width, int64_t(canvas->TextWidth(title_->Caption())) + 4);
    }
    canvas->SetFont(saved);
    return int(std::min<int64_t>(width, std::numeric_limits<int>::max()));
}

int TMColumn::DefaultWidth() const {
    TMColumnsGrid* grid = Grid();
    if (!grid)
        return 64;
    if (!Field())
        return grid->DefaultColWidth();
    return MeasuredWidth();
}

data::TField* TMColumn::Field() const {
    std::shared_ptr<data::TField> bound = field_.lock();
    if (bound)
        return bound.get();
    TMColumnsGrid* grid = Grid();
    data::TDataSet* dataSet = grid ? grid->DataSet() : nullptr;
    if (fieldName_.empty() || !dataSet || !(dataSet->Active() || !dataSet->DefaultFields()))
        return nullptr;
    const_cast<TMColumn*>(this)->SetField(dataSet->FindField(fieldName_));
    return field_.lock().get();
}

void TMColumn::SetField(data::TField* value) {
    std::shared_ptr<data::TField> current = field_.lock();
    if (current.get() == value)
        return;
    field_.reset();
    if (value) {
        field_ = value->weak_from_this();
        fieldName_ = value->FieldName();
    }
    Changed(false);
}

void TMColumn::SetFieldName(const std::string& value) {
    data::TField* found = nullptr;
    TMColumnsGrid* grid = Grid();
    if (grid && grid->DataSet() && !grid->IsLoading() && !value.empty())
        found = grid->DataSet()->FindField(value);
    fieldName_ = value;
    SetField(found);
    Changed(false);
}

ui::TAlignment TMColumn::Alignment() const {
    return assigned_.Contains(cvAlignment) ? alignment_ : DefaultAlignment();
}

void TMColumn::SetAlignment(ui::TAlignment value) {
    SetFlagged(alignment_, value, cvAlignment);
}

ui::TColor TMColumn::Color() const {
    return assigned_.Contains(cvColor) ? color_ : DefaultColor();
}

void TMColumn::SetColor(ui::TColor value) {
    SetFlagged(color_, value, cvColor);
}

int TMColumn::Width() const {
    if (assigned_.Contains(cvWidth))
        return width_;
    try {
        return DefaultWidth();
    } catch (const std::exception&) {
        return 64;
    }
}

void TMColumn::SetWidth(int value) {
    if (assigned_.Contains(cvWidth) || value != Width()) {
        width_ = value;
        assigned_.Include(cvWidth);
    }
    Changed(false);
}

void TMColumn::RefreshDefaultFont() const {
    if (assigned_.Contains(cvFont))
        return;
    const ui::TFont& fallback = DefaultFont();
    if (&fallback == &font_)
        return;
    quiet_ = true;
    font_.Assign(fallback);
    quiet_ = false;
}

void TMColumn::RefreshFontIfStale() const {
    if (!assigned_.Contains(cvFont) && !(font_ == DefaultFont()))
        RefreshDefaultFont();
}

ui::TFont& TMColumn::Font() {
    RefreshFontIfStale();
    return font_;
}

const ui::TFont& TMColumn::Font() const {
    RefreshFontIfStale();
    return font_;
}

void TMColumn::SetFont(const ui::TFont& value) {
    font_.Assign(value);
}

void TMColumn::FontChanged() {
    if (quiet_)
        return;
    assigned_.Include(cvFont);
    if (title_)
        title_->RefreshDefaultFont();
    Changed(false);
}

bool TMColumn::ReadOnly() const {
    return assigned_.Contains(cvReadOnly) ? readOnly_ : DefaultReadOnly();
}

void TMColumn::SetReadOnly(bool value) {
    SetFlagged(readOnly_, value, cvReadOnly);
}

bool TMColumn::TranslateValue() const {
    return assigned_.Contains(cvTranslateValue) ? translateValue_ : DefaultTranslateValue();
}

void TMColumn::SetTranslateValue(bool value) {
    SetFlagged(translateValue_, value, cvTranslateValue);
}

bool TMColumn::AllCaps() const {
    return assigned_.Contains(cvAllCaps) ? allCaps_ : DefaultAllCaps();
}

void TMColumn::SetAllCaps(bool value) {
    SetFlagged(allCaps_, value, cvAllCaps);
}

int TMColumn::Tag() const {
    return assigned_.Contains(cvTag) ? tag_ : 0;
}

void TMColumn::SetTag(int value) {
    if (assigned_.Contains(cvTag) || value != 0) {
        tag_ = value;
        assigned_.Include(cvTag);
    }
    Changed(false);
}

void TMColumn::SetDropDownRows(int value) {
    dropDownRows_ = value;
}

void TMColumn::SetButtonStyle(TMColumnButtonStyle value) {
    if (value == buttonStyle_)
        return;
    buttonStyle_ = value;
    Changed(false);
}

ui::TStrings& TMColumn::PickList() {
    if (!pickList_)
        pickList_ = std::make_unique<ui::TStrings>();
    return *pickList_;
}

void TMColumn::SetPickList(const ui::TStrings* value) {
    if (!value) {
        pickList_.reset();
        return;
    }
    if (value == pickList_.get())
        return;
    PickList().Assign(*value);
}

bool TMColumn::IsColorStored() const {
    return assigned_.Contains(cvColor) && color_ != DefaultColor();
}

bool TMColumn::IsWidthStored() const {
    if (!assigned_.Contains(cvWidth))
        return false;
    try {
        return width_ != DefaultWidth();
    } catch (const std::exception&) {
        return width_ != 64;
    }
}

bool TMColumn::IsReadOnlyStored() const {
    return assigned_.Contains(cvReadOnly) && readOnly_ != DefaultReadOnly();
}

bool TMColumn::IsTranslateValueStored() const {
    return assigned_.Contains(cvTranslateValue) && translateValue_ != DefaultTranslateValue();
}

bool TMColumn::IsAllCapsStored() const {
    return assigned_.Contains(cvAllCaps) && allCaps_ != DefaultAllCaps();
}

} // namespace Colgrid
