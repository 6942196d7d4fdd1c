// Device contexts: canvases on a window's image, for the paint in progress (BeginPaint) and for
// drawing at once (GetDC, GetWindowDC). The screen's context (window 0) only measures.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/window/window_manager.h"
#include "platform/ui/window/window_widget.h"

namespace ui {

namespace {

struct TDeviceContext {
    HWND Window = 0;
    std::unique_ptr<TCanvas> Canvas;
};

std::vector<TDeviceContext>& Contexts() {
    static std::vector<TDeviceContext> contexts;
    return contexts;
}

// All device contexts of a window (and the canvases bound to them) draw through one painter on
// the window's image, so that drawing on one of them and then on another loses nothing; the
// painter lives while the window has a device context.
struct TSharedPainter {
    std::unique_ptr<QPainter> Painter;
    int Users = 0;
};

std::map<HWND, TSharedPainter>& Painters() {
    static std::map<HWND, TSharedPainter> painters;
    return painters;
}

QImage& ScreenImage() {
    static QImage image(1, 1, QImage::Format_RGB32);
    return image;
}

QPainter* AcquirePainter(HWND window, QImage& image) {
    TSharedPainter& shared = Painters()[window];
    if (!shared.Painter)
        shared.Painter = std::make_unique<QPainter>(&image);
    ++shared.Users;
    return shared.Painter.get();
}

void ReleasePainter(HWND window) {
    auto it = Painters().find(window);
    if (it == Painters().end())
        return;
    if (--it->second.Users <= 0) {
        it->second.Painter->end();
        Painters().erase(it);
    }
}

HDC MakeDC(HWND window, bool wholeWindow, const TRect* clip) {
    auto canvas = std::make_unique<TCanvas>();
    if (!window) {
        canvas->Attach(AcquirePainter(0, ScreenImage()));
    } else {
        TWindowWidget* widget = WidgetOf(window);
        if (!widget)
            return nullptr;
        widget->AddOpenDC(1);
        canvas->Attach(AcquirePainter(window, widget->Backing()));
        if (!wholeWindow) {
            TPoint origin = ClientOrigin(window);
            canvas->MoveWindowOrg(origin.X, origin.Y);
            TRect client;
            GetClientRect(window, client);
            canvas->SetClipRect(client);
        }
        if (clip)
            canvas->IntersectClipRect(*clip);
    }
    HDC dc = canvas.get();
    Contexts().push_back({window, std::move(canvas)});
    return dc;
}

} // namespace

bool IsWindowDC(HDC dc) {
    auto& contexts = Contexts();
    return std::any_of(contexts.begin(), contexts.end(),
                       [dc](const TDeviceContext& c) { return c.Canvas.get() == dc; });
}

HDC GetDC(HWND window) {
    return MakeDC(window, false, nullptr);
}

HDC GetWindowDC(HWND window) {
    return MakeDC(window, true, nullptr);
}

void ReleaseDC(HWND window, HDC dc) {
    auto& contexts = Contexts();
    auto it = std::find_if(contexts.begin(), contexts.end(),
                           [dc](const TDeviceContext& c) { return c.Canvas.get() == dc; });
    if (it == contexts.end())
        return;
    HWND owner = it->Window;
    (void)window;
    contexts.erase(it);
    ReleasePainter(owner);
    if (TWindowWidget* widget = WidgetOf(owner)) {
        widget->AddOpenDC(-1);
        if (!widget->Painting())
            widget->Present();
    }
}

HDC BeginPaint(HWND window, TPaintStruct& paint) {
    TWindowWidget* widget = WidgetOf(window);
    paint = TPaintStruct{};
    if (!widget)
        return nullptr;
    TRect client;
    GetClientRect(window, client);
    TRect area = client;
    if (widget->Painting()) {
        QRect bounds = widget->PaintRegion().boundingRect();
        TPoint origin = ClientOrigin(window);
        TRect region{bounds.left() - origin.X, bounds.top() - origin.Y,
                     bounds.left() - origin.X + bounds.width(),
                     bounds.top() - origin.Y + bounds.height()};
        IntersectRect(area, client, region);
    }
    paint.rcPaint = area;
    paint.hdc = MakeDC(window, false, &area);
    if (widget->ErasePending()) {
        widget->ClearErasePending();
        paint.fErase = SendMessage(window, WM_ERASEBKGND, WPARAM(paint.hdc), 0) == 0;
    }
    return paint.hdc;
}

void EndPaint(HWND window, const TPaintStruct& paint) {
    ReleaseDC(window, paint.hdc);
}

namespace wm {

void ReleaseWindowDCs(HWND window) {
    auto& contexts = Contexts();
    for (auto it = contexts.begin(); it != contexts.end();) {
        if (it->Window == window) {
            if (TWindowWidget* widget = WidgetOf(window))
                widget->AddOpenDC(-1);
            it = contexts.erase(it);
            ReleasePainter(window);
        } else {
            ++it;
        }
    }
}

} // namespace wm

bool InvalidateRect(HWND window, const TRect* rect, bool erase) {
    TWindowWidget* widget = WidgetOf(window);
    if (!widget)
        return false;
    TPoint origin = ClientOrigin(window);
    TRect client;
    GetClientRect(window, client);
    TRect area = client;
    if (rect)
        IntersectRect(area, client, *rect);
    if (area.IsEmpty())
        return true;
    widget->InvalidateArea(
        QRect(area.Left + origin.X, area.Top + origin.Y, area.Width(), area.Height()), erase);
    return true;
}

bool RedrawWindow(HWND window, const TRect* rect, UINT flags) {
    TWindowRecord* r = wm::Find(window);
    if (!r || !r->Widget)
        return false;
    if (flags & RDW_FRAME)
        r->Widget->InvalidateFrame();
    if (flags & RDW_INVALIDATE)
        InvalidateRect(window, rect, flags & RDW_ERASE);
    if (flags & RDW_ALLCHILDREN)
        for (HWND child : std::vector<HWND>(r->Children))
            RedrawWindow(child, nullptr, flags & ~UINT(RDW_UPDATENOW));
    if (flags & RDW_UPDATENOW)
        UpdateWindow(window);
    return true;
}

bool UpdateWindow(HWND window) {
    TWindowWidget* widget = WidgetOf(window);
    if (!widget)
        return false;
    if (widget->HasPendingPaint()) {
        widget->PaintPending();
        widget->Present();
    }
    return true;
}

} // namespace ui
