#pragma once
// TButtonControl: a control whose window is of the platform's button class. It takes the focus
// when clicked, shows the pushed state while the mouse or the space bar holds it, and tells its
// parent BN_CLICKED when released over it (BN_DOUBLECLICKED for an owner-drawn button's quick
// second click), which comes back to it as CN_COMMAND. A window with the BS_OWNERDRAW type is
// painted by whoever handles CN_DRAWITEM (the owner-draw record carries the device context and
// the selected, focus and disabled states) and is asked its size with CN_MEASUREITEM when its
// window is made; other types get their standard look from PaintFace.
//
// TButton: the push button. A click (mouse, space bar, accelerator, Enter as the active default
// button, Escape as the cancel button) sets its form's modal result and fires OnClick.
#include "platform/ui/controls/win_control.h"

namespace ui {

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    void WndProc(TMessage& message) override;

    // Whether the button shows the pushed state (mouse or space bar held down on it).
    bool Pushed() const { return pushed_; }

protected:
    void CreateWnd() override;
    void CallDefaultWindowProc(TMessage& message) override;
    // The button type of the window style (BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_OWNERDRAW, ...).
    uint32_t ButtonType();
    // The standard look of a button that is not owner-drawn.
    virtual void PaintFace(TCanvas& canvas) { (void)canvas; }

private:
    void SetPushed(bool value);
    void NotifyParent(uint16_t code);
    void PaintButton(HDC dc);

    bool clicksDisabled_ = false;
    bool pushed_ = false;
    bool tracking_ = false;
    bool spaceDown_ = false;
    bool doubleClicked_ = false;
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

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Called when the button becomes (or stops being) the one Enter answers.
    virtual void SetButtonStyle(bool isDefault);
    void PaintFace(TCanvas& canvas) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
};

} // namespace ui
