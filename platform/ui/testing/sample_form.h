#pragma once
// The sample form of the component library: a stored form with nested panels, a label whose
// accelerator focuses a button, and two owner-drawn push buttons (modal results 1 and 4, the
// default and the cancel button). F2 opens a second one modally from its key preview. The
// tests drive it with the scripted user and the gallery renders it.
#include <vector>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/panel.h"

namespace ui::testing {

// A push button painted by itself through the owner-draw notification: a raised face (sunken
// while pushed), a dark frame while it is the button Enter answers, a focus rectangle.
class TSampleButton : public TButton {
public:
    explicit TSampleButton(TComponent* owner);
    void Dispatch(TMessage& message) override;

    bool IsFocused() const { return isFocused_; }
    // The owner-draw states of the last paint and whether the button was measured.
    UINT LastItemState() const { return lastItemState_; }
    bool Measured() const { return measured_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void SetButtonStyle(bool isDefault) override;

private:
    void DrawItem(const TDrawItemStruct& item);
    TControlCanvas canvas_{this};
    bool isFocused_ = false;
    UINT lastItemState_ = 0;
    bool measured_ = false;
};

class TSampleForm : public TForm {
public:
    explicit TSampleForm(TComponent* owner) : TForm(owner) {}

    TPanel* OuterPanel = nullptr;
    TPanel* PromptPanel = nullptr;
    TLabel* PromptLabel = nullptr;
    TPanel* ButtonPanel = nullptr;
    TSampleButton* ContinueButton = nullptr;
    TSampleButton* BackButton = nullptr;

    // What the form went through: the enable notifications it received (true = enabled), the
    // result of the form F2 opened, and the order of its creation steps.
    std::vector<bool> EnableLog;
    int NestedResult = -1;
    std::vector<std::string> CreationLog;
    int Clicks = 0;

    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
    void ButtonClick(TObject* sender);

    void Dispatch(TMessage& message) override;
    void Loaded() override;
};

// Registers the sample classes with the form reader (once).
void RegisterSampleFormClasses();

} // namespace ui::testing
