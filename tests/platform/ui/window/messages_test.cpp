// Messages: sent messages reach the control's handlers at once, posted ones through the event
// loop in the order they were posted; a message posted to a control that is destroyed before it
// arrives is dropped; timers tick by identifier; an error that leaves a handler is reported and
// the loop goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ui/components/timer.h"
#include "platform/ui/controls/graphic_control.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/window_system.h"

namespace ui {
namespace {

constexpr UINT WM_PING = WM_USER + 1;
constexpr UINT WM_FAIL = WM_USER + 2;

class TRecorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::pair<UINT, WPARAM>> Seen;
    void Dispatch(TMessage& m) override {
        if (m.Msg == WM_PING || m.Msg == WM_TIMER) {
            Seen.emplace_back(m.Msg, m.WParam);
            m.Result = LRESULT(m.WParam) * 2;
            return;
        }
        if (m.Msg == WM_FAIL)
            throw std::runtime_error("the handler failed");
        TCustomControl::Dispatch(m);
    }
};

struct TRecorderForm {
    test::TOwned<TForm> Form = test::NewForm<TForm>();
    TRecorder* Recorder = nullptr;
    TRecorderForm() {
        Recorder = new TRecorder(Form.get());
        Recorder->SetParent(Form.get());
        Form->SetBounds(10, 10, 200, 100);
        Form->Show();
    }
};

TEST(Messages, SentMessagesAnswerAtOncePostedOnesArriveInOrderThroughTheLoop) {
    TRecorderForm f;
    HWND handle = f.Recorder->Handle();
    EXPECT_EQ(SendMessage(handle, WM_PING, 21, 0), 42);
    ASSERT_EQ(f.Recorder->Seen.size(), 1u);

    for (WPARAM i = 1; i <= 3; ++i)
        EXPECT_TRUE(PostMessage(handle, WM_PING, i, 0));
    EXPECT_EQ(f.Recorder->Seen.size(), 1u); // nothing arrives before the loop runs
    ASSERT_TRUE(test::RunUntil([&] { return f.Recorder->Seen.size() == 4; }));
    EXPECT_EQ(f.Recorder->Seen[1].second, 1u);
    EXPECT_EQ(f.Recorder->Seen[3].second, 3u);
}

TEST(Messages, AMessagePostedToADestroyedControlIsDropped) {
    TRecorderForm f;
    HWND handle = f.Recorder->Handle();
    ASSERT_TRUE(PostMessage(handle, WM_PING, 7, 0));
    Free(f.Recorder);
    Application()->ProcessMessages(); // delivering must not reach the freed control
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(PostMessage(handle, WM_PING, 8, 0));
    EXPECT_EQ(SendMessage(handle, WM_PING, 9, 0), 0);
}

TEST(Messages, WindowTimersTickByIdentifierAndStop) {
    TRecorderForm f;
    HWND handle = f.Recorder->Handle();
    SetTimer(handle, 5, 10);
    SetTimer(handle, 5, 10); // the same identifier replaces the timer
    ASSERT_TRUE(test::RunUntil([&] { return f.Recorder->Seen.size() >= 2; }));
    for (auto& [msg, id] : f.Recorder->Seen) {
        EXPECT_EQ(msg, WM_TIMER);
        EXPECT_EQ(id, 5u);
    }
    EXPECT_TRUE(KillTimer(handle, 5));
    EXPECT_FALSE(KillTimer(handle, 5));
    size_t ticks = f.Recorder->Seen.size();
    Application()->ProcessMessages();
    EXPECT_EQ(f.Recorder->Seen.size(), ticks);

    int procTicks = 0;
    SetTimer(handle, 6, 10, [&](HWND w, UINT msg, uintptr_t id, uint32_t) {
        EXPECT_EQ(w, handle);
        EXPECT_EQ(msg, WM_TIMER);
        EXPECT_EQ(id, 6u);
        ++procTicks;
    });
    ASSERT_TRUE(test::RunUntil([&] { return procTicks >= 2; }));
    EXPECT_EQ(f.Recorder->Seen.size(), ticks); // a timer procedure replaces the message
    KillTimer(handle, 6);
}

TEST(Messages, TimerComponentFiresWhileEnabled) {
    TComponent owner(nullptr);
    auto* timer = new TTimer(&owner);
    int ticks = 0;
    timer->OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, timer);
        if (++ticks == 3)
            timer->SetEnabled(false);
    };
    timer->SetInterval(10);
    ASSERT_TRUE(test::RunUntil([&] { return ticks == 3; }));
    Application()->ProcessMessages();
    EXPECT_EQ(ticks, 3);
}

TEST(Messages, AnErrorLeavingAHandlerIsReportedAndTheLoopGoesOn) {
    TRecorderForm f;
    HWND handle = f.Recorder->Handle();
    std::vector<std::string> reports;
    auto previous = Application()->OnException;
    Application()->OnException = [&](TObject*, const std::exception& e) {
        reports.push_back(e.what());
    };
    PostMessage(handle, WM_FAIL);
    PostMessage(handle, WM_PING, 1, 0);
    test::RunUntil([&] { return f.Recorder->Seen.size() == 1; });
    Application()->OnException = previous;
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "the handler failed");
    EXPECT_EQ(f.Recorder->Seen.size(), 1u);
}

} // namespace
} // namespace ui
