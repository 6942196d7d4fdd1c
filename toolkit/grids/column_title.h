#pragma once
// TMColumnTitle: the caption, font, colour and alignment of a column's title cell. Each value
// is the stored one when its flag is among the column's assigned values, otherwise the default
// that follows the field and the grid. TMPassthroughColumnTitle belongs to a layout built from
// the dataset: its caption goes to the field's display label while the data link is active.
#include <string>

#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/types.h"

namespace Colgrid {

class TMColumn;

class TMColumnTitle {
public:
    explicit TMColumnTitle(TMColumn& column);
    virtual ~TMColumnTitle() = default;
    TMColumnTitle(const TMColumnTitle&) = delete;
    TMColumnTitle& operator=(const TMColumnTitle&) = delete;

    TMColumn& Column() const { return column_; }
    // Copies the values flagged in the source's column.
    void Assign(const TMColumnTitle& source);
    void RestoreDefaults();

    ui::TAlignment DefaultAlignment() const { return ui::taCenter; }
    ui::TColor DefaultColor() const;
    const ui::TFont& DefaultFont() const;
    std::string DefaultCaption() const;

    ui::TAlignment Alignment() const;
    void SetAlignment(ui::TAlignment value);
    std::string Caption() const;
    virtual void SetCaption(const std::string& value);
    ui::TColor Color() const;
    void SetColor(ui::TColor value);
    // Reading follows the default font while none is assigned; a change through the reference
    // assigns it.
    ui::TFont& Font();
    const ui::TFont& Font() const;
    void SetFont(const ui::TFont& value);
    // Takes the default font again (quietly) unless a title font is assigned.
    void RefreshDefaultFont();

    // Whether the form description carries the value.
    bool IsAlignmentStored() const;
    bool IsCaptionStored() const;
    bool IsColorStored() const;
    bool IsFontStored() const;

protected:
    void SetStoredCaption(const std::string& value);

private:
    void FontChanged();
    void RefreshFontIfStale() const;

    TMColumn& column_;
    std::string caption_;
    mutable ui::TFont font_;
    mutable bool quiet_ = false;
    ui::TColor color_ = ui::clBtnFace;
    ui::TAlignment alignment_ = ui::taCenter;
};

class TMPassthroughColumnTitle : public TMColumnTitle {
public:
    using TMColumnTitle::TMColumnTitle;
    void SetCaption(const std::string& value) override;
};

} // namespace Colgrid
