// Message-loop timers: WM_TIMER to a window, or a timer procedure, every period.
#include <QObject>
#include <QTimerEvent>
#include <map>

#include "platform/ui/window/window_manager.h"

namespace ui {

namespace {

constexpr UINT kMinimumElapse = 10; // the platform's shortest timer interval

struct TTimerEntry {
    HWND Window = 0;
    uintptr_t Id = 0;
    TTimerProc Proc;
};

class TTimerHost : public QObject {
public:
    std::map<int, TTimerEntry> ByQtId;
    std::map<std::pair<HWND, uintptr_t>, int> ByWindow;
    uintptr_t NextFreeId = 0x7F00;

    void Stop(int qtId) {
        auto it = ByQtId.find(qtId);
        if (it == ByQtId.end())
            return;
        ByWindow.erase({it->second.Window, it->second.Id});
        ByQtId.erase(it);
        killTimer(qtId);
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        auto it = ByQtId.find(event->timerId());
        if (it == ByQtId.end())
            return;
        TTimerEntry entry = it->second;
        if (entry.Window && !wm::Find(entry.Window)) {
            Stop(event->timerId());
            return;
        }
        try {
            if (entry.Proc) {
                entry.Proc(entry.Window, WM_TIMER, entry.Id, GetTickCount());
            } else {
                TMsg msg;
                msg.hwnd = entry.Window;
                msg.message = WM_TIMER;
                msg.wParam = entry.Id;
                msg.time = GetTickCount();
                GetCursorPos(msg.pt);
                wm::ProcessMessage(msg);
            }
        } catch (...) {
            wm::ReportException(std::current_exception());
        }
    }
};

TTimerHost& Host() {
    static TTimerHost* host = new TTimerHost;
    return *host;
}

} // namespace

uintptr_t SetTimer(HWND window, uintptr_t id, UINT elapse, TTimerProc proc) {
    if (window && !wm::Find(window))
        return 0;
    TTimerHost& host = Host();
    if (!window && !id)
        id = ++host.NextFreeId;
    auto existing = host.ByWindow.find({window, id});
    if (existing != host.ByWindow.end())
        host.Stop(existing->second);
    int qtId = host.startTimer(int(std::max(elapse, kMinimumElapse)), Qt::PreciseTimer);
    if (!qtId)
        return 0;
    host.ByQtId[qtId] = {window, id, std::move(proc)};
    host.ByWindow[{window, id}] = qtId;
    return id;
}

bool KillTimer(HWND window, uintptr_t id) {
    TTimerHost& host = Host();
    auto it = host.ByWindow.find({window, id});
    if (it == host.ByWindow.end())
        return false;
    host.Stop(it->second);
    return true;
}

namespace wm {

void KillWindowTimers(HWND window) {
    TTimerHost& host = Host();
    std::vector<int> doomed;
    for (const auto& [key, qtId] : host.ByWindow)
        if (key.first == window)
            doomed.push_back(qtId);
    for (int qtId : doomed)
        host.Stop(qtId);
}

} // namespace wm
} // namespace ui
