#include "platform/ui/stdctrls/edit.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomEdit(owner, false) {}

TCustomEdit::TCustomEdit(TComponent* owner, bool multiLine)
    : TWinControl(owner), editor_(std::make_unique<TTextEditor>(multiLine)),
      input_(*this, *editor_) {
    controlStyle_ = csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight;
    SetBounds(Left(), Top(), 121, 25);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    editor_->OnChange = [this] { EditorChanged(); };
    UpdateLook();
    AdjustHeight();
}

TCustomEdit::~TCustomEdit() {
    editor_->OnChange = nullptr;
}

void TCustomEdit::SetAutoSize(bool value) {
    if (autoSize_ == value)
        return;
    autoSize_ = value;
    AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    AdjustHeight();
    RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment value) {
    if (alignment_ == value)
        return;
    alignment_ = value;
    editor_->SetAlignment(value);
    Invalidate();
}

void TCustomEdit::SetReadOnly(bool value) {
    if (readOnly_ == value)
        return;
    readOnly_ = value;
    editor_->SetReadOnly(value);
    Invalidate();
}

void TCustomEdit::SetMaxLength(int value) {
    maxLength_ = std::max(value, 0);
    editor_->SetMaxLength(maxLength_);
}

void TCustomEdit::SetPasswordChar(char value) {
    if (passwordChar_ == value)
        return;
    passwordChar_ = value;
    editor_->SetPasswordChar(value);
    Invalidate();
}

void TCustomEdit::SetSelLength(int value) {
    editor_->SetSelection(editor_->SelStart(), value);
    Invalidate();
}

void TCustomEdit::SetSelText(const std::string& value) {
    editor_->ReplaceSelection(value);
    Invalidate();
}

void TCustomEdit::SelectAll() {
    editor_->SelectAll();
    Invalidate();
}

void TCustomEdit::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    TRect client = ClientRect();
    editor_->SetSize(client.Width(), client.Height());
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    if (borderStyle_ == bsSingle) {
        if (Ctl3D())
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
}

void TCustomEdit::Loaded() {
    TWinControl::Loaded();
    UpdateLook();
    AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
    if (!autoSize_ || !autoSizeAllowed_ || InState(csReading | csLoading))
        return;
    HDC dc = GetDC(0);
    if (!dc)
        return;
    dc->SetFont(Font());
    TCanvas::TTextMetric metrics = dc->TextMetrics();
    ReleaseDC(0, dc);
    // One line of text with room for the sunken border above and below it.
    int extra = Ctl3D() ? 8 : metrics.tmHeight / 4 + 4;
    SetHeight(metrics.tmHeight + extra);
}

void TCustomEdit::UpdateLook() {
    editor_->SetLook(Font(), Color(), Enabled());
    TRect client = ClientRect();
    editor_->SetSize(client.Width(), client.Height());
}

void TCustomEdit::EditorChanged() {
    StoreText(editor_->Text());
    modified_ = true;
    Invalidate();
    Change();
}

void TCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::DoEnter() {
    if (autoSelect_ && !input_.MouseDown())
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::CallDefaultWindowProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        return;
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(m.LParam);
        editor_->SetText(text ? text : "");
        m.Result = 1;
        return;
    }
    case WM_PAINT: {
        // The edit window class paints its text through the editor.
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        TPaintStruct paint;
        if (!dc)
            dc = BeginPaint(WindowHandle(), paint);
        if (dc)
            editor_->Paint(*dc, 0, 0);
        if (!m.WParam)
            EndPaint(WindowHandle(), paint);
        return;
    }
    default:
        break;
    }
    if (!input_.Handle(m))
        TWinControl::CallDefaultWindowProc(m);
}

void TCustomEdit::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_TEXTCHANGED:
        // Text set by the program: the editor takes it, and it counts as a change.
        TWinControl::Dispatch(m);
        if (editor_->Text() != Text())
            editor_->SetText(Text());
        // A text beyond MaxLength is cut by the editor: the control keeps what it shows.
        if (editor_->Text() != Text())
            StoreText(editor_->Text());
        modified_ = false;
        Invalidate();
        Change();
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_CTL3DCHANGED:
        TWinControl::Dispatch(m);
        UpdateLook();
        if (m.Msg == CM_FONTCHANGED || m.Msg == CM_CTL3DCHANGED)
            AdjustHeight();
        Invalidate();
        return;
    default:
        TWinControl::Dispatch(m);
        return;
    }
}

} // namespace ui
