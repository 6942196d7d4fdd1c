#pragma once
// TCustomLabel / TLabel: a windowless caption. Its accelerator ("&Name") focuses FocusControl;
// AutoSize makes it as large as its text; Layout places the text vertically.
#include "platform/ui/controls/graphic_control.h"

namespace ui {

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool value);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool Transparent() const { return (ControlStyle() & csOpaque) == 0; }
    void SetTransparent(bool value);

    void Dispatch(TMessage& message) override;
    void Loaded() override;

protected:
    void Paint() override;
    virtual std::string GetLabelText() { return Caption(); }
    // Draws (or with DT_CALCRECT measures) the caption in rect.
    virtual void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags);
    void AdjustBounds();
    void Notification(TComponent* component, TOperation operation) override;

private:
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    TWinControl* focusControl_ = nullptr;
    bool showAccelChar_ = true;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};

} // namespace ui
