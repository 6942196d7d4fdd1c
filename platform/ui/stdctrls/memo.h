#pragma once
// TCustomMemo / TMemo: a multi-line text box. Lines holds the text a line per entry and stays
// in step with what is typed; ScrollBars, WordWrap, WantReturns and WantTabs as the platform's
// memo has them.
#include "platform/ui/core/string_list.h"
#include "platform/ui/stdctrls/edit.h"

namespace ui {

class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* owner);

    TStrings& Lines() { return lines_; }
    void SetLines(const TStrings& value) { lines_.Assign(value); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }

protected:
    void CallDefaultWindowProc(TMessage& message) override;
    void Change() override;

private:
    TStrings lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool syncing_ = false;
};

class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

} // namespace ui
