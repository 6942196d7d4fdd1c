#pragma once
// TWinControl: a control with a window of its own (its handle, made when the control is first
// shown or asked for it). It holds child controls and aligns them, takes part in focus and
// tabbing, paints its windowless children, turns key messages into key events (a form with
// KeyPreview sees them first) and dialog keys, and passes what it does not handle to its
// window's default procedure.
#include <vector>

#include "platform/ui/controls/control.h"
#include "platform/ui/graphics/pen_brush.h"

namespace ui {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle; // controls use bsNone and bsSingle

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Child controls: the windowless ones first, then the windowed ones, each in insertion order.
    int ControlCount() const { return int(controls_.size() + winControls_.size()); }
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(TControl* control) const;
    // Moves a child to the top (end) or bottom (start) of its list: the paint and window order.
    void MoveChild(TControl* control, bool toTop);
    void SetZOrder(bool topMost) override;
    // The visible child under a point of the client area (the topmost), or nullptr.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false);
    // Sends the message to every child until one answers it (a non-zero result).
    void Broadcast(TMessage& message);
    void NotifyControls(UINT msg);

    // Alignment of the children: top, bottom, left, right, client, then anchored controls.
    void DisableAlign();
    void EnableAlign();
    void Realign();
    void AlignControl(TControl* control);
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void AdjustClientRect(TRect& rect);

    // The window.
    HWND Handle();
    HWND WindowHandle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != 0; }
    void HandleNeeded();
    void DestroyHandle();
    void RecreateWnd();
    bool Showing() const { return showing_; }
    bool IsShowing() override { return showing_; }
    void UpdateControlState();

    // Focus and tabbing.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    int TabOrder() const;
    void SetTabOrder(int value);
    virtual bool CanFocus();
    virtual void SetFocus();
    bool Focused() const;
    void GetTabOrderList(std::vector<TWinControl*>& list);
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent);
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    // Puts the children in the tab order their stored TabOrder values give (after reading).
    void FixupTabList();

    // Look.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value);
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TBrush& Brush() { return brush_; }

    // Geometry and painting.
    TRect ClientRect() override;
    TPoint ClientOrigin() override;
    void SetClientWidth(int value) override;
    void SetClientHeight(int value) override;
    // The widths of the window's frame (non-client area): Left, Top, Right, Bottom.
    TRect NonClientInsets();
    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void SetParent(TWinControl* parent) override;
    void ChangeScale(int m, int d) override;
    void ScaleBy(int m, int d);

    // Messages: MainWndProc is the window procedure (errors that leave a handler are reported
    // by the application and go no further).
    void MainWndProc(TMessage& message);
    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateHandle();
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // The window class's own behaviour for what the control leaves to it.
    virtual void CallDefaultWindowProc(TMessage& message);
    virtual void PaintWindow(HDC dc);
    void PaintHandler(TMessage& message);
    void PaintControls(HDC dc, TControl* first);
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void DoAddDockClient() {}
    void UpdateShowing();
    void UpdateBounds();
    void RemoveFocus(bool removing);
    HWND PrecedingWindow(TWinControl* control);
    bool IsControlMouseMsg(TMessage& message);
    // Sends a window notification about a child control back to it as a CN_ message.
    bool DoControlMsg(HWND child, TMessage& message);
    TRect DefaultClientRect();

    bool reading_ = false;

private:
    void Insert(TControl* control);
    void Remove(TControl* control);
    void HandlePaint(TMessage& message);
    void HandleEraseBackground(TMessage& message);
    void HandleSetCursor(TMessage& message);
    void HandleSize(TMessage& message);
    void HandleKeyDownNotification(TMessage& message);
    void HandleSysKeyDownNotification(TMessage& message);
    void HandleCharNotification(TMessage& message);
    void HandleSysCharNotification(TMessage& message);
    void HandleShowingChanged(TMessage& message);

    std::vector<TControl*> controls_;       // windowless children
    std::vector<TWinControl*> winControls_; // windowed children
    std::vector<TWinControl*> tabList_;
    int storedTabOrder_ = -1;
    HWND handle_ = 0;
    bool showing_ = false;
    bool tabStop_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    bool doubleBuffered_ = false;
    int borderWidth_ = 0;
    int alignLevel_ = 0;
    TBrush brush_;
};

} // namespace ui
