#include "toolkit/grids/translate_value.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/data/field_types.h"

namespace Colgrid {

namespace {

// At most this many characters of a pick list line take part in a comparison.
constexpr size_t kLineLimit = 255;

std::string_view TrimBlanks(std::string_view text) {
    size_t first = 0;
    while (first < text.size() && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    size_t last = text.size();
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

std::string PickLine(const ui::TStrings& pickList, int index) {
    std::string_view line = TrimBlanks(pickList[index]);
    return std::string(line.substr(0, kLineLimit));
}

// Code n of a plain list is line n - 1 (kept inside the range of an index).
int PositionOf(int value) {
    return value == std::numeric_limits<int>::min() ? value : value - 1;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TTranslatedValue TranslateString(const data::TField& field, const ui::TStrings* pickList) {
    if (!pickList)
        return {};
    const std::string key = field.AsString() + "=";
    for (int i = 0; i < pickList->Count(); ++i) {
        std::string line = PickLine(*pickList, i);
        if (StartsWith(line, key)) {
            std::string_view text = std::string_view(line).substr(line.find('=') + 1);
            return {i, std::string(TrimBlanks(text))};
        }
    }
    return {};
}

TTranslatedValue TranslateInteger(const data::TField& field, const ui::TStrings* pickList) {
    const int value = field.AsInteger();
    if (!pickList)
        return {PositionOf(value), ""};
    if (field.IsNull())
        return {0, " "};
    const std::string notFound = "Cod " + std::to_string(value) + " negasit.";
    const std::string key = std::to_string(value) + "=";
    for (int i = 0; i < pickList->Count(); ++i) {
        std::string line = PickLine(*pickList, i);
        if (line.find('=') == std::string::npos)
            return {PositionOf(value), ""};
        if (StartsWith(line, key)) {
            std::string text = line.substr(key.size());
            return {i, text.empty() ? " " : text};
        }
    }
    return {0, notFound};
}

} // namespace

TTranslatedValue TranslateFieldValue(const data::TField& field, const ui::TStrings* pickList) {
    switch (field.DataType()) {
    case data::ftString:
        return TranslateString(field, pickList);
    case data::ftSmallint:
    case data::ftInteger:
        return TranslateInteger(field, pickList);
    case data::ftBoolean:
        return {field.AsBoolean() ? 1 : 0, ""};
    default:
        return {};
    }
}

void StoreTranslatedIndex(data::TField& field, int index) {
    switch (field.DataType()) {
    case data::ftSmallint:
    case data::ftInteger:
        if (index == std::numeric_limits<int>::max())
            throw data::EDatabaseError("Line " + std::to_string(index) +
                                       " of the pick list has no code");
        field.SetAsInteger(index + 1);
        break;
    case data::ftBoolean:
        field.SetAsBoolean(index == 1);
        break;
    default:
        break;
    }
}

} // namespace Colgrid
