#pragma once
// Registering a class and its published properties, handlers and fields for the form reader:
//     RegisterComponentClass<TPanel, TCustomPanel>("TPanel")
//         .Enum("BevelOuter", PanelBevelNames, &TPanel::SetBevelOuter)
//         .Event("OnResize", &TPanel::OnResize);
// Setters are member functions or lambdas taking the object and the converted value.
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/ui/core/collection.h"
#include "platform/ui/core/component.h"
#include "platform/ui/streaming/class_registry.h"
#include "platform/ui/streaming/read_context.h"

namespace ui {

template <class T> class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : info_(info) {}
    TClassInfo& Info() { return info_; }

    TClassBuilder& Custom(const std::string& name,
                          std::function<void(T&, const TFormTextValue&, TReadContext&)> set) {
        info_.AddProperty({name,
                           [set](void* target, const TFormTextValue& v, TReadContext& c) {
                               set(*static_cast<T*>(target), v, c);
                           },
                           nullptr, nullptr});
        return *this;
    }
    TClassBuilder& Int(const std::string& name, std::function<void(T&, int)> set) {
        return Custom(name,
                      [set](T& t, const TFormTextValue& v, TReadContext& c) { set(t, c.Int(v)); });
    }
    TClassBuilder& Bool(const std::string& name, std::function<void(T&, bool)> set) {
        return Custom(name,
                      [set](T& t, const TFormTextValue& v, TReadContext& c) { set(t, c.Bool(v)); });
    }
    TClassBuilder& String(const std::string& name,
                          std::function<void(T&, const std::string&)> set) {
        return Custom(
            name, [set](T& t, const TFormTextValue& v, TReadContext& c) { set(t, c.String(v)); });
    }
    TClassBuilder& Float(const std::string& name, std::function<void(T&, double)> set) {
        return Custom(
            name, [set](T& t, const TFormTextValue& v, TReadContext& c) { set(t, c.Float(v)); });
    }
    TClassBuilder& Color(const std::string& name, std::function<void(T&, TColor)> set) {
        return Custom(
            name, [set](T& t, const TFormTextValue& v, TReadContext& c) { set(t, c.Color(v)); });
    }
    TClassBuilder& Enum(const std::string& name, const TEnumNames& names,
                        const std::string& typeName, std::function<void(T&, int)> set) {
        return Custom(name, [set, names, typeName](T& t, const TFormTextValue& v, TReadContext& c) {
            set(t, c.Enum(v, names, typeName));
        });
    }
    TClassBuilder& Set(const std::string& name, const TEnumNames& bits, const std::string& typeName,
                       std::function<void(T&, unsigned)> set) {
        return Custom(name, [set, bits, typeName](T& t, const TFormTextValue& v, TReadContext& c) {
            set(t, c.Set(v, bits, typeName));
        });
    }
    TClassBuilder& Binary(const std::string& name,
                          std::function<void(T&, const std::vector<uint8_t>&, TReadContext&)> set) {
        return Custom(name, [set](T& t, const TFormTextValue& v, TReadContext& c) {
            set(t, c.Binary(v), c);
        });
    }
    // A property that holds an object of another registered class (Font, Constraints, Items):
    // its own properties are written dotted ("Font.Height").
    template <class S> TClassBuilder& Object(const std::string& name, std::function<S&(T&)> get) {
        const TClassInfo* sub = ClassRegistry().Find(std::type_index(typeid(S)));
        info_.AddProperty({name, nullptr,
                           [get](void* target) -> void* {
                               return static_cast<void*>(&get(*static_cast<T*>(target)));
                           },
                           sub});
        return *this;
    }
    // A collection property: < item ... end >; each item is added and given its properties.
    TClassBuilder& Collection(const std::string& name, std::function<TCollection&(T&)> get) {
        return Custom(name, [get](T& t, const TFormTextValue& v, TReadContext& c) {
            auto* items = std::get_if<TFormTextCollection>(&v.Value);
            if (!items)
                c.Fail("a collection was expected");
            TCollection& collection = get(t);
            collection.BeginUpdate();
            collection.Clear();
            for (const TFormTextCollectionItem& item : items->Items) {
                c.SetLine(item.Line);
                c.ReadObjectProperties(collection.Add(), item.Properties);
            }
            collection.EndUpdate();
        });
    }
    // A reference to another component of the form, resolved once every component exists.
    template <class C>
    TClassBuilder& Reference(const std::string& name, std::function<void(T&, C*)> set) {
        return Custom(name, [set, name](T& t, const TFormTextValue& v, TReadContext& c) {
            std::string target = c.Ident(v);
            int line = c.Line();
            T* object = &t;
            c.AddFixup([set, name, target, line, object, &c]() {
                c.SetLine(line);
                TComponent* found = c.ResolveReference(target);
                C* typed = dynamic_cast<C*>(found);
                if (!typed)
                    c.Fail("component " + target + " cannot be the " + name + " of this object");
                set(*object, typed);
            });
        });
    }
    // An event property bound by name to one of the form's published handlers.
    template <class E> TClassBuilder& Event(const std::string& name, E T::*member) {
        return Custom(name, [member, name](T& t, const TFormTextValue& v, TReadContext& c) {
            std::string handler = c.Ident(v);
            std::any bound = c.BindHandler(handler);
            const E* typed = std::any_cast<E>(&bound);
            if (!typed)
                c.Fail("handler " + handler + " does not fit the event " + name);
            t.*member = *typed;
        });
    }

