#include "toolkit/grids/form_text_format.h"

#include <cstdio>
#include <sstream>

namespace Colgrid {

namespace {

std::string Quoted(const std::string& text) {
    if (text.empty())
        return "''";
    std::string out;
    bool open = false;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < ' ') {
            if (open)
                out += '\'';
            open = false;
            out += "#" + std::to_string(code);
            continue;
        }
        if (!open)
            out += '\'';
        open = true;
        out += c;
        if (c == '\'')
            out += '\'';
    }
    if (open)
        out += '\'';
    return out;
}

std::string Blanks(int count) {
    return std::string(size_t(count > 0 ? count : 0), ' ');
}

std::string FormatValue(const ui::TFormTextValue& value, int indent);

std::string FormatList(const ui::TFormTextList& list, int indent) {
    std::string out = "(";
    for (const auto& item : list.Items)
        out += "\n" + Blanks(indent + 2) + FormatValue(item, indent + 2);
    return out + ")";
}

std::string FormatCollection(const ui::TFormTextCollection& collection, int indent) {
    std::string out = "<";
    for (const auto& item : collection.Items) {
        out += "\n" + Blanks(indent + 2) + "item\n";
        for (const auto& property : item.Properties)
            out += FormatFormTextProperty(property, indent + 4);
        out += Blanks(indent + 2) + "end";
    }
    return out + ">";
}

std::string FormatBinary(const ui::TFormTextBinary& binary, int indent) {
    std::string out = "{";
    for (size_t i = 0; i < binary.Bytes.size(); ++i) {
        if (i % 32 == 0)
            out += "\n" + Blanks(indent + 2);
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", binary.Bytes[i]);
        out += hex;
    }
    return out + "}";
}

std::string FormatValue(const ui::TFormTextValue& value, int indent) {
    if (const auto* number = std::get_if<int64_t>(&value.Value))
        return std::to_string(*number);
    if (const auto* real = std::get_if<double>(&value.Value)) {
        std::ostringstream out;
        out.precision(17);
        out << *real;
        std::string text = out.str();
        return text.find_first_of(".eE") == std::string::npos ? text + ".0" : text;
    }
    if (const auto* text = std::get_if<std::string>(&value.Value))
        return Quoted(*text);
    if (const auto* ident = std::get_if<ui::TFormTextIdent>(&value.Value))
        return ident->Name;
    if (const auto* set = std::get_if<ui::TFormTextSet>(&value.Value)) {
        std::string out = "[";
        for (size_t i = 0; i < set->Items.size(); ++i)
            out += (i ? ", " : "") + set->Items[i];
        return out + "]";
    }
    if (const auto* list = std::get_if<ui::TFormTextList>(&value.Value))
        return FormatList(*list, indent);
    if (const auto* binary = std::get_if<ui::TFormTextBinary>(&value.Value))
        return FormatBinary(*binary, indent);
    return FormatCollection(std::get<ui::TFormTextCollection>(value.Value), indent);
}

} // namespace

std::string FormatFormTextProperty(const ui::TFormTextProperty& property, int indent) {
    return Blanks(indent) + property.Name + " = " + FormatValue(property.Value, indent) + "\n";
}

} // namespace Colgrid
