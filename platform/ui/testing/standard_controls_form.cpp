#include "platform/ui/testing/standard_controls_form.h"

#include "platform/ui/streaming/class_builder.h"

namespace ui::testing {

void RegisterStandardControlsForm() {
    static const bool registered = [] {
        RegisterComponentClass<TStandardControlsForm, TForm>("TStandardControlsForm")
            .Resource("forms/standard_controls.dfm");
        return true;
    }();
    (void)registered;
}

} // namespace ui::testing
