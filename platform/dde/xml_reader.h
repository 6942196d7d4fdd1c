#pragma once
// A small, strict reader of XML documents: elements, attributes, character data with the
// predefined and numeric entities, CDATA, comments, processing instructions and a DOCTYPE
// declaration (skipped). It reads the menu files of the program groups; anything that is not
// well-formed is refused with the line it was found on.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dde {

struct XmlElement {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Attributes;
    std::vector<XmlElement> Children;
    std::string Text; // the character data directly inside, concatenated

    const XmlElement* Child(std::string_view name) const; // the first one so named
};

// The root element of a well-formed document; false with "line N: what" otherwise.
bool ParseXml(std::string_view text, XmlElement& root, std::string& problem);

// Escapes character data and attribute values (&, <, >, ").
std::string XmlEscape(std::string_view text);

} // namespace dde
