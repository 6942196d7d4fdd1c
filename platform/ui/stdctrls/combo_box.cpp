#include "platform/ui/stdctrls/combo_box.h"

#include <algorithm>

#include "platform/sys/ascii.h"
#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/stdctrls/combo_list.h"
#include "platform/ui/stdctrls/list_messages.h"
#include "platform/ui/window/window_system.h"

namespace ui {

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomControl(owner), editor_(std::make_unique<TTextEditor>(false)),
      input_(*this, *editor_) {
    controlStyle_ = csCaptureMouse | csSetCaption | csDoubleClicks | csFixedHeight | csOpaque;
    SetBounds(Left(), Top(), 145, 25);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    items_.OnChange = [this] { ItemsChanged(); };
    editor_->OnChange = [this] { EditorChanged(); };
    list_ = new TComboList(this, *this);
    UpdateEditor();
    AdjustHeight();
}

TCustomComboBox::~TCustomComboBox() {
    editor_->OnChange = nullptr;
}

void TCustomComboBox::ItemsChanged() {
    if (sorted_ && !sorting_) {
        std::vector<std::string> sorted = items_.Items();
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const std::string& a, const std::string& b) {
                             return sys::LowerAscii(a) < sys::LowerAscii(b);
                         });
        sorting_ = true;
        items_.Assign(sorted);
        sorting_ = false;
    }
    if (itemIndex_ >= items_.Count())
        itemIndex_ = -1;
    if (list_->IsOpen())
        list_->Items().Assign(items_);
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int value) {
    if (value < -1 || value >= items_.Count())
        value = -1;
    itemIndex_ = value;
    // The text shows the chosen item; no item leaves an empty text.
    std::string text = value >= 0 ? items_[value] : std::string();
    if (Text() != text) {
        SetText(text);
    } else {
        editor_->SetText(text);
    }
    if (style_ == csDropDown && Focused())
        editor_->SelectAll();
    Invalidate();
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
    if (style_ == value)
        return;
    style_ = value;
    if (style_ == csDropDownList && itemIndex_ < 0)
        SetText("");
    UpdateEditor();
    Invalidate();
}

void TCustomComboBox::SetSorted(bool value) {
    if (sorted_ == value)
        return;
    sorted_ = value;
    if (value)
        ItemsChanged();
}

void TCustomComboBox::SetMaxLength(int value) {
    maxLength_ = std::max(value, 0);
    editor_->SetMaxLength(maxLength_);
}

bool TCustomComboBox::DroppedDown() const {
    return list_->IsOpen();
}

void TCustomComboBox::SetDroppedDown(bool value) {
    if (value == DroppedDown())
        return;
    if (value) {
        DropDown();
        list_->Open();
    } else {
        list_->Close();
        CloseUp();
    }
    Invalidate();
}

void TCustomComboBox::SetSelStart(int value) {
    editor_->SetSelection(value, 0);
    Invalidate();
}

void TCustomComboBox::SetSelLength(int value) {
    editor_->SetSelection(editor_->SelStart(), value);
    Invalidate();
}

void TCustomComboBox::SelectAll() {
    editor_->SelectAll();
    Invalidate();
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    UpdateEditor();
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (Ctl3D())
        params.ExStyle |= WS_EX_CLIENTEDGE;
    else
        params.Style |= WS_BORDER;
}

void TCustomComboBox::Loaded() {
    TCustomControl::Loaded();
    UpdateEditor();
    AdjustHeight();
}

void TCustomComboBox::AdjustHeight() {
    if (InState(csReading | csLoading))
        return;
    HDC dc = GetDC(0);
    if (!dc)
        return;
    dc->SetFont(Font());
    int textHeight = dc->TextMetrics().tmHeight;
    ReleaseDC(0, dc);
    SetHeight(textHeight + (Ctl3D() ? 8 : 6));
}

TRect TCustomComboBox::ButtonRect() {
    TRect client = ClientRect();
    int width = GetSystemMetrics(SM_CXVSCROLL);
    return {std::max(client.Left, client.Right - width), client.Top, client.Right, client.Bottom};
}

TRect TCustomComboBox::TextRect() {
    TRect client = ClientRect();
    return {client.Left + 1, client.Top + 1, std::max(client.Left + 1, ButtonRect().Left - 1),
            client.Bottom - 1};
}

void TCustomComboBox::UpdateEditor() {
    TRect area = TextRect();
    editor_->SetLook(Font(), Color(), Enabled());
    editor_->SetSize(area.Width(), area.Height());
    editor_->SetReadOnly(style_ == csDropDownList);
    input_.SetOrigin({area.Left, area.Top});
}

void TCustomComboBox::EditorChanged() {
    StoreText(editor_->Text());
    // Typed text that names an item exactly makes it the chosen one.
    itemIndex_ = FindListString(items_.Items(), -1, Text(), true);
    Invalidate();
    Change();
}

void TCustomComboBox::SelectByUser(int index) {
    if (index < 0 || index >= items_.Count())
        return;
    SetItemIndex(index);
    Select();
}

