#pragma once
// TMovePanel: a panel that moves its form when dragged with the left button on its own surface
// (a press on a control lying on the panel does not drag). A double click ends a drag.
#include "platform/ui/stdctrls/panel.h"

namespace tk {

class TMovePanel : public ui::TPanel {
public:
    explicit TMovePanel(ui::TComponent* owner);

    void WndProc(ui::TMessage& message) override;

    // The grab point in panel coordinates and whether a drag is in progress.
    ui::TPoint Orig;
    bool Down = false;

protected:
    void MouseMove(ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void DblClick() override;
};

} // namespace tk
