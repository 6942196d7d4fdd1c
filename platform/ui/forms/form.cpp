#include "platform/ui/forms/form.h"

#include "platform/ui/core/exceptions.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/streaming/form_reader.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

TCustomForm* GetParentForm(TControl* control) {
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<TCustomForm*>(control);
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {
    controlStyle_ =
        csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    SetVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetCtl3D(true);
    SetParentCtl3D(false);
    pixelsPerInch_ = Screen()->PixelsPerInch();
    Screen()->AddForm(this);
}

TCustomForm::~TCustomForm() {
    Screen()->RemoveForm(this);
    canvas_.reset();
}

void TCustomForm::LoadStoredForm() {
    ReadWith([this] { ReadStoredForm(*this); });
}

void TCustomForm::LoadStoredForm(const std::string& text, const std::string& fileName) {
    ReadWith([&] { ReadComponentText(*this, text, fileName); });
}

void TCustomForm::ReadWith(const std::function<void()>& read) {
    formState_ |= fsCreating;
    // A description without OldCreateOrder keeps the creation event inside construction.
    oldCreateOrder_ = true;
    try {
        read();
    } catch (...) {
        formState_ &= ~TFormState(fsCreating);
        throw;
    }
    formState_ &= ~TFormState(fsCreating);
    if (oldCreateOrder_)
        DoCreate();
    ConstructionCompleted();
}

void TCustomForm::AfterConstruction() {
    if (!created_)
        DoCreate();
    if (formState_ & fsActivated) {
        formState_ &= ~TFormState(fsActivated);
        Activate();
    }
}

void TCustomForm::BeforeDestruction() {
    Destroying();
    auto& saved = Screen()->SavedFocusedForms();
    saved.erase(std::remove(saved.begin(), saved.end(), this), saved.end());
    if (Visible() && HandleAllocated())
        Hide();
    DoDestroy();
}

void TCustomForm::DoCreate() {
    created_ = true;
    try {
        Fire(OnCreate, this);
    } catch (...) {
        Application()->HandleException(this);
    }
    if (formState_ & fsVisible) {
        formState_ &= ~TFormState(fsVisible);
        SetVisible(true);
    }
}

void TCustomForm::DoDestroy() {
    try {
        Fire(OnDestroy, this);
    } catch (...) {
        Application()->HandleException(this);
    }
}

void TCustomForm::DoShow() {
    Fire(OnShow, this);
}
void TCustomForm::DoHide() {
    Fire(OnHide, this);
}
void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose)
        OnClose(this, action);
}
void TCustomForm::Activate() {
    Fire(OnActivate, this);
}
void TCustomForm::Deactivate() {
    Fire(OnDeactivate, this);
}
void TCustomForm::Paint() {
    Fire(OnPaint, this);
}

TCanvas& TCustomForm::Canvas() {
    if (!canvas_->HandleAllocated())
        canvas_->AcquireDC();
    return *canvas_;
}

void TCustomForm::PaintWindow(HDC dc) {
    canvas_->SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        throw;
    }
    canvas_->SetHandle(nullptr);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
    if (borderIcons_ == value)
        return;
    borderIcons_ = value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
    if (formStyle_ == value)
        return;
    formStyle_ = value;
    RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState value) {
    if (windowState_ == value)
        return;
    windowState_ = value;
    if (Showing() && HandleAllocated()) {
        static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ShowWindow(WindowHandle(), commands[value]);
    }
}

void TCustomForm::SetClientWidth(int value) {
    if (HasControlState(csReadingState)) {
        storedClientWidth_ = value;
        return;
    }
    TWinControl::SetClientWidth(value);
}

void TCustomForm::SetClientHeight(int value) {
    if (HasControlState(csReadingState)) {
        storedClientHeight_ = value;
        return;
    }
    TWinControl::SetClientHeight(value);
}

