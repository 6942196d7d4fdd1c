#include "platform/zip/extra_fields.h"

#include "platform/zip/little_endian.h"

namespace zip::detail {

std::optional<std::string_view> FindExtraField(std::string_view extra, uint16_t id) {
    size_t pos = 0;
    while (extra.size() - pos >= 4) {
        const auto* p = reinterpret_cast<const uint8_t*>(extra.data() + pos);
        uint16_t fieldId = ReadU16(p);
        uint16_t fieldSize = ReadU16(p + 2);
        if (fieldSize > extra.size() - pos - 4)
            return std::nullopt;
        if (fieldId == id)
            return extra.substr(pos + 4, fieldSize);
        pos += 4 + fieldSize;
    }
    return std::nullopt;
}

} // namespace zip::detail
