#include "platform/ui/stdctrls/memo.h"

namespace ui {

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner, true) {
    autoSizeAllowed_ = false;
    controlStyle_ &= ~TControlStyle(csFixedHeight);
    SetBounds(Left(), Top(), 185, 89);
    SetAutoSelect(false);
    Editor().SetScrollBars(scrollBars_);
    // Lines changed by the program become the memo's text.
    lines_.OnChange = [this] {
        if (syncing_)
            return;
        std::string text = lines_.Text();
        // The last line carries no line break of its own in the memo.
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
            text.resize(text.size() - 2);
        SetText(text);
    };
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
    if (scrollBars_ == value)
        return;
    scrollBars_ = value;
    Editor().SetScrollBars(value);
    Invalidate();
}

void TCustomMemo::SetWordWrap(bool value) {
    if (wordWrap_ == value)
        return;
    wordWrap_ = value;
    Editor().SetWordWrap(value);
    Invalidate();
}

void TCustomMemo::Change() {
    // The text changed (typed or set): Lines follows it without echoing back.
    syncing_ = true;
    lines_.SetText(Text());
    syncing_ = false;
    TCustomEdit::Change();
}

void TCustomMemo::CallDefaultWindowProc(TMessage& m) {
    if (m.Msg == WM_GETDLGCODE) {
        TCustomEdit::CallDefaultWindowProc(m);
        if (wantReturns_)
            m.Result |= DLGC_WANTALLKEYS;
        if (wantTabs_)
            m.Result |= DLGC_WANTTAB;
        return;
    }
    if (m.Msg == WM_CHAR &&
        ((m.WParam == '\r' && !wantReturns_) || (m.WParam == '\t' && !wantTabs_)))
        return;
    TCustomEdit::CallDefaultWindowProc(m);
}

} // namespace ui
