// Sent and posted messages, the component library's message processing hook and the reporting
// of errors that leave a message handler.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <deque>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {

const QEvent::Type kPostedMessageEvent = QEvent::Type(QEvent::registerEventType());

// Posted messages wait in their own queue; one Qt event per message wakes the loop and delivers
// the oldest one, so they arrive in the order they were posted.
class TMessagePump : public QObject {
public:
    std::deque<TMsg> Queue;

protected:
    bool event(QEvent* e) override {
        if (e->type() != kPostedMessageEvent)
            return QObject::event(e);
        DeliverOne();
        return true;
    }

public:
    void DeliverOne() {
        if (Queue.empty())
            return;
        TMsg msg = Queue.front();
        Queue.pop_front();
        if (!wm::Find(msg.hwnd))
            return; // the window went away while the message waited
        try {
            wm::ProcessMessage(msg);
        } catch (...) {
            wm::ReportException(std::current_exception());
        }
    }
};

TMessagePump& Pump() {
    static TMessagePump* pump = new TMessagePump;
    return *pump;
}

wm::TMessageProcessor& Processor() {
    static wm::TMessageProcessor processor;
    return processor;
}

std::function<void(std::exception_ptr)>& ExceptionHandler() {
    static std::function<void(std::exception_ptr)> handler;
    return handler;
}

std::function<void(HWND, TPoint, bool)>& MouseHook() {
    static std::function<void(HWND, TPoint, bool)> hook;
    return hook;
}

} // namespace

LRESULT SendMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindowRecord* r = wm::Find(window);
    if (!r)
        return 0;
    TMessage message{msg, wParam, lParam, 0};
    if (r->Control)
        r->Control->MainWndProc(message);
    else
        DefWindowProc(window, message);
    return message.Result;
}

bool PostMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!wm::Find(window))
        return false;
    TMsg posted;
    posted.hwnd = window;
    posted.message = msg;
    posted.wParam = wParam;
    posted.lParam = lParam;
    posted.time = GetTickCount();
    GetCursorPos(posted.pt);
    Pump().Queue.push_back(posted);
    QCoreApplication::postEvent(&Pump(), new QEvent(kPostedMessageEvent));
    return true;
}

namespace wm {

void SetMessageProcessor(TMessageProcessor processor) {
    Processor() = std::move(processor);
}

void ProcessMessage(TMsg& msg) {
    if (Processor()) {
        Processor()(msg);
        return;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
}

LRESULT DispatchMessage(const TMsg& msg) {
    return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

void SetExceptionHandler(std::function<void(std::exception_ptr)> handler) {
    ExceptionHandler() = std::move(handler);
}

void ReportException(std::exception_ptr error) {
    if (ExceptionHandler()) {
        ExceptionHandler()(error);
        return;
    }
    std::rethrow_exception(error);
}

void SetMouseHook(std::function<void(HWND, TPoint, bool)> hook) {
    MouseHook() = std::move(hook);
}

void CallMouseHook(HWND window, TPoint screenPoint, bool left) {
    if (MouseHook())
        MouseHook()(window, screenPoint, left);
}

} // namespace wm
} // namespace ui
