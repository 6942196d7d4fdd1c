#include "toolkit/controls/active_label.h"

#include "platform/sys/utf16.h"
#include "platform/ui/core/accelerators.h"
#include "platform/ui/graphics/draw_text.h"
#include "toolkit/forms/skin.h"

namespace tk {

namespace {
// Only this much of a caption is ever drawn.
constexpr size_t MaxDrawnLength = 255;
constexpr ui::TColor AccelColor = 0x0000FF;
} // namespace

TActiveLabel::TActiveLabel(ui::TComponent* owner) : ui::TLabel(owner) {
    SetAutoSize(false);
}

void TActiveLabel::Paint() {
    static const unsigned alignments[] = {ui::DT_LEFT, ui::DT_RIGHT, ui::DT_CENTER};
    ui::TWinControl* target = FocusControl();
    bool focusActive = target && target->Focused();
    ui::TCanvas& canvas = Canvas();
    ui::TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush().SetStyle(ui::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    } else {
        canvas.Brush().SetStyle(ui::bsClear);
    }
    std::string text(sys::Utf8Prefix(Caption(), MaxDrawnLength));
    unsigned format = alignments[Alignment()] | ui::DT_SINGLELINE | ui::DT_EXPANDTABS;
    canvas.SetFont(Font());
    if (!Enabled()) {
        DrawEngravedText(canvas, client, text, format);
        return;
    }
    if (text.empty() || (ShowAccelChar() && text == "&"))
        text.assign(1, ' '); // assign: g++ 12 warns falsely on operator=
    if (!ShowAccelChar()) {
        ui::TRect rect = client;
        ui::DrawText(canvas, text, rect, format | ui::DT_NOPREFIX);
        return;
    }
    DrawAccelText(canvas, text, client, focusActive, AccelColor, format);
}

void TActiveLabel::Click() {
    ui::TLabel::Click();
    ui::TWinControl* target = FocusControl();
    if (target && target->CanFocus())
        target->SetFocus();
}

void TActiveLabel::Dispatch(ui::TMessage& m) {
    if (m.Msg == ui::CM_DIALOGCHAR) {
        ui::TWinControl* target = FocusControl();
        if (target && Enabled() && ShowAccelChar() && ui::IsAccel(m.WParam, Caption()) &&
            target->CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    ui::TLabel::Dispatch(m);
}

} // namespace tk
