#pragma once
// TPaintedForm: a toolkit form that can paint its client area with the skin's hatch pattern
// tinted in the form colour.
#include "toolkit/forms/mform.h"

namespace tk {

class TPaintedForm : public TMForm {
public:
    using TMForm::TMForm;

    bool MustPaint() const { return FMustPaint; }
    void SetMustPaint(bool value);

protected:
    void Paint() override;

private:
    bool FMustPaint = false;
};

} // namespace tk
