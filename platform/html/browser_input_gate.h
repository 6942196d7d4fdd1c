#pragma once
// Qt hands mouse input straight to the page browser inside the viewer's window; this filter
// holds it to the window system's rules: nothing reaches the page while the viewer's window is
// disabled (or inside a disabled form), and a click gives the viewer the focus.
#include <QObject>

namespace html {

class TFrameViewer;

class TBrowserInputGate : public QObject {
public:
    explicit TBrowserInputGate(TFrameViewer* viewer) : viewer_(viewer) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFrameViewer* viewer_;
};

} // namespace html
