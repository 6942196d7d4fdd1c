#include "platform/data/field.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

#include "platform/data/dataset.h"

namespace data {

namespace {

const char* TypeName(TFieldType type) {
    switch (type) {
    case ftString:
        return "String";
    case ftSmallint:
        return "SmallInt";
    case ftInteger:
        return "Integer";
    case ftWord:
        return "Word";
    case ftBoolean:
        return "Boolean";
    case ftFloat:
        return "Float";
    case ftUnknown:
        break;
    }
    return "Unknown";
}

bool IsNumeric(TFieldType type) {
    return type == ftSmallint || type == ftInteger || type == ftWord || type == ftFloat;
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string FloatText(double value) {
    std::ostringstream out;
    out.precision(15);
    out << value;
    return out.str();
}

} // namespace

std::shared_ptr<TField> TField::Create(const std::string& fieldName, TFieldType type, int size) {
    return std::make_shared<TField>(Key{}, fieldName, type, size);
}

TField::TField(Key, std::string fieldName, TFieldType type, int size)
    : fieldName_(std::move(fieldName)), type_(type), size_(size < 0 ? 0 : size),
      alignment_(IsNumeric(type) ? taRightJustify : taLeftJustify) {}

const std::string& TField::DisplayName() const {
    return displayLabel_.empty() ? fieldName_ : displayLabel_;
}

int TField::DisplayWidth() const {
    if (displayWidth_ >= 0)
        return displayWidth_;
    switch (type_) {
    case ftString:
        return size_ > 0 ? size_ : 20;
    case ftSmallint:
        return 6;
    case ftInteger:
        return 11;
    case ftWord:
        return 5;
    case ftBoolean:
        return 5;
    case ftFloat:
    case ftUnknown:
        break;
    }
    return 10;
}

int TField::Index() const {
    return dataSet_ ? dataSet_->IndexOf(*this) : -1;
}

void TField::SetIndex(int value) {
    if (dataSet_)
        dataSet_->MoveField(*this, value);
}

bool TField::IsIntegerType() const {
    return type_ == ftSmallint || type_ == ftInteger || type_ == ftWord;
}

void TField::Unconvertible(const std::string& asType) const {
    throw EDatabaseError("Field '" + fieldName_ + "' of type " + TypeName(type_) +
                         " cannot be accessed as " + asType);
}

void TField::StoreInteger(int64_t value) {
    int64_t low = std::numeric_limits<int32_t>::min();
    int64_t high = std::numeric_limits<int32_t>::max();
    if (type_ == ftSmallint) {
        low = -32768;
        high = 32767;
    } else if (type_ == ftWord) {
        low = 0;
        high = 65535;
    }
    if (value < low || value > high)
        throw EDatabaseError(std::to_string(value) + " is not a valid value for field '" +
                             fieldName_ + "'. The allowed range is " + std::to_string(low) +
                             " to " + std::to_string(high));
    value_ = int32_t(value);
}

std::string TField::AsString() const {
    if (const auto* s = std::get_if<std::string>(&value_))
        return *s;
    if (const auto* i = std::get_if<int32_t>(&value_))
        return std::to_string(*i);
    if (const auto* b = std::get_if<bool>(&value_))
        return *b ? "True" : "False";
    if (const auto* d = std::get_if<double>(&value_))
        return FloatText(*d);
    return {};
}

void TField::SetAsString(const std::string& value) {
    switch (type_) {
    case ftString:
        value_ = value;
        return;
    case ftSmallint:
    case ftInteger:
    case ftWord: {
        std::string text = Trimmed(value);
        if (text.empty()) {
            Clear();
            return;
        }
        int64_t number = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc() || end != text.data() + text.size())
            throw EDatabaseError("'" + value + "' is not a valid integer value");
        StoreInteger(number);
        return;
    }
    case ftBoolean: {
        std::string text = Trimmed(value);
        if (text.empty()) {
            Clear();
            return;
        }
        char first = char(text[0] | 0x20);
        if (first == 't' || first == 'y')
            value_ = true;
        else if (first == 'f' || first == 'n')
            value_ = false;
        else
            throw EDatabaseError("'" + value + "' is not a valid boolean value");
        return;
    }
    case ftFloat: {
        std::string text = Trimmed(value);
        if (text.empty()) {
            Clear();
            return;
        }
        double number = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc() || end != text.data() + text.size())
            throw EDatabaseError("'" + value + "' is not a valid floating point value");
        value_ = number;
        return;
    }
    case ftUnknown:
        break;
    }
    Unconvertible("String");
}

int32_t TField::AsInteger() const {
    if (IsNull())
        return 0;
    if (const auto* i = std::get_if<int32_t>(&value_))
        return *i;
    if (const auto* d = std::get_if<double>(&value_)) {
        double rounded = std::round(*d);
        if (!(rounded >= std::numeric_limits<int32_t>::min() &&
              rounded <= std::numeric_limits<int32_t>::max()))
            throw EDatabaseError("Value of field '" + fieldName_ + "' is out of integer range");
        return int32_t(rounded);
    }
    if (const auto* s = std::get_if<std::string>(&value_)) {
        std::string text = Trimmed(*s);
        int32_t number = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            throw EDatabaseError("'" + *s + "' is not a valid integer value");
        return number;
    }
    Unconvertible("Integer");
}

void TField::SetAsInteger(int32_t value) {
    if (IsIntegerType())
        StoreInteger(value);
    else if (type_ == ftFloat)
        value_ = double(value);
    else if (type_ == ftString)
        value_ = std::to_string(value);
    else
        Unconvertible("Integer");
}

bool TField::AsBoolean() const {
    if (IsNull())
        return false;
    if (const auto* b = std::get_if<bool>(&value_))
        return *b;
    Unconvertible("Boolean");
}

void TField::SetAsBoolean(bool value) {
    if (type_ == ftBoolean)
        value_ = value;
    else if (type_ == ftString)
        value_ = std::string(value ? "True" : "False");
    else
        Unconvertible("Boolean");
}

double TField::AsFloat() const {
    if (IsNull())
        return 0;
    if (const auto* d = std::get_if<double>(&value_))
        return *d;
    if (const auto* i = std::get_if<int32_t>(&value_))
        return *i;
    if (std::holds_alternative<std::string>(value_)) {
        std::string text = Trimmed(std::get<std::string>(value_));
        double number = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            throw EDatabaseError("'" + text + "' is not a valid floating point value");
        return number;
    }
    Unconvertible("Float");
}

void TField::SetAsFloat(double value) {
    if (type_ == ftFloat)
        value_ = value;
    else if (IsIntegerType()) {
        double rounded = std::round(value);
        if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
            throw EDatabaseError(FloatText(value) + " is not a valid value for field '" +
                                 fieldName_ + "'");
        StoreInteger(int64_t(rounded));
    } else if (type_ == ftString)
        value_ = FloatText(value);
    else
        Unconvertible("Float");
}

} // namespace data
