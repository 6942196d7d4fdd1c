#pragma once
// The kinds of values a field holds, how its text is aligned, and the error that datasets and
// fields raise.
#include <stdexcept>
#include <string>

namespace data {

enum TFieldType { ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace data
