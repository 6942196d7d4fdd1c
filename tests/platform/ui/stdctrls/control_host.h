#pragma once
// A shown, borderless white form to place one control on, and reading the colour of its
// pixels in the form's client coordinates.
#include "platform/ui/forms/form.h"
#include "platform/ui/ui_test_support.h"

namespace ui::test {

class TControlHost {
public:
    TControlHost(int width = 320, int height = 200) : form_(NewForm<TForm>()) {
        form_->SetBorderStyle(bsNone);
        form_->SetColor(clWhite);
        form_->SetBounds(10, 10, width, height);
        form_->Show();
    }
    TForm& Form() { return *form_; }
    template <class T> T& Place(int left, int top, int width, int height) {
        auto* control = new T(form_.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(form_.get());
        return *control;
    }
    TBitmap Snapshot() { return Picture(*form_); }

private:
    TOwned<TForm> form_;
};

} // namespace ui::test
