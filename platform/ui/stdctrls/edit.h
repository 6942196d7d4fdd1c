#pragma once
// TCustomEdit / TEdit: a one-line text box with a sunken border. The text is edited by the
// platform's text editor inside the control's window; every change, typed or set by the
// program, fires OnChange. TCustomMemo (memo.h) is the multi-line kind.
#include <memory>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/stdctrls/editor_input.h"
#include "platform/ui/stdctrls/text_editor.h"

namespace ui {

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char value);
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    int SelStart() const { return editor_->SelStart(); }
    void SetSelStart(int value) {
        editor_->SetSelection(value, 0);
        Invalidate();
    }
    int SelLength() const { return editor_->SelLength(); }
    void SetSelLength(int value);
    std::string SelText() const { return editor_->SelText(); }
    void SetSelText(const std::string& value);
    void SelectAll();
    void Clear() { SetText(""); }

    void Dispatch(TMessage& message) override;
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnChange;

protected:
    TCustomEdit(TComponent* owner, bool multiLine);
    void CreateParams(TCreateParams& params) override;
    void CallDefaultWindowProc(TMessage& message) override;
    void DoEnter() override;
    void Loaded() override;
    virtual void Change();
    // Follows the font: the height of one line and the border.
    void AdjustHeight();
    TTextEditor& Editor() { return *editor_; }
    bool autoSizeAllowed_ = true;

private:
    void EditorChanged();
    void UpdateLook();

    std::unique_ptr<TTextEditor> editor_;
    TEditorInput input_;
    bool autoSize_ = true;
    bool autoSelect_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    TAlignment alignment_ = taLeftJustify;
    bool readOnly_ = false;
    int maxLength_ = 0;
    char passwordChar_ = 0;
    bool modified_ = false;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

} // namespace ui
