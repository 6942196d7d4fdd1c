#pragma once
// The form that places one of each standard control (resources/forms/standard_controls.dfm),
// for the tests of the stored-form reader and the gallery.
#include "platform/ui/forms/form.h"

namespace ui::testing {

class TStandardControlsForm : public TForm {
public:
    explicit TStandardControlsForm(TComponent* owner) : TForm(owner) {}
};

void RegisterStandardControlsForm();

} // namespace ui::testing
