// The application: an error that leaves an event handler is reported in a plain message box
// with its text (and the application's title), after which the loop goes on; EAbort ends a
// handler silently.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QApplication>

#include "platform/ui/core/exceptions.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/testing/sample_form.h"
#include "platform/ui/testing/scripted_user.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

// Leaves the standard error report in place for one test.
class TStandardReport {
public:
    TStandardReport() : saved_(Application()->OnException) { Application()->OnException = nullptr; }
    ~TStandardReport() { Application()->OnException = saved_; }

private:
    TExceptionEvent saved_;
};

TEST(Application, AnErrorLeavingAHandlerIsShownInAMessageBoxAndTheLoopGoesOn) {
    TStandardReport report;
    Application()->SetTitle("Kestrix");
    test::TOwned<TSampleForm> form(CreateForm<TSampleForm>(nullptr));
    form->ContinueButton->OnClick = [](TObject*) { throw std::runtime_error("Fisier lipsa"); };
    std::string shownText;
    std::string shownTitle;
    TScriptedUser user;
    user.Expect("SampleForm",
                [](TScriptActor& u) {
                    u.Key(VK_RETURN); // the handler fails; the report comes and is answered
                    u.Key(VK_ESCAPE); // the form still works
                })
        .Expect("MessageBox", [&](TScriptActor& u) {
            shownTitle = u.Form().Caption();
            u.Click("OK");
        });
    EXPECT_EQ(form->ShowModal(), 4);
    EXPECT_TRUE(user.Finish().empty());
    EXPECT_EQ(user.ModalForms(), (std::vector<std::string>{"SampleForm", "MessageBox"}));
    EXPECT_EQ(shownTitle, "Kestrix");
}

TEST(Application, TheReportShowsTheErrorTextEndedWithAPeriod) {
    TStandardReport report;
    std::vector<std::string> texts;
    test::TOwned<TSampleForm> form(CreateForm<TSampleForm>(nullptr));
    TScriptedUser user;
    auto answer = [&](TScriptActor& u) {
        // The text is painted by the dialog; its width follows the text, so a longer text
        // makes a wider dialog.
        texts.push_back(std::to_string(u.Form().ClientWidth()));
        u.Key(VK_RETURN);
    };
    user.Expect("SampleForm",
                [&](TScriptActor& u) {
                    Application()->ShowException(std::runtime_error("Scurt"));
                    Application()->ShowException(std::runtime_error(std::string(120, 'x')));
                    u.Key(VK_ESCAPE);
                })
        .Expect("MessageBox", answer)
        .Expect("MessageBox", answer);
    form->ShowModal();
    EXPECT_TRUE(user.Finish().empty());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_LT(std::stoi(texts[0]), std::stoi(texts[1]));
}

TEST(Application, AbortEndsAHandlerSilently) {
    TStandardReport report;
    test::TOwned<TSampleForm> form(CreateForm<TSampleForm>(nullptr));
    form->ContinueButton->OnClick = [](TObject*) { Abort(); };
    TScriptedUser user;
    user.Expect("SampleForm", [](TScriptActor& u) {
        u.Key(VK_RETURN);
        u.Key(VK_ESCAPE);
    });
    EXPECT_EQ(form->ShowModal(), 4);
    EXPECT_TRUE(user.Finish().empty()); // no message box came
}

} // namespace
} // namespace ui::testing

namespace ui::testing {
namespace {

TEST(Application, TheMainFormOwnsTheOtherFormsWhenItKeepsTheTaskBarEntry) {
    auto* main = CreateForm<TSampleForm>(Application());
    TCustomForm* previousMain = Application()->MainForm();
    Application()->SetMainForm(main);
    main->Show();
    for (bool onTaskBar : {false, true}) {
        Application()->SetMainFormOnTaskBar(onTaskBar);
        auto other = test::NewForm<TForm>();
        EXPECT_EQ(GetWindowOwner(other->Handle()), onTaskBar ? main->Handle() : 0);
        EXPECT_EQ(GetWindowOwner(main->Handle()), 0u);
    }
    Application()->SetMainFormOnTaskBar(false);
    Free(main);
    EXPECT_EQ(Application()->MainForm(), nullptr); // a freed main form leaves the application
    Application()->SetMainForm(previousMain);
}

} // namespace
} // namespace ui::testing

namespace ui::testing {
namespace {

// A form freed between events (as between two screens) leaves nothing of its windows behind
// once messages are processed; one released by its own button's click goes when the click is
// done.
TEST(Application, FreedFormsLeaveNoWindowsBehind) {
    Application()->ProcessMessages();
    const qsizetype before = QApplication::allWidgets().size();
    for (int i = 0; i < 3; ++i) {
        TForm* form = CreateNewForm<TForm>(nullptr);
        auto* button = new TButton(form);
        button->SetParent(form);
        form->Show();
        Application()->ProcessMessages();
        Free(form);
    }
    Application()->ProcessMessages();
    EXPECT_EQ(QApplication::allWidgets().size(), before);

    TForm* form = CreateNewForm<TForm>(nullptr);
    auto* button = new TButton(form);
    button->SetName("Inchide");
    button->SetParent(form);
    button->OnClick = [form](TObject*) { form->Release(); };
    form->Show();
    Application()->ProcessMessages();
    TScriptedUser user;
    TScriptActor(*form, user).Click("Inchide");
    Application()->ProcessMessages();
    EXPECT_EQ(QApplication::allWidgets().size(), before);
}

} // namespace
} // namespace ui::testing
