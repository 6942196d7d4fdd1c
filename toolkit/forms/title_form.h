#pragma once
// TTitleForm: the base of every screen and dialog. Its caption is drawn by its title bar (the
// component "TitleBar1" of a stored form), which mirrors the form's text and greys while the
// form is disabled. With the modern look a sizeable form becomes a frameless one with a painted
// border that still sizes the window from its edges; the top 50 client pixels drag the window.
// Alt+F4 never closes it and Ctrl+Alt+M minimizes the application.
#include <string>

#include "toolkit/forms/painted_form.h"

namespace tk {

class TTitleBar;

// The top band of the client area that drags the window, and the width of the frame that sizes
// a converted form.
constexpr int DragBandHeight = 50;
constexpr int SizingEdgeWidth = 7;

class TTitleForm : public TPaintedForm {
public:
    using TPaintedForm::TPaintedForm;

    // Passes a new value on only when it differs; always applies the modern frame.
    void SetBorderStyle(ui::TFormBorderStyle value) override;
    // The title bar's caption (empty without a title bar); setting it writes only to the bar.
    // The form's own caption (SetCaption, SetText) reaches the bar through its text change.
    std::string TitleCaption() const;
    void SetTitleCaption(const std::string& value);

    // The form was converted to the frameless modern look.
    bool fWin10Sizeable = false;
    // The form's title bar; may be nil. A form built by code may assign one.
    TTitleBar* TitleBar = nullptr;

    void ConstructionCompleted() override;
    void Loaded() override;
    void Dispatch(ui::TMessage& message) override;

protected:
    void CreateParams(ui::TCreateParams& params) override;
    void CreateWnd() override;
    void KeyDown(uint16_t& key, ui::TShiftState shift) override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    bool Designing() const { return InState(ui::csDesigning); }
    void ApplyModernFrame();
    void AdjustWindowStyle();
    ui::LRESULT HitTest(ui::TPoint screen, ui::LRESULT defaultAnswer);
    void PaintFrame();

    // Set while the window is being made: only then do the window's parameters convert the
    // frame (the platform also asks for them to measure a form that has no window yet).
    bool FCreatingWindow = false;
};

} // namespace tk
