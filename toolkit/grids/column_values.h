#pragma once
// The enumerations of the column model: which stored values of a column are in force, the
// kinds of cell button, and whether a grid's columns were customised.
#include <cstdint>

namespace Colgrid {

enum TMColumnValue {
    cvColor,
    cvWidth,
    cvFont,
    cvAlignment,
    cvReadOnly,
    cvTitleColor,
    cvTitleCaption,
    cvTitleAlignment,
    cvTitleFont,
    cvTranslateValue,
    cvTag,
    cvAllCaps
};

// A set of TMColumnValue: bit n for the n-th value.
class TMColumnValues {
public:
    TMColumnValues() = default;
    bool Contains(TMColumnValue value) const { return (bits_ & Bit(value)) != 0; }
    void Include(TMColumnValue value) { bits_ = uint16_t(bits_ | Bit(value)); }
    void Exclude(TMColumnValue value) { bits_ = uint16_t(bits_ & ~Bit(value)); }
    void Clear() { bits_ = 0; }
    bool Empty() const { return bits_ == 0; }
    uint16_t Bits() const { return bits_; }
    friend bool operator==(TMColumnValues, TMColumnValues) = default;

private:
    static uint16_t Bit(TMColumnValue value) { return uint16_t(1u << unsigned(value)); }
    uint16_t bits_ = 0;
};

enum TMColumnButtonStyle { cbsNone, cbsComboOnly, cbsComboEdit, cbsLookupOnly, cbsLookupEdit };

enum TMDBGridColumnsState { csDefault, csCustomized };

} // namespace Colgrid