void TCustomComboBox::Change() {
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown() {
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::CloseUp() {}

bool TCustomComboBox::HandleKey(uint16_t key, TShiftState shift) {
    bool dropped = DroppedDown();
    int current = dropped ? list_->ItemIndex() : itemIndex_;
    int next = current;
    switch (key) {
    case VK_F4:
        SetDroppedDown(!dropped);
        return true;
    case VK_UP:
    case VK_DOWN:
        if (shift & ssAlt) {
            SetDroppedDown(!dropped);
            return true;
        }
        next = key == VK_UP ? std::max(0, current - 1) : std::min(items_.Count() - 1, current + 1);
        break;
    case VK_RETURN:
        if (!dropped)
            return false;
        SetDroppedDown(false);
        return true;
    case VK_ESCAPE:
        if (!dropped)
            return false;
        list_->Close();
        CloseUp();
        Invalidate();
        return true;
    default:
        return false;
    }
    if (next != current && next >= 0) {
        if (dropped)
            list_->Highlight(next);
        SelectByUser(next);
    }
    return true;
}

void TCustomComboBox::CallDefaultWindowProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
        return;
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(m.LParam);
        editor_->SetText(text ? text : "");
        m.Result = 1;
        return;
    }
    case WM_KILLFOCUS:
        SetDroppedDown(false);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (HandleKey(uint16_t(m.WParam), KeyDataToShiftState(m.LParam)))
            return;
        break;
    case WM_CHAR:
        if (style_ == csDropDownList) {
            // A typed letter chooses the next item that begins with it.
            char typed[2] = {char(m.WParam), 0};
            int found = FindListString(items_.Items(), itemIndex_, typed, false);
            if (found >= 0 && found != itemIndex_)
                SelectByUser(found);
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (style_ == csDropDownList || ButtonRect().Contains(PointFromLParam(m.LParam))) {
            if (CanFocus() && !Focused())
                SetFocus();
            SetDroppedDown(!DroppedDown());
            return;
        }
        break;
    default:
        break;
    }
    if (!input_.Handle(m))
        TCustomControl::CallDefaultWindowProc(m);
}

void TCustomComboBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_TEXTCHANGED:
        TCustomControl::Dispatch(m);
        if (editor_->Text() != Text())
            editor_->SetText(Text());
        Invalidate();
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_CTL3DCHANGED:
        TCustomControl::Dispatch(m);
        UpdateEditor();
        AdjustHeight();
        Invalidate();
        return;
    case WM_SETFOCUS:
        TCustomControl::Dispatch(m);
        if (style_ == csDropDown)
            editor_->SelectAll();
        Invalidate();
        return;
    case CB_GETCOUNT:
        m.Result = items_.Count();
        return;
    case CB_GETCURSEL:
        m.Result = itemIndex_;
        return;
    case CB_SETCURSEL:
        SetItemIndex(int(m.WParam));
        m.Result = itemIndex_;
        return;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING: {
        const char* text = reinterpret_cast<const char*>(m.LParam);
        m.Result = FindListString(items_.Items(), int(m.WParam), text ? text : "",
                                  m.Msg == CB_FINDSTRINGEXACT);
        if (m.Msg == CB_SELECTSTRING && m.Result >= 0)
            SetItemIndex(int(m.Result));
        return;
    }
    case CB_SHOWDROPDOWN:
        SetDroppedDown(m.WParam != 0);
        m.Result = 1;
        return;
    case CB_GETDROPPEDSTATE:
        m.Result = DroppedDown();
        return;
    case CB_SETEDITSEL: {
        int start = int(int16_t(m.LParam & 0xFFFF));
        int end = int(int16_t((m.LParam >> 16) & 0xFFFF));
        if (start < 0) {
            editor_->SetSelection(0, 0);
        } else {
            editor_->SetSelection(start, end < 0 ? 1 << 30 : end - start);
        }
        Invalidate();
        m.Result = 1;
        return;
    }
    default:
        TCustomControl::Dispatch(m);
        return;
    }
}

void TCustomComboBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    PaintText(canvas, TextRect());
    PaintButton(canvas);
}

void TCustomComboBox::PaintText(TCanvas& canvas, const TRect& area) {
    if (style_ != csDropDownList) {
        editor_->Paint(canvas, area.Left, area.Top);
        return;
    }
    // A list-only combo shows its choice highlighted while it has the focus.
    bool highlighted = Focused() && !DroppedDown();
    canvas.Brush().SetColor(highlighted ? clHighlight : Color());
    canvas.FillRect(area);
    canvas.SetFont(Font());
    canvas.Font().SetColor(!Enabled()    ? clGrayText
                           : highlighted ? clHighlightText
                                         : Font().Color());
    canvas.Brush().SetStyle(bsClear);
    TRect text = area;
    text.Left += 2;
    DrawText(canvas, Text(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    canvas.Brush().SetStyle(bsSolid);
    if (highlighted)
        canvas.DrawFocusRect(area);
}

void TCustomComboBox::PaintButton(TCanvas& canvas) {
    TRect button = ButtonRect();
    TRect face = button;
    if (DroppedDown()) {
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(face);
        face = InflateRect(face, -1, -1);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(face);
    } else {
        DrawEdge(canvas, face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    // The arrow: a small black triangle in the middle of the button.
    int pushed = DroppedDown() ? 1 : 0;
    int cx = (button.Left + button.Right) / 2 + pushed;
    int cy = (button.Top + button.Bottom) / 2 - 1 + pushed;
    TColor arrow = Enabled() ? clBtnText : clGrayText;
    canvas.Pen().SetColor(arrow);
    for (int row = 0; row < 4; ++row) {
        canvas.MoveTo(cx - 3 + row, cy - 1 + row);
        canvas.LineTo(cx + 4 - row, cy - 1 + row);
    }
}

} // namespace ui
