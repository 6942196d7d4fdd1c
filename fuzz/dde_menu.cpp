// The strict XML reader of the program group menu files on arbitrary bytes.
#include "platform/dde/xml_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dde::XmlElement root;
    std::string problem;
    dde::ParseXml(std::string_view(reinterpret_cast<const char*>(data), size), root, problem);
    return 0;
}
