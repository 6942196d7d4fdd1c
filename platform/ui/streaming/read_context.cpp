#include "platform/ui/streaming/read_context.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/sys/errors.h"
#include "platform/ui/core/component.h"
#include "platform/ui/streaming/class_registry.h"

namespace ui {

namespace {

const char* KindName(const TFormTextValue& value) {
    switch (value.Value.index()) {
    case 0:
        return "an integer";
    case 1:
        return "a number";
    case 2:
        return "a string";
    case 3:
        return "an identifier";
    case 4:
        return "a set";
    case 5:
        return "a list";
    case 6:
        return "binary data";
    default:
        return "a collection";
    }
}

} // namespace

void TReadContext::Fail(const std::string& message) const {
    throw sys::EParseError(file_, line_, message);
}

void TReadContext::AddFixup(std::function<void()> fixup) {
    fixups_.emplace_back(line_, std::move(fixup));
}

void TReadContext::RunFixups() {
    auto pending = std::move(fixups_);
    fixups_.clear();
    for (auto& [line, fixup] : pending) {
        line_ = line;
        fixup();
    }
}

TComponent* TReadContext::ResolveReference(const std::string& name) {
    if (root_ && SameText(root_->Name(), name))
        return root_;
    TComponent* found = root_ ? root_->FindComponent(name) : nullptr;
    if (!found)
        Fail("no component named " + name);
    return found;
}

std::any TReadContext::BindHandler(const std::string& name) {
    const TClassInfo* info =
        root_ ? ClassRegistry().Find(std::type_index(typeid(*root_))) : nullptr;
    const THandlerInfo* handler = info ? info->FindHandler(name) : nullptr;
    if (!handler)
        Fail("unknown handler " + name);
    return handler->Bind(root_);
}

int64_t TReadContext::Integer(const TFormTextValue& value) {
    if (auto* i = std::get_if<int64_t>(&value.Value))
        return *i;
    Fail(std::string("an integer was expected, not ") + KindName(value));
}

int TReadContext::Int(const TFormTextValue& value) {
    int64_t v = Integer(value);
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<uint32_t>::max())
        Fail("the integer " + std::to_string(v) + " is out of range");
    return int(int32_t(uint32_t(v)));
}

bool TReadContext::Bool(const TFormTextValue& value) {
    if (auto* ident = std::get_if<TFormTextIdent>(&value.Value)) {
        if (SameText(ident->Name, "True"))
            return true;
        if (SameText(ident->Name, "False"))
            return false;
        Fail("True or False was expected, not " + ident->Name);
    }
    Fail(std::string("True or False was expected, not ") + KindName(value));
}

std::string TReadContext::String(const TFormTextValue& value) {
    if (auto* s = std::get_if<std::string>(&value.Value))
        return *s;
    Fail(std::string("a string was expected, not ") + KindName(value));
}

double TReadContext::Float(const TFormTextValue& value) {
    if (auto* d = std::get_if<double>(&value.Value))
        return *d;
    if (auto* i = std::get_if<int64_t>(&value.Value))
        return double(*i);
    Fail(std::string("a number was expected, not ") + KindName(value));
}

std::string TReadContext::Ident(const TFormTextValue& value) {
    if (auto* ident = std::get_if<TFormTextIdent>(&value.Value))
        return ident->Name;
    Fail(std::string("an identifier was expected, not ") + KindName(value));
}

TColor TReadContext::Color(const TFormTextValue& value) {
    if (std::holds_alternative<int64_t>(value.Value))
        return TColor(Int(value));
    if (auto* ident = std::get_if<TFormTextIdent>(&value.Value)) {
        TColor color = 0;
        if (IdentToColor(ident->Name, color))
            return color;
        Fail("unknown colour " + ident->Name);
    }
    Fail(std::string("a colour was expected, not ") + KindName(value));
}

int TReadContext::Enum(const TFormTextValue& value, const TEnumNames& names,
                       const std::string& typeName) {
    std::string ident = Ident(value);
    for (const auto& [name, v] : names)
        if (SameText(name, ident))
            return v;
    Fail("unknown " + typeName + " value " + ident);
}

unsigned TReadContext::Set(const TFormTextValue& value, const TEnumNames& bits,
                           const std::string& typeName) {
    auto* set = std::get_if<TFormTextSet>(&value.Value);
    if (!set)
        Fail(std::string("a set was expected, not ") + KindName(value));
    unsigned result = 0;
    for (const std::string& item : set->Items) {
        auto it = std::find_if(bits.begin(), bits.end(),
                               [&](const auto& b) { return SameText(b.first, item); });
        if (it == bits.end())
            Fail("unknown " + typeName + " value " + item);
        result |= unsigned(it->second);
    }
    return result;
}

std::vector<std::string> TReadContext::StringList(const TFormTextValue& value) {
    auto* list = std::get_if<TFormTextList>(&value.Value);
    if (!list)
        Fail(std::string("a list of strings was expected, not ") + KindName(value));
    std::vector<std::string> lines;
    for (const TFormTextValue& item : list->Items) {
        SetLine(item.Line ? item.Line : line_);
        lines.push_back(String(item));
    }
    return lines;
}

const std::vector<uint8_t>& TReadContext::Binary(const TFormTextValue& value) {
    if (auto* b = std::get_if<TFormTextBinary>(&value.Value))
        return b->Bytes;
    Fail(std::string("binary data was expected, not ") + KindName(value));
}

} // namespace ui
