#pragma once
// TControl: a component with a place on screen. It has a parent, bounds that the parent's
// alignment may set, visibility, its own Enabled flag, colour and font (taken from the parent
// while ParentColor / ParentFont hold), a caption, a hint, a cursor and a popup menu, and it
// receives messages through WndProc: mouse messages become mouse events and clicks, CM_
// notifications tell it what changed.
#include <memory>
#include <string>

#include "platform/ui/controls/popup_menu.h"
#include "platform/ui/controls/size_constraints.h"
#include "platform/ui/core/component.h"
#include "platform/ui/core/events.h"
#include "platform/ui/graphics/font.h"

namespace ui {

class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors AnchorsDefault = akLeft | akTop;

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 0x1,
    csCaptureMouse = 0x2,
    csDesignInteractive = 0x4,
    csClickEvents = 0x8,
    csFramed = 0x10,
    csSetCaption = 0x20,
    csOpaque = 0x40,
    csDoubleClicks = 0x80,
    csFixedWidth = 0x100,
    csFixedHeight = 0x200,
    csNoDesignVisible = 0x400,
    csReplicatable = 0x800,
    csNoStdEvents = 0x1000,
    csParentBackground = 0x2000,
};
using TControlStyle = unsigned;

enum TControlStateFlag : unsigned {
    csLButtonDown = 0x1,
    csClicked = 0x2,
    csReadingState = 0x8,
    csAlignmentNeeded = 0x10,
    csFocusing = 0x20,
    csCreating = 0x40,
    csPaintCopy = 0x80,
    csCustomPaint = 0x100,
    csDestroyingHandle = 0x200,
};
using TControlState = unsigned;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // Parent.
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;

    // Bounds in the parent's client coordinates (screen coordinates for a form).
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect();
    int ClientWidth() { return ClientRect().Width(); }
    int ClientHeight() { return ClientRect().Height(); }
    virtual void SetClientWidth(int value);
    virtual void SetClientHeight(int value);
    // The client area's top-left corner in screen coordinates.
    virtual TPoint ClientOrigin();
    TPoint ClientToScreen(TPoint point) {
        TPoint o = ClientOrigin();
        return {point.X + o.X, point.Y + o.Y};
    }
    TPoint ScreenToClient(TPoint point) {
        TPoint o = ClientOrigin();
        return {point.X - o.X, point.Y - o.Y};
    }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors value);
    TSizeConstraints& Constraints() { return constraints_; }

    // Visibility and the control's own enabled flag.
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    void Show();
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);

    // Colour and font, taken from the parent while the Parent... flags hold.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont& Font() { return *font_; }
    void SetFont(const TFont& value);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    // The caption of a control is its text.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& value) { SetText(value); }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    TPopupMenuBase* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenuBase* value);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState value) { controlState_ = value; }
    bool HasControlState(TControlState flags) const { return (controlState_ & flags) != 0; }

    // Painting: Invalidate marks the control for repainting, Update paints what is marked now,
    // Repaint and Refresh do both.
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    // Moves the control above (or below) its siblings.
    virtual void SetZOrder(bool topMost);

    // Messages.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    bool MouseCapture() const;
    void SetMouseCapture(bool value);
    // Shown: visible with every parent up to a shown form.
    virtual bool IsShowing();

    virtual void Click();
    virtual void DblClick();
    void Loaded() override;
    // Scales bounds and font by m/d (a form's ScaleBy, stored forms made at another density).
    virtual void ChangeScale(int m, int d);
    // Where a WM_MOUSEWHEEL goes: the form's focused control, then up its parents.
    virtual void MouseWheelHandler(TMessage& message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TCanResizeEvent OnCanResize;

protected:
    friend class TWinControl;

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    virtual void Resize();
    virtual bool CanResize(int& newWidth, int& newHeight);
    // Applies OnCanResize and the constraints to a proposed size; false refuses it.
    bool CheckNewSize(int& newWidth, int& newHeight);
    virtual void FontChanged();
    virtual TPopupMenuBase* GetPopupMenu() { return popupMenu_; }
    virtual void DoContextPopup(TPoint mousePos, bool& handled);
    void Notification(TComponent* component, TOperation operation) override;

    void RequestAlign();
    void UpdateAnchorRules();
    void InvalidateControl(bool isVisible, bool isOpaque);
    virtual void VisibleChanging() {}
    // Keeps text_ in step with WM_SETTEXT for controls that set it without SetText.
    void StoreText(const std::string& value) { text_ = value; }

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState controlState_ = 0;
    bool anchorMove_ = false;
    TPoint anchorRules_;
    TPoint originalParentSize_;

private:
    void HandleButtonDown(TMessage& message, TMouseButton button, TShiftState extra);
    void HandleButtonUp(TMessage& message, TMouseButton button);
    void HandleMouseMove(TMessage& message);
    void HandleParentColorChanged(TMessage& message);
    void HandleParentFontChanged(TMessage& message);
    void HandleMouseEnter(TMessage& message);
    void HandleMouseLeave(TMessage& message);
    void HandleMouseWheel(TMessage& message);
    void HandleContextMenu(TMessage& message);

    TWinControl* parent_ = nullptr;
    TAlign align_ = alNone;
    TAnchors anchors_ = AnchorsDefault;
    TSizeConstraints constraints_;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenuBase* popupMenu_ = nullptr;
    int wheelAccumulator_ = 0;
};

// The form a control is on (nullptr when it is on none).
TCustomForm* GetParentForm(TControl* control);
// The shift state of a mouse message's key flags, and of the keyboard now.
TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyDataToShiftState(LPARAM keyData);
// The control with the mouse capture (a windowless control of the capturing window included).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

} // namespace ui
