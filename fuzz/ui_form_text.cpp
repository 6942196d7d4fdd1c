// The form description reader on arbitrary text: it either gives a tree whose lines follow the
// text (objects, properties and values in file order, inside the text) or raises a parse error
// naming a line of the text; nothing else.
#include "platform/sys/errors.h"
#include "platform/ui/forms_text/form_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

int g_lines = 0;

void CheckLine(int line, int atLeast) {
    if (line < atLeast || line > g_lines)
        std::abort();
}

void CheckProperties(const std::vector<ui::TFormTextProperty>& properties, int from) {
    int previous = from;
    for (const auto& property : properties) {
        CheckLine(property.Line, previous);
        CheckLine(property.Value.Line, property.Line);
        if (property.Name.empty())
            std::abort();
        if (auto* collection = std::get_if<ui::TFormTextCollection>(&property.Value.Value))
            for (const auto& item : collection->Items) {
                CheckLine(item.Line, property.Line);
                CheckProperties(item.Properties, item.Line);
            }
        previous = property.Line;
    }
}

void CheckObject(const ui::TFormTextObject& object, int from) {
    CheckLine(object.Line, from);
    if (object.ClassName.empty())
        std::abort();
    CheckProperties(object.Properties, object.Line);
    int previous = object.Line;
    for (const auto& child : object.Children) {
        CheckObject(child, previous);
        previous = child.Line;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    g_lines = 1 + int(std::count(text.begin(), text.end(), '\n'));
    try {
        ui::TFormTextObject form = ui::ParseFormText(text, "fuzz.dfm");
        CheckObject(form, 1);
    } catch (const sys::EParseError& e) {
        if (e.File != "fuzz.dfm")
            std::abort();
        CheckLine(e.Line, 1);
    }
    return 0;
}