void TCustomForm::SetPixelsPerInch(int value) {
    if (value > 0)
        pixelsPerInch_ = value;
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (storedClientWidth_ > 0)
        TWinControl::SetClientWidth(storedClientWidth_);
    if (storedClientHeight_ > 0)
        TWinControl::SetClientHeight(storedClientHeight_);
    storedClientWidth_ = storedClientHeight_ = 0;
    int screenDensity = Screen()->PixelsPerInch();
    if (scaled_ && pixelsPerInch_ != screenDensity) {
        ScaleBy(screenDensity, pixelsPerInch_);
        pixelsPerInch_ = screenDensity;
    }
    if (TWinControl* control = activeControl_) {
        activeControl_ = nullptr;
        if (control->CanFocus())
            SetActiveControl(control);
    }
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style &= ~uint32_t(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_CLIPSIBLINGS);
    params.WndParent = 0;
    TApplication* app = Application();
    if (app->MainFormOnTaskBar() && app->MainForm() && app->MainForm() != this &&
        app->MainForm()->HandleAllocated())
        params.WndParent = app->MainForm()->WindowHandle();
    params.WindowClassStyle = CS_DBLCLKS;
    TBorderIcons icons = borderIcons_;
    switch (borderStyle_) {
    case bsNone:
        params.Style |= WS_POPUP;
        icons = 0;
        break;
    case bsSingle:
    case bsToolWindow:
        params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        icons &= biSystemMenu | biHelp;
        params.WindowClassStyle |= CS_SAVEBITS;
        break;
    }
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
        params.ExStyle |= WS_EX_TOOLWINDOW;
    if (icons & biSystemMenu)
        params.Style |= WS_SYSMENU;
    if (icons & biMinimize)
        params.Style |= WS_MINIMIZEBOX;
    if (icons & biMaximize)
        params.Style |= WS_MAXIMIZEBOX;
    if (formStyle_ == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::SetVisible(bool value) {
    if (formState_ & fsCreating) {
        if (value)
            formState_ |= fsVisible;
        else
            formState_ &= ~TFormState(fsVisible);
        return;
    }
    TWinControl::SetVisible(value);
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Release() {
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (formState_ & fsModal) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application()->MainForm() == this) {
        Application()->Terminate();
        return;
    }
    if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else if (action == caFree)
        Release();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == activeControl_)
        activeControl_ = nullptr;
    if (component == focusedControl_)
        focusedControl_ = nullptr;
}

void TCustomForm::PlaceForShowing() {
    int x = Left(), y = Top();
    TCustomForm* center = nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        x = (Screen()->Width() - Width()) / 2;
        y = (Screen()->Height() - Height()) / 2;
        break;
    case poMainFormCenter:
    case poOwnerFormCenter:
        center = Application()->MainForm();
        if (position_ == poOwnerFormCenter)
            if (auto* ownerForm = dynamic_cast<TCustomForm*>(Owner()))
                center = ownerForm;
        if (center && center != this) {
            x = (center->Width() - Width()) / 2 + center->Left();
            y = (center->Height() - Height()) / 2 + center->Top();
        } else {
            x = (Screen()->Width() - Width()) / 2;
            y = (Screen()->Height() - Height()) / 2;
        }
        break;
    default:
        return;
    }
    SetBounds(std::max(0, x), std::max(0, y), Width(), Height());
}

void TCustomForm::HandleShowingChanged() {
    if (formState_ & fsShowing)
        throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
    formState_ |= fsShowing;
    try {
        if (Showing()) {
            try {
                DoShow();
            } catch (...) {
                Application()->HandleException(this);
            }
            PlaceForShowing();
            static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
            ShowWindow(WindowHandle(), commands[windowState_]);
        } else {
            try {
                DoHide();
            } catch (...) {
                Application()->HandleException(this);
            }
            if (formState_ & fsModal)
                SetWindowPos(WindowHandle(), 0, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER |
                                 SWP_NOACTIVATE);
            else
                ShowWindow(WindowHandle(), SW_HIDE);
        }
    } catch (...) {
        formState_ &= ~TFormState(fsShowing);
        throw;
    }
    formState_ &= ~TFormState(fsShowing);
}

void TCustomForm::HandleGetMinMaxInfo(TMessage& m) {
    auto* info = reinterpret_cast<TMinMaxInfo*>(m.LParam);
    if (info) {
        TSizeConstraints& c = Constraints();
        if (c.MinWidth() > 0)
            info->ptMinTrackSize.X = c.MinWidth();
        if (c.MinHeight() > 0)
            info->ptMinTrackSize.Y = c.MinHeight();
        if (c.MaxWidth() > 0) {
            info->ptMaxTrackSize.X = c.MaxWidth();
            info->ptMaxSize.X = c.MaxWidth();
        }
        if (c.MaxHeight() > 0) {
            info->ptMaxTrackSize.Y = c.MaxHeight();
            info->ptMaxSize.Y = c.MaxHeight();
        }
    }
    TWinControl::Dispatch(m);
}

void TCustomForm::MouseWheelHandler(TMessage& m) {
    if (focusedControl_ && focusedControl_ != this)
        m.Result = focusedControl_->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
    else
        m.Result = Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
}

void TCustomForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_ACTIVATE:
        SetActive(LoWord(m.WParam) != WA_INACTIVE);
        return;
    case CM_ACTIVATE:
        if (InState(csReading))
            formState_ |= fsActivated;
        else
            Activate();
        return;
    case CM_DEACTIVATE:
        if (!InState(csReading))
            Deactivate();
        return;
    case WM_CLOSE:
        Close();
        return;
    case CM_SHOWINGCHANGED:
        HandleShowingChanged();
        return;
    case CM_DIALOGKEY:
        HandleDialogKey(m);
        return;
    case CM_RELEASE:
        Free(this);
        return;
    case WM_SIZE:
        // The window state follows the window while it is shown (a new window's first size
        // notification does not undo a state set before showing).
        if (Showing()) {
            if (m.WParam == SIZE_RESTORED)
                windowState_ = wsNormal;
            else if (m.WParam == SIZE_MINIMIZED)
                windowState_ = wsMinimized;
            else if (m.WParam == SIZE_MAXIMIZED)
                windowState_ = wsMaximized;
        }
        TWinControl::Dispatch(m);
        return;
    case WM_GETMINMAXINFO:
        HandleGetMinMaxInfo(m);
        return;
    case WM_PAINT:
        controlState_ |= csCustomPaint;
        TWinControl::Dispatch(m);
        controlState_ &= ~TControlState(csCustomPaint);
        return;
    default:
        TWinControl::Dispatch(m);
        return;
    }
}

} // namespace ui
