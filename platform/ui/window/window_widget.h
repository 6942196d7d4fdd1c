#pragma once
// The Qt widget behind a window. It keeps the window's pixels in its own image (what the window
// painted, as the screen keeps it), paints the invalid parts through the window's messages and
// hands Qt's input events to the window system. Qt's own focus chain is switched off.
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "platform/ui/core/messages.h"

namespace ui {

class TWindowWidget : public QWidget {
public:
    TWindowWidget(HWND handle, QWidget* parent, bool topLevel);
    ~TWindowWidget() override;

    HWND Handle() const { return handle_; }

    // Marks part of the window (widget coordinates) for repainting on the next paint pass.
    void InvalidateArea(const QRect& area, bool erase);
    void InvalidateFrame();
    bool HasPendingPaint() const { return frameInvalid_ || !invalid_.isEmpty(); }
    // Paints what is invalid into the window's image now.
    void PaintPending();
    // The window's pixels (widget size, 32 bits per pixel).
    QImage& Backing();
    // Copies the image to the screen (after drawing outside the paint cycle).
    void Present() { update(); }
    // Device contexts drawing on the image keep it from being reallocated until released.
    void AddOpenDC(int delta) { openDCs_ += delta; }

    // The paint in progress (BeginPaint).
    bool Painting() const { return painting_; }
    QRegion PaintRegion() const { return paintRegion_; }
    bool ErasePending() const { return erasePending_; }
    void ClearErasePending() { erasePending_ = false; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    HWND handle_;
    QImage backing_;
    QRegion invalid_;
    QRegion paintRegion_;
    bool frameInvalid_ = true;
    bool erasePending_ = true;
    bool painting_ = false;
    int openDCs_ = 0;
};

TWindowWidget* WidgetOf(HWND window);

} // namespace ui
