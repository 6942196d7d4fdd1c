#pragma once
// TField: one column of a dataset's current record. It carries its name, the label and width
// a grid shows it with, its alignment and read-only flag, its type and its value, which may be
// null. Values convert between the types as the database layer does; a conversion that cannot
// be made raises EDatabaseError. Fields are always shared-owned (by their dataset or by the
// creator of a free field), so that whoever shows a field can hold it weakly and notice when it
// is gone.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "platform/data/field_types.h"

namespace data {

class TDataSet;

class TField : public std::enable_shared_from_this<TField> {
    struct Key {};

public:
    // A field outside any dataset.
    static std::shared_ptr<TField> Create(const std::string& fieldName, TFieldType type,
                                          int size = 0);
    TField(Key, std::string fieldName, TFieldType type, int size);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    const std::string& FieldName() const { return fieldName_; }
    TFieldType DataType() const { return type_; }
    int Size() const { return size_; }
    TDataSet* DataSet() const { return dataSet_; }

    // The label a grid's title shows; DisplayName is the label, or the name when it has none.
    const std::string& DisplayLabel() const { return displayLabel_; }
    void SetDisplayLabel(const std::string& value) { displayLabel_ = value; }
    const std::string& DisplayName() const;
    // Characters shown; by default the size of a string field, else what the type needs.
    int DisplayWidth() const;
    void SetDisplayWidth(int value) { displayWidth_ = value; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { alignment_ = value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

    // The position among the dataset's fields (-1 outside a dataset); moving clamps to the
    // dataset's range.
    int Index() const;
    void SetIndex(int value);

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    void Clear() { value_ = std::monostate{}; }
    // A null field reads as "", 0, false and 0.0.
    std::string AsString() const;
    void SetAsString(const std::string& value); // "" makes a non-string field null
    int32_t AsInteger() const;
    void SetAsInteger(int32_t value);
    bool AsBoolean() const;
    void SetAsBoolean(bool value);
    double AsFloat() const;
    void SetAsFloat(double value);

private:
    friend class TDataSet;
    using Value = std::variant<std::monostate, std::string, int32_t, bool, double>;
    bool IsIntegerType() const;
    void StoreInteger(int64_t value);
    [[noreturn]] void Unconvertible(const std::string& asType) const;

    std::string fieldName_;
    TFieldType type_;
    int size_;
    TDataSet* dataSet_ = nullptr;
    std::string displayLabel_;
    int displayWidth_ = -1;
    TAlignment alignment_;
    bool readOnly_ = false;
    Value value_;
};

} // namespace data