    // A published method of a form class.
    template <class R, class... A>
    TClassBuilder& Handler(const std::string& name, R (T::*method)(A...)) {
        info_.AddHandler({name, [method](TObject* form) -> std::any {
                              T* self = dynamic_cast<T*>(form);
                              return std::function<R(A...)>([self, method](A... args) -> R {
                                  return (self->*method)(std::forward<A>(args)...);
                              });
                          }});
        return *this;
    }
    // A published field of a form class.
    template <class F> TClassBuilder& Field(const std::string& name, F* T::*member) {
        info_.AddField({name, [member](TObject* form, TComponent* component) {
                            F* typed = dynamic_cast<F*>(component);
                            T* self = dynamic_cast<T*>(form);
                            if (!typed || !self)
                                return false;
                            self->*member = typed;
                            return true;
                        }});
        return *this;
    }
    // The stored description a form class loads.
    TClassBuilder& Resource(const std::string& resourceName) {
        info_.FormResource = resourceName;
        return *this;
    }

private:
    TClassInfo& info_;
};

namespace detail {
template <class T> void SetCast(TClassInfo& info) {
    info.Cast = [](TObject* object) -> void* {
        return static_cast<void*>(dynamic_cast<T*>(object));
    };
}
template <class Base> const TClassInfo* ParentInfo() {
    const TClassInfo* parent = ClassRegistry().Find(std::type_index(typeid(Base)));
    return parent;
}
} // namespace detail

// A class in the TObject family that the reader can create: T(TComponent* owner).
template <class T, class Base> TClassBuilder<T> RegisterComponentClass(const std::string& name) {
    TClassInfo& info =
        ClassRegistry().Add(name, std::type_index(typeid(T)), detail::ParentInfo<Base>());
    detail::SetCast<T>(info);
    info.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return TClassBuilder<T>(info);
}

// A class in the TObject family that is only a base (or is made by its owner).
template <class T, class Base> TClassBuilder<T> RegisterAbstractClass(const std::string& name) {
    TClassInfo& info =
        ClassRegistry().Add(name, std::type_index(typeid(T)), detail::ParentInfo<Base>());
    detail::SetCast<T>(info);
    return TClassBuilder<T>(info);
}

// A collection item class (made by its collection, not by the reader).
template <class T, class Base> TClassBuilder<T> RegisterItemClass(const std::string& name) {
    return RegisterAbstractClass<T, Base>(name);
}

// A class outside the TObject family whose properties can be written dotted (TFont).
template <class T> TClassBuilder<T> RegisterValueClass(const std::string& name) {
    TClassInfo& info = ClassRegistry().Add(name, std::type_index(typeid(T)), nullptr);
    return TClassBuilder<T>(info);
}

} // namespace ui
