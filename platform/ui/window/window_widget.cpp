#include "platform/ui/window/window_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/ui/window/input.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {
const QRgb kUnpaintedPixel = qRgb(0xC0, 0xC0, 0xC0);
}

TWindowWidget::TWindowWidget(HWND handle, QWidget* parent, bool topLevel)
    : QWidget(parent, topLevel ? Qt::Window | Qt::FramelessWindowHint : Qt::Widget),
      handle_(handle) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(topLevel ? Qt::StrongFocus : Qt::NoFocus);
}

TWindowWidget::~TWindowWidget() = default;

TWindowWidget* WidgetOf(HWND window) {
    TWindowRecord* record = wm::Find(window);
    return record ? record->Widget : nullptr;
}

QImage& TWindowWidget::Backing() {
    // A device context in use keeps the image it draws on until it is released.
    bool inUse = (painting_ || openDCs_ > 0) && !backing_.isNull();
    if (backing_.size() != size().expandedTo(QSize(1, 1)) && !inUse) {
        QImage next(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        next.fill(kUnpaintedPixel);
        if (!backing_.isNull()) {
            QPainter p(&next);
            p.drawImage(0, 0, backing_);
        }
        backing_ = std::move(next);
        invalid_ = QRegion(rect());
        frameInvalid_ = true;
        erasePending_ = true;
    }
    return backing_;
}

void TWindowWidget::InvalidateArea(const QRect& area, bool erase) {
    QRect r = area.intersected(rect());
    if (r.isEmpty())
        return;
    invalid_ += r;
    if (erase)
        erasePending_ = true;
    update(r);
}

void TWindowWidget::InvalidateFrame() {
    frameInvalid_ = true;
    update();
}

void TWindowWidget::PaintPending() {
    if (painting_)
        return;
    TWindowRecord* record = wm::Find(handle_);
    if (!record || record->Destroying)
        return;
    Backing();
    painting_ = true;
    if (frameInvalid_) {
        frameInvalid_ = false;
        const TRect& f = record->Frame;
        if (f.Left || f.Top || f.Right || f.Bottom)
            SendMessage(handle_, WM_NCPAINT, 1, 0);
    }
    if (!invalid_.isEmpty() && wm::Find(handle_)) {
        paintRegion_ = invalid_;
        invalid_ = QRegion();
        SendMessage(handle_, WM_PAINT, 0, 0);
        paintRegion_ = QRegion();
    }
    painting_ = false;
}

void TWindowWidget::paintEvent(QPaintEvent* event) {
    PaintPending();
    QPainter p(this);
    p.drawImage(event->rect(), Backing(), event->rect());
}

void TWindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Backing();
}

bool TWindowWidget::focusNextPrevChild(bool next) {
    (void)next;
    return false;
}

bool TWindowWidget::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        input::Mouse(this, static_cast<QMouseEvent*>(event), input::TMouseAction::Press);
        return true;
    case QEvent::MouseButtonDblClick:
        input::Mouse(this, static_cast<QMouseEvent*>(event), input::TMouseAction::DoubleClick);
        return true;
    case QEvent::MouseButtonRelease:
        input::Mouse(this, static_cast<QMouseEvent*>(event), input::TMouseAction::Release);
        return true;
    case QEvent::MouseMove:
        input::Mouse(this, static_cast<QMouseEvent*>(event), input::TMouseAction::Move);
        return true;
    case QEvent::Wheel:
        input::Wheel(this, static_cast<QWheelEvent*>(event));
        return true;
    case QEvent::KeyPress:
        input::Key(static_cast<QKeyEvent*>(event), true);
        return true;
    case QEvent::KeyRelease:
        input::Key(static_cast<QKeyEvent*>(event), false);
        return true;
    case QEvent::ShortcutOverride:
        // No Qt shortcut takes a key from the window system.
        event->accept();
        return true;
    case QEvent::Leave:
        input::Leave(this);
        return true;
    case QEvent::Close:
        // The window manager asked to close the window: the window decides, as with the
        // close command of its system menu.
        event->ignore();
        if (wm::Find(handle_))
            PostMessage(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    default:
        return QWidget::event(event);
    }
}

} // namespace ui
