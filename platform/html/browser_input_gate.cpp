#include "platform/html/browser_input_gate.h"

#include <QEvent>

#include "platform/html/frame_viewer.h"
#include "platform/ui/window/window_manager.h"

namespace html {

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TBrowserInputGate::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event->type()))
        return QObject::eventFilter(watched, event);
    if (!viewer_->HandleAllocated() || !ui::wm::InputEnabled(viewer_->WindowHandle()))
        return true;
    if (event->type() == QEvent::MouseButtonPress && !viewer_->Focused()) {
        try {
            if (viewer_->CanFocus())
                viewer_->SetFocus();
        } catch (...) {
            ui::wm::ReportException(std::current_exception());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace html
