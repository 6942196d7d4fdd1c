#pragma once
// TButtonControl and TButton: the platform's push button. It is a focusable window of the
// button class: a click (mouse, space bar, accelerator, Enter as the active default button,
// Escape as the cancel button) sets its form's modal result and fires OnClick. A button whose
// window style has BS_OWNERDRAW is painted by whoever handles CN_DRAWITEM (the owner-draw
// record carries the device context and the selected, focus and disabled states), and is asked
// its size with CN_MEASUREITEM when its window is made.
#include "platform/ui/controls/win_control.h"

namespace ui {

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    void WndProc(TMessage& message) override;

private:
    bool clicksDisabled_ = false;
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    TModalResult ModalResult() const { return modalResult_; }
    virtual void SetModalResult(TModalResult value) { modalResult_ = value; }
    // The button Enter answers: the focused button, or the default one while the focus is on
    // something that is not a button.
    bool Active() const { return active_; }
    // Whether the button shows the pushed state (mouse or space bar held down on it).
    bool Pushed() const { return pushed_; }

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CallDefaultWindowProc(TMessage& message) override;
    // Called when the button becomes (or stops being) the one Enter answers.
    virtual void SetButtonStyle(bool isDefault);
    // The standard look of a push button (not owner-drawn).
    virtual void PaintStandardFace(TCanvas& canvas);

private:
    void SetPushed(bool value);
    void NotifyParent(uint16_t code);
    void PaintButton(HDC dc);
    uint32_t ButtonType();

    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
    bool pushed_ = false;
    bool tracking_ = false;
    bool spaceDown_ = false;
    bool doubleClicked_ = false;
};

} // namespace ui
