#include "platform/ui/streaming/form_reader.h"

#include <map>
#include <vector>

#include "platform/sys/errors.h"
#include "platform/ui/controls/win_control.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/graphics/resource_store.h"
#include "platform/ui/streaming/class_registry.h"
#include "platform/ui/streaming/read_context.h"

namespace ui {

namespace {

std::vector<std::string> SplitDotted(const std::string& name) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : name) {
        if (c == '.') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    return parts;
}

class TFormReader {
public:
    TFormReader(TComponent& root, const std::string& fileName)
        : root_(root), context_(fileName, &root) {
        context_.ReadObjectProperties = [this](TObject* object,
                                               const std::vector<TFormTextProperty>& properties) {
            const TClassInfo* cls = ClassRegistry().Find(std::type_index(typeid(*object)));
            if (!cls)
                context_.Fail("the class of " + object->ClassName() + " is not registered");
            for (const TFormTextProperty& property : properties)
                SetProperty(object, object, cls, property);
        };
    }

    void Read(const TFormTextObject& tree) {
        const TClassInfo* rootClass = ClassRegistry().Find(std::type_index(typeid(root_)));
        context_.SetLine(tree.Line);
        if (!rootClass)
            context_.Fail("the class of " + root_.ClassName() + " is not registered");
        bool classMatches = false;
        for (const TClassInfo* c = rootClass; c; c = c->Parent)
            classMatches = classMatches || SameText(c->Name, tree.ClassName);
        if (!classMatches)
            context_.Fail("the description is of class " + tree.ClassName + ", not of " +
                          rootClass->Name);
        if (!tree.Name.empty())
            NameRoot(tree.Name);
        ReadObject(root_, tree, nullptr);
        context_.RunFixups();
        AssignFields(*rootClass);
        for (TComponent* component : loaded_)
            component->SetComponentStateFlags(csReading, false);
        for (TComponent* component : loaded_)
            component->Loaded();
    }

private:
    void NameRoot(const std::string& name) {
        std::string candidate = name;
        for (int n = 1;; ++n) {
            try {
                root_.SetName(candidate);
                return;
            } catch (const EComponentError& e) {
                if (!IsValidIdent(name))
                    context_.Fail(e.what());
                candidate = name + "_" + std::to_string(n);
            }
        }
    }

    void ReadObject(TComponent& component, const TFormTextObject& object, TComponent* parent) {
        context_.SetLine(object.Line);
        component.SetComponentStateFlags(csLoading | csReading, true);
        loaded_.push_back(&component);
        lines_[&component] = object.Line;
        auto* control = dynamic_cast<TControl*>(&component);
        auto* windowed = dynamic_cast<TWinControl*>(&component);
        if (control)
            control->SetControlState(control->ControlState() | csReadingState);
        if (parent && parent != &component)
            component.SetParentComponent(parent);
        if (windowed)
            windowed->DisableAlign();

        const TClassInfo* cls = ClassRegistry().Find(std::type_index(typeid(component)));
        if (!cls)
            context_.Fail("the class of " + component.ClassName() + " is not registered");
        for (const TFormTextProperty& property : object.Properties)
            SetProperty(&component, &component, cls, property);

        for (const TFormTextObject& child : object.Children) {
            TComponent* made = ChildComponent(child);
            ReadObject(*made, child, &component);
        }

        if (windowed)
            windowed->FixupTabList();
        if (control) {
            control->SetControlState(control->ControlState() & ~TControlState(csReadingState));
            if (control->Parent()) {
                control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
                control->Perform(CM_PARENTFONTCHANGED, 0, 0);
                control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
                if (windowed)
                    windowed->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
            }
        }
        if (windowed)
            windowed->EnableAlign();
    }

    TComponent* ChildComponent(const TFormTextObject& child) {
        context_.SetLine(child.Line);
        if (child.Inherited) {
            TComponent* existing = root_.FindComponent(child.Name);
            if (!existing)
                context_.Fail("no inherited component named " + child.Name);
            return existing;
        }
        const TClassInfo* cls = ClassRegistry().Find(child.ClassName);
        if (!cls)
            context_.Fail("unknown class " + child.ClassName);
        if (!cls->Create)
            context_.Fail("class " + child.ClassName + " cannot be created from a description");
        TComponent* made = cls->Create(&root_);
        try {
            made->SetName(child.Name);
        } catch (const EComponentError& e) {
            Free(made);
            context_.Fail(e.what());
        }
        return made;
    }

    void SetProperty(void* target, TObject* object, const TClassInfo* cls,
                     const TFormTextProperty& property) {
        context_.SetLine(property.Line);
        std::vector<std::string> path = SplitDotted(property.Name);
        for (size_t i = 0; i < path.size(); ++i) {
            const TClassInfo* declaring = nullptr;
            const TPropertyInfo* info = cls ? cls->FindProperty(path[i], &declaring) : nullptr;
            if (!info)
                context_.Fail("unknown property " + property.Name + " of " +
                              (cls ? cls->Name : std::string("this object")));
            // A property of a class in the TObject family belongs to the declaring class's part
            // of the object; a value object (font, strings) is its own target.
            void* part = (object && declaring->Cast) ? declaring->Cast(object) : target;
            if (i + 1 < path.size()) {
                if (!info->SubObject)
                    context_.Fail("property " + path[i] + " of " + cls->Name +
                                  " has no properties");
                target = info->SubObject(part);
                object = nullptr;
                cls = info->SubObjectClass;
                continue;
            }
            if (!info->Set)
                context_.Fail("property " + property.Name + " cannot be given a value");
            info->Set(part, property.Value, context_);
        }
    }

    void AssignFields(const TClassInfo& rootClass) {
        for (const TFieldInfo* field : rootClass.AllFields()) {
            TComponent* component = root_.FindComponent(field->Name);
            if (!component)
                continue;
            if (!field->Assign(&root_, component)) {
                context_.SetLine(lines_[component]);
                context_.Fail("component " + field->Name + " is not of the class of its field");
            }
        }
    }

    TComponent& root_;
    TReadContext context_;
    std::vector<TComponent*> loaded_;
    std::map<TComponent*, int> lines_;
};

} // namespace

void ReadComponentText(TComponent& root, const std::string& text, const std::string& fileName) {
    TFormTextObject tree = ParseFormText(text, fileName);
    TFormReader reader(root, fileName);
    reader.Read(tree);
}

void ReadStoredForm(TCustomForm& form) {
    const TClassInfo* info = ClassRegistry().Find(std::type_index(typeid(form)));
    if (!info)
        throw EClassNotFound("Class " + form.ClassName() + " is not registered");
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = info; c; c = c->Parent)
        if (!c->FormResource.empty())
            chain.insert(chain.begin(), c);
    if (chain.empty())
        throw EResourceError(info->Name, "Resource " + info->Name + " not found");
    for (const TClassInfo* c : chain)
        ReadComponentText(form, Resources::ReadText(c->FormResource), c->FormResource);
}

} // namespace ui
