// System metrics of the classic window frames, the screen, the tick count, beeps and cursors.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <chrono>

#include "platform/ui/window/screen_geometry.h"
#include "platform/ui/window/window_manager.h"
#include "platform/ui/window/window_widget.h"

namespace ui {

namespace {

struct TScreenOverride {
    bool Active = false;
    TRect Rect;
    TRect WorkArea;
};

TScreenOverride& Override() {
    static TScreenOverride value;
    return value;
}

int g_beeps = 0;

Qt::CursorShape ShapeOf(int cursor) {
    switch (cursor) {
    case -1:
        return Qt::BlankCursor;
    case -3:
        return Qt::CrossCursor;
    case -4:
        return Qt::IBeamCursor;
    case -6:
        return Qt::SizeBDiagCursor;
    case -7:
        return Qt::SizeVerCursor;
    case -8:
        return Qt::SizeFDiagCursor;
    case -9:
        return Qt::SizeHorCursor;
    case -10:
        return Qt::UpArrowCursor;
    case -11:
    case -17:
        return Qt::WaitCursor;
    case -12:
    case -16:
        return Qt::DragMoveCursor;
    case -13:
    case -18:
        return Qt::ForbiddenCursor;
    case -14:
        return Qt::SplitHCursor;
    case -15:
        return Qt::SplitVCursor;
    case -19:
        return Qt::BusyCursor;
    case -20:
        return Qt::WhatsThisCursor;
    case -21:
        return Qt::PointingHandCursor;
    case -22:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

TRect ScreenRect() {
    if (Override().Active)
        return Override().Rect;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0, 800, 600};
    QRect g = screen->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

TRect WorkAreaRect() {
    if (Override().Active)
        return Override().WorkArea;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return ScreenRect();
    QRect g = screen->availableGeometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void SetScreenGeometry(const TRect& screen, const TRect& workArea) {
    Override() = {true, screen, workArea};
}

void ResetScreenGeometry() {
    Override() = {};
}

int ScreenColorDepth() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

int GetSystemMetrics(int index) {
    TRect screen = ScreenRect();
    switch (index) {
    case SM_CXSCREEN:
        return screen.Width();
    case SM_CYSCREEN:
        return screen.Height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFULLSCREEN:
        return WorkAreaRect().Width();
    case SM_CYFULLSCREEN:
        return WorkAreaRect().Height() - 19;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMINTRACK:
        return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXMAXTRACK:
        return screen.Width() + 12;
    case SM_CYMAXTRACK:
        return screen.Height() + 12;
    case SM_CXMAXIMIZED:
        return WorkAreaRect().Width() + 8;
    case SM_CYMAXIMIZED:
        return WorkAreaRect().Height() + 8;
    default:
        return 0;
    }
}

uint32_t GetTickCount() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void MessageBeep(UINT type) {
    (void)type;
    ++g_beeps;
    if (QGuiApplication::platformName() != "offscreen")
        QApplication::beep();
}

int BeepCount() {
    return g_beeps;
}

void SetCursorShape(int cursor) {
    TPoint p;
    GetCursorPos(p);
    HWND window = GetCapture() ? GetCapture() : WindowFromPoint(p);
    if (TWindowWidget* widget = WidgetOf(window))
        widget->setCursor(QCursor(ShapeOf(cursor)));
}

void SetOverrideCursor(int cursor) {
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (cursor != 0)
        QGuiApplication::setOverrideCursor(QCursor(ShapeOf(cursor)));
}

} // namespace ui
