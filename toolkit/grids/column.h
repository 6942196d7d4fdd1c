#pragma once
// TMColumn: one column of a database grid, an item of a TMDBGridColumns collection. It shows
// the dataset field named by FieldName (bound on first use once the dataset has fields) and
// keeps stored values for its colour, width, font, alignment and flags; each stored value is in
// force only while its flag is among AssignedValues, otherwise the column follows its field and
// its grid. Columns are made by their collection (Add, AddClass, Insert) and freed with it.
#include <memory>
#include <string>

#include "platform/data/field.h"
#include "platform/ui/core/string_list.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/types.h"
#include "toolkit/grids/column_title.h"
#include "toolkit/grids/column_values.h"

namespace Colgrid {

class TMDBGridColumns;
class TMColumnsGrid;
class TMColumn;

// A column class: makes a column of that class for a collection.
using TMColumnClass = std::unique_ptr<TMColumn> (*)(TMDBGridColumns& collection);

class TMColumn {
public:
    static std::unique_ptr<TMColumn> New(TMDBGridColumns& collection);
    virtual ~TMColumn();
    TMColumn(const TMColumn&) = delete;
    TMColumn& operator=(const TMColumn&) = delete;

    TMDBGridColumns& Collection() const { return collection_; }
    TMColumnsGrid* Grid() const;
    int Index() const;
    virtual void SetIndex(int value);

    // Takes over the source's field name and the values flagged in the source (never its
    // LeftFieldName), as one change of the collection.
    void Assign(const TMColumn& source);
    void RestoreDefaults();

    ui::TAlignment DefaultAlignment() const;
    ui::TColor DefaultColor() const;
    const ui::TFont& DefaultFont() const;
    bool DefaultReadOnly() const { return false; }
    bool DefaultTranslateValue() const { return false; }
    bool DefaultAllCaps() const { return false; }
    int DefaultWidth() const;

    // The bound field; binds the dataset's field of FieldName on first use when the dataset is
    // active or has persistent fields. A field freed by its dataset counts as unbound.
    data::TField* Field() const;
    virtual void SetField(data::TField* value);
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& value);
    const std::string& LeftFieldName() const { return leftFieldName_; }
    void SetLeftFieldName(const std::string& value) { leftFieldName_ = value; }

    ui::TAlignment Alignment() const;
    virtual void SetAlignment(ui::TAlignment value);
    ui::TColor Color() const;
    void SetColor(ui::TColor value);
    // The stored width when assigned, else DefaultWidth (64 when measuring fails).
    int Width() const;
    virtual void SetWidth(int value);
    ui::TFont& Font();
    const ui::TFont& Font() const;
    void SetFont(const ui::TFont& value);
    TMColumnTitle& Title() const { return *title_; }
    bool ReadOnly() const;
    virtual void SetReadOnly(bool value);
    bool TranslateValue() const;
    void SetTranslateValue(bool value);
    bool AllCaps() const;
    void SetAllCaps(bool value);
    int Tag() const;
    void SetTag(int value);
    int DropDownRows() const { return dropDownRows_; }
    void SetDropDownRows(int value);
    TMColumnButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TMColumnButtonStyle value);
    // Created on first use; SetPickList copies the list, or frees it when given none.
    ui::TStrings& PickList();
    bool HasPickList() const { return pickList_ != nullptr; }
    void SetPickList(const ui::TStrings* value);

    TMColumnValues AssignedValues() const { return assigned_; }

    // Whether the form description carries the value.
    bool IsAlignmentStored() const { return assigned_.Contains(cvAlignment); }
    bool IsColorStored() const;
    bool IsWidthStored() const;
    bool IsFontStored() const { return assigned_.Contains(cvFont); }
    bool IsReadOnlyStored() const;
    bool IsTranslateValueStored() const;
    bool IsAllCapsStored() const;
    bool IsTagStored() const { return assigned_.Contains(cvTag) && tag_ != 0; }
    // False for a layout built from the dataset, whose columns are never stored.
    virtual bool IsStored() const { return true; }

    // Tells the collection that this column changed (allItems: the whole layout).
    void Changed(bool allItems);

protected:
    explicit TMColumn(TMDBGridColumns& collection);
    virtual std::unique_ptr<TMColumnTitle> CreateTitle();
    bool GridDataLinkActive() const;
    // The field bound now, without binding one.
    data::TField* BoundField() const { return field_.lock().get(); }
    // The setters' rule: nothing when flagged and unchanged, else store, flag and notify.
    template <class T> void SetFlagged(T& stored, const T& value, TMColumnValue flag);

private:
    friend class TMDBGridColumns;
    friend class TMColumnTitle;
    void Initialize(); // after construction, when virtual calls reach the column's class
    void FontChanged();
    void RefreshDefaultFont() const;
    void RefreshFontIfStale() const;
    int MeasuredWidth() const;

    TMDBGridColumns& collection_;
    mutable std::weak_ptr<data::TField> field_;
    std::string fieldName_;
    std::string leftFieldName_;
    ui::TColor color_ = ui::clWindow;
    int width_ = 0;
    std::unique_ptr<TMColumnTitle> title_;
    mutable ui::TFont font_;
    mutable bool quiet_ = false;
    std::unique_ptr<ui::TStrings> pickList_;
    int dropDownRows_ = 7;
    TMColumnButtonStyle buttonStyle_ = cbsNone;
    ui::TAlignment alignment_ = ui::taLeftJustify;
    bool readOnly_ = false;
    bool translateValue_ = false;
    TMColumnValues assigned_;
    int tag_ = 0;
    bool allCaps_ = false;
};

} // namespace Colgrid
