#include "platform/ui/streaming/class_registry.h"

#include "platform/ui/streaming/standard_classes.h"

namespace ui {

std::string LowerAscii(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

const TPropertyInfo* TClassInfo::FindProperty(const std::string& name,
                                              const TClassInfo** declaringClass) const {
    std::string key = LowerAscii(name);
    for (const TClassInfo* c = this; c; c = c->Parent) {
        auto it = c->properties_.find(key);
        if (it != c->properties_.end()) {
            if (declaringClass)
                *declaringClass = c;
            return &it->second;
        }
    }
    return nullptr;
}

const THandlerInfo* TClassInfo::FindHandler(const std::string& name) const {
    std::string key = LowerAscii(name);
    for (const TClassInfo* c = this; c; c = c->Parent) {
        auto it = c->handlers_.find(key);
        if (it != c->handlers_.end())
            return &it->second;
    }
    return nullptr;
}

std::vector<const TFieldInfo*> TClassInfo::AllFields() const {
    std::vector<const TFieldInfo*> all;
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const TFieldInfo& f : c->fields_)
            all.push_back(&f);
    return all;
}

bool TClassInfo::InheritsFrom(const TClassInfo* other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == other)
            return true;
    return false;
}

void TClassInfo::AddProperty(TPropertyInfo property) {
    std::string key = LowerAscii(property.Name);
    properties_[key] = std::move(property);
}

void TClassInfo::AddHandler(THandlerInfo handler) {
    std::string key = LowerAscii(handler.Name);
    handlers_[key] = std::move(handler);
}

void TClassInfo::AddField(TFieldInfo field) {
    fields_.push_back(std::move(field));
}

TClassInfo& TClassRegistry::Add(const std::string& name, std::type_index type,
                                const TClassInfo* parent) {
    auto byType = byType_.find(type);
    if (byType != byType_.end())
        return *byType->second;
    auto info = std::make_unique<TClassInfo>(name, type);
    info->Parent = parent;
    TClassInfo* raw = info.get();
    byName_[LowerAscii(name)] = std::move(info);
    byType_[type] = raw;
    return *raw;
}

const TClassInfo* TClassRegistry::Find(const std::string& name) const {
    auto it = byName_.find(LowerAscii(name));
    return it == byName_.end() ? nullptr : it->second.get();
}

const TClassInfo* TClassRegistry::Find(std::type_index type) const {
    auto it = byType_.find(type);
    return it == byType_.end() ? nullptr : it->second;
}

TClassInfo* TClassRegistry::FindMutable(std::type_index type) {
    auto it = byType_.find(type);
    return it == byType_.end() ? nullptr : it->second;
}

TClassRegistry& ClassRegistry() {
    static TClassRegistry registry;
    static bool standardRegistered = false;
    if (!standardRegistered) {
        standardRegistered = true;
        RegisterStandardClasses();
    }
    return registry;
}

} // namespace ui
