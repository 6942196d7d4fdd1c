#pragma once
// The message dialog tests' starting point: the toolkit started, the automatic answers off, no
// heading, and a main form to carry the automatic-answer timer when a test asks for one.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/forms/application.h"
#include "toolkit/forms/message_dialog.h"
#include "toolkit/forms/message_form.h"

namespace tk::test {

class MessageDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartToolkit();
        Reset();
    }
    void TearDown() override {
        Reset();
        if (mainForm_) {
            ui::Application()->SetMainForm(previousMain_);
            ui::Free(mainForm_);
            mainForm_ = nullptr;
        }
    }
    void UseMainForm() {
        previousMain_ = ui::Application()->MainForm();
        mainForm_ = ui::CreateNewForm<ui::TForm>(nullptr);
        mainForm_->SetName("Principal");
        mainForm_->SetBounds(0, 0, 200, 100);
        mainForm_->Show();
        ui::Application()->SetMainForm(mainForm_);
    }

private:
    static void Reset() {
        AutoCloseCount = 0;
        AutoPressDefault = 0;
        MessageHeading.clear();
        SetAutoTimerStarter(nullptr);
    }
    ui::TForm* mainForm_ = nullptr;
    ui::TCustomForm* previousMain_ = nullptr;
};

// A dialog built as MessageDialog builds it, freed at the end of the test.
struct TFreeDialog {
    void operator()(TMessageForm* form) const { ui::Free(form); }
};
using TBuiltDialog = std::unique_ptr<TMessageForm, TFreeDialog>;

} // namespace tk::test
