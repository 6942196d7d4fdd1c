#include "platform/ui/testing/stored_forms.h"

#include "platform/ui/forms/form.h"
#include "platform/ui/graphics/resource_store.h"
#include "platform/ui/streaming/class_registry.h"

namespace ui::testing {

TStoredFormsReport LoadEveryStoredForm(bool requireRegistered) {
    TStoredFormsReport report;
    for (const std::string& name : Resources::List("forms/")) {
        try {
            TFormTextObject tree = ParseFormText(Resources::ReadText(name), name);
            const TClassInfo* info = ClassRegistry().Find(tree.ClassName);
            if (!info || !info->Create) {
                if (requireRegistered)
                    report.Failures.push_back(name + ": class " + tree.ClassName +
                                              " is not registered");
                else
                    report.Skipped.push_back(name);
                continue;
            }
            if (info->FormResource != name) {
                report.Failures.push_back(name + ": class " + tree.ClassName +
                                          " loads another description (" + info->FormResource +
                                          ")");
                continue;
            }
            TComponent* made = info->Create(nullptr);
            auto* form = dynamic_cast<TCustomForm*>(made);
            if (!form) {
                Free(made);
                report.Failures.push_back(name + ": " + tree.ClassName + " is not a form");
                continue;
            }
            try {
                form->LoadStoredForm();
                form->AfterConstruction();
            } catch (...) {
                Free(form);
                throw;
            }
            Free(form);
            report.Loaded.push_back(name);
        } catch (const std::exception& e) {
            report.Failures.push_back(name + ": " + e.what());
        }
    }
    return report;
}

} // namespace ui::testing
