#include "platform/ui/forms/screen.h"

#include <algorithm>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/window/screen_geometry.h"

namespace ui {

TScreen::TScreen() : TComponent(nullptr) {}

int TScreen::Width() const {
    return ScreenRect().Width();
}

int TScreen::Height() const {
    return ScreenRect().Height();
}

TRect TScreen::WorkAreaRect() const {
    return ::ui::WorkAreaRect();
}

int TScreen::ColorDepth() const {
    return ScreenColorDepth();
}

void TScreen::SetSize(int width, int height) {
    SetScreenGeometry({0, 0, width, height}, {0, 0, width, height});
}

void TScreen::ResetSize() {
    ResetScreenGeometry();
}

void TScreen::SetCursor(TCursor value) {
    if (cursor_ == value)
        return;
    cursor_ = value;
    SetOverrideCursor(value);
}

void TScreen::AddForm(TCustomForm* form) {
    forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    savedFocusedForms_.erase(
        std::remove(savedFocusedForms_.begin(), savedFocusedForms_.end(), form),
        savedFocusedForms_.end());
    if (activeForm_ == form) {
        activeForm_ = nullptr;
        activeControl_ = nullptr;
    }
    if (activeControl_ && GetParentForm(activeControl_) == form)
        activeControl_ = nullptr;
    if (focusedForm_ == form)
        focusedForm_ = nullptr;
    if (Application()->MainForm() == form)
        Application()->SetMainForm(nullptr);
}

void TScreen::SetActive(TCustomForm* form, TWinControl* control) {
    activeForm_ = form;
    activeControl_ = control;
    auto it = std::find(forms_.begin(), forms_.end(), form);
    if (it != forms_.end()) {
        forms_.erase(it);
        forms_.insert(forms_.begin(), form);
    }
}

TScreen* Screen() {
    static TScreen* screen = new TScreen;
    return screen;
}

} // namespace ui
