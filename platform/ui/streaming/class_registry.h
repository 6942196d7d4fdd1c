#pragma once
// The class registry: what the form reader knows about a class by its name. A class is
// registered with its base, a factory (components), its published properties (each with the
// setter that takes a value of the form text) and, for forms, the stored description it loads,
// the published handlers that event properties bind to by name and the published fields that
// receive components by name.
#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "platform/ui/forms_text/form_text.h"

namespace ui {

class TObject;
class TComponent;
class TReadContext;
class TClassInfo;

// A published property. Set assigns a value read from a form description to the property of
// the object target points to (an object of the class that declared the property); SubObject,
// when present, gives the object that a dotted name ("Font.Height") continues into.
struct TPropertyInfo {
    std::string Name;
    std::function<void(void* target, const TFormTextValue& value, TReadContext& context)> Set;
    std::function<void*(void* target)> SubObject;
    const TClassInfo* SubObjectClass = nullptr;
};

// A published method of a form: given the form, a handler value (a std::function of the
// method's signature) that calls the method on that form.
struct THandlerInfo {
    std::string Name;
    std::function<std::any(TObject* form)> Bind;
};

// A published field of a form: receives the component of the same name after reading, when
// it is of the field's class; Accepts tells whether it is.
struct TFieldInfo {
    std::string Name;
    std::function<bool(TObject* form, TComponent* component)> Assign;
};

class TClassInfo {
public:
    TClassInfo(std::string name, std::type_index type) : Name(std::move(name)), Type(type) {}

    std::string Name;
    std::type_index Type;
    const TClassInfo* Parent = nullptr;
    // Makes a component of this class (nullptr for classes the reader cannot create).
    std::function<TComponent*(TComponent* owner)> Create;
    // Turns an object of this class or a descendant into a pointer to this class (nullptr when
    // the object is not one); absent for classes outside the TObject family (fonts, strings).
    std::function<void*(TObject* object)> Cast;
    // The resource name of the stored description of a form class.
    std::string FormResource;

    // Looks a name up in this class and its ancestors (without regard to case); declaringClass
    // receives the class that declared it.
    const TPropertyInfo* FindProperty(const std::string& name,
                                      const TClassInfo** declaringClass = nullptr) const;
    const THandlerInfo* FindHandler(const std::string& name) const;
    std::vector<const TFieldInfo*> AllFields() const;
    bool InheritsFrom(const TClassInfo* other) const;

    void AddProperty(TPropertyInfo property);
    void AddHandler(THandlerInfo handler);
    void AddField(TFieldInfo field);

private:
    std::map<std::string, TPropertyInfo> properties_; // by lower-case name
    std::map<std::string, THandlerInfo> handlers_;
    std::vector<TFieldInfo> fields_;
};

class TClassRegistry {
public:
    // Registers (or returns the existing entry of) a class; parent may be nullptr for roots.
    TClassInfo& Add(const std::string& name, std::type_index type, const TClassInfo* parent);
    // Without regard to case; nullptr when unknown.
    const TClassInfo* Find(const std::string& name) const;
    const TClassInfo* Find(std::type_index type) const;
    TClassInfo* FindMutable(std::type_index type);

private:
    std::map<std::string, std::unique_ptr<TClassInfo>> byName_; // lower-case name
    std::map<std::type_index, TClassInfo*> byType_;
};

// The process's registry, with the platform's own classes registered on first use.
TClassRegistry& ClassRegistry();

std::string LowerAscii(const std::string& text);

} // namespace ui
