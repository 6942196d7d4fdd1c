#pragma once
// TCustomForm / TForm: a top-level window. A form made with its class's constructor has no
// stored properties (the create-new constructor); CreateForm<T> makes one the way a stored form
// is made: construct, read the stored description (properties in file order, the components,
// Loaded), the creation event, then the class's own steps after loading. ShowModal runs the
// platform's modal loop: the other top-level windows are disabled and get the enable
// notification, the loop runs until ModalResult is set, and they are enabled again.
#include <functional>
#include <string>

#include "platform/ui/controls/control_canvas.h"
#include "platform/ui/controls/win_control.h"

namespace ui {

enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormStateFlag : unsigned {
    fsCreating = 1,
    fsVisible = 2,
    fsShowing = 4,
    fsModal = 8,
    fsActivated = 32,
};
using TFormState = unsigned;

class TCustomForm : public TWinControl {
public:
    // The create-new constructor: a form without stored properties.
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // The stored form's creation steps (CreateForm calls them): reads the stored descriptions
    // of the class and its registered ancestors, then fires the creation event when
    // OldCreateOrder is set, then ConstructionCompleted.
    void LoadStoredForm();
    // The same steps with a description given as text (a form built from a file or a test).
    void LoadStoredForm(const std::string& text, const std::string& fileName);
    // What a form class does after its stored properties are loaded (its own constructor's
    // steps after the platform's).
    virtual void ConstructionCompleted() {}
    void AfterConstruction() override;
    void BeforeDestruction() override;

    // Frame and window.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    void SetClientWidth(int value) override;
    void SetClientHeight(int value) override;
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int value);
    bool Scaled() const { return scaled_; }
    void SetScaled(bool value) { scaled_ = value; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int value) { textHeight_ = value; }
    bool OldCreateOrder() const { return oldCreateOrder_; }
    void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { helpContext_ = value; }
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& value) { helpFile_ = value; }
    TFormState FormState() const { return formState_; }

    // Keys and focus.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    bool Active() const { return active_; }
    void FocusControl(TWinControl* control);
    bool SetFocusedControl(TWinControl* control);
    void DefocusControl(TWinControl* control, bool removing);
    void SetFocus() override;

    // Showing and closing.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    int ShowModal();
    void Show();
    void Close();
    // Frees the form once the messages now waiting are handled.
    void Release();
    virtual bool CloseQuery();
    void SetVisible(bool value) override;

    TCanvas& Canvas();
    void MouseWheelHandler(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void Loaded() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();
    virtual void Paint();
    void Notification(TComponent* component, TOperation operation) override;
    void CloseModal();
    void SetWindowFocus();
    void SetActive(bool value);

private:
    void ReadWith(const std::function<void()>& read);
    void HandleShowingChanged();
    void HandleDialogKey(TMessage& message);
    void HandleGetMinMaxInfo(TMessage& message);
    void PlaceForShowing();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDesigned;
    int pixelsPerInch_ = 96;
    bool scaled_ = true;
    int textHeight_ = 0;
    bool oldCreateOrder_ = false;
    int helpContext_ = 0;
    std::string helpFile_;
    TFormState formState_ = 0;
    bool keyPreview_ = false;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
    int storedClientWidth_ = 0;
    int storedClientHeight_ = 0;
    bool created_ = false;
    std::unique_ptr<TControlCanvas> canvas_;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// Makes a form as a stored form is made (see TCustomForm::LoadStoredForm).
template <class T> T* CreateForm(TComponent* owner) {
    T* form = new T(owner);
    try {
        form->LoadStoredForm();
        form->AfterConstruction();
    } catch (...) {
        Free(form);
        throw;
    }
    return form;
}

// Makes a form as a stored form is made, from a description given as text.
template <class T>
T* CreateFormFromText(TComponent* owner, const std::string& text, const std::string& fileName) {
    T* form = new T(owner);
    try {
        form->LoadStoredForm(text, fileName);
        form->AfterConstruction();
    } catch (...) {
        Free(form);
        throw;
    }
    return form;
}

// Makes a form with the create-new constructor: no stored properties.
template <class T> T* CreateNewForm(TComponent* owner) {
    T* form = new T(owner);
    try {
        form->AfterConstruction();
    } catch (...) {
        Free(form);
        throw;
    }
    return form;
}

} // namespace ui
