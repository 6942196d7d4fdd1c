#pragma once
// TScreen: the screen's size and density, the forms that exist, the active form and control,
// and the application-wide mouse cursor.
#include <vector>

#include "platform/ui/core/component.h"
#include "platform/ui/core/events.h"
#include "platform/ui/graphics/types.h"

namespace ui {

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
public:
    TScreen();

    int Width() const;
    int Height() const;
    int PixelsPerInch() const { return pixelsPerInch_; }
    // Bits per pixel of the display.
    int ColorDepth() const;
    TRect WorkAreaRect() const;
    // Tests give the screen the size they depend on (the work area is the whole screen).
    void SetSize(int width, int height);
    void ResetSize();

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);

    int FormCount() const { return int(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(size_t(index)); }
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }
    TCustomForm* FocusedForm() const { return focusedForm_; }

    // Kept by the forms.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActive(TCustomForm* form, TWinControl* control);
    void SetFocusedForm(TCustomForm* form) { focusedForm_ = form; }
    std::vector<TCustomForm*>& SavedFocusedForms() { return savedFocusedForms_; }

private:
    std::vector<TCustomForm*> forms_;
    std::vector<TCustomForm*> savedFocusedForms_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCustomForm* focusedForm_ = nullptr;
    TCursor cursor_ = crDefault;
    int pixelsPerInch_ = 96;
};

TScreen* Screen();

} // namespace ui
