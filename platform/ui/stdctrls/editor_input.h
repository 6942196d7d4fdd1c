#pragma once
// Passing an editing control's keyboard, mouse and focus messages to its text editor, shared by
// the edit, the memo and the combo box's edit part.
#include "platform/ui/controls/win_control.h"
#include "platform/ui/stdctrls/text_editor.h"

namespace ui {

class TEditorInput {
public:
    TEditorInput(TWinControl& control, TTextEditor& editor) : control_(control), editor_(editor) {}
    // Where the editor lies in the control's client area (mouse positions are moved by it).
    void SetOrigin(TPoint origin) { origin_ = origin; }
    // True when the message was the editor's and needs nothing more; the control repaints.
    bool Handle(TMessage& message);
    bool MouseDown() const { return mouseDown_; }

private:
    bool HandleMouse(TMessage& message);

    TWinControl& control_;
    TTextEditor& editor_;
    TPoint origin_;
    bool mouseDown_ = false;
};

} // namespace ui
