// Scaling and releasing forms: ScaleBy scales the children's places, sizes and own fonts (not
// the constraints); a stored form made at another density is scaled to the screen's when it is
// read; Release frees a form once the messages already waiting are handled.
#include <gtest/gtest.h>

#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/window_system.h"

namespace ui {
namespace {

TEST(Scaling, ScaleByScalesChildrenAndTheirOwnFontsButNotConstraints) {
    auto form = test::NewForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 400, 300);
    auto* panel = new TPanel(form.get());
    panel->SetBounds(10, 20, 100, 50);
    panel->Font().SetSize(8);
    panel->SetParent(form.get());
    auto* inherits = new TPanel(form.get());
    inherits->SetBounds(0, 0, 10, 10);
    inherits->SetParent(panel);
    form->Constraints().SetMaxWidth(1000);
    form->Show();
    form->ScaleBy(150, 100);
    EXPECT_EQ(panel->BoundsRect(), (TRect{15, 30, 165, 105}));
    EXPECT_EQ(panel->Font().Size(), 12);
    EXPECT_TRUE(inherits->ParentFont());
    EXPECT_EQ(inherits->Font().Size(), 12); // through its parent
    EXPECT_EQ(form->Constraints().MaxWidth(), 1000);
}

TEST(Scaling, AStoredFormMadeAtAnotherDensityIsScaledToTheScreens) {
    const char* text = "object Dense: TForm\n"
                       "  BorderStyle = bsNone\n"
                       "  ClientWidth = 500\n"
                       "  ClientHeight = 250\n"
                       "  PixelsPerInch = 120\n"
                       "  object P: TPanel\n"
                       "    Left = 100\n"
                       "    Top = 50\n"
                       "    Width = 200\n"
                       "    Height = 100\n"
                       "  end\n"
                       "end\n";
    test::TOwned<TForm> form(CreateFormFromText<TForm>(nullptr, text, "dense.dfm"));
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("P"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->BoundsRect(), (TRect{80, 40, 240, 120}));
    EXPECT_EQ(form->PixelsPerInch(), 96);
}

TEST(Scaling, ReleaseFreesTheFormAfterTheWaitingMessages) {
    class TWatched : public TForm {
    public:
        using TForm::TForm;
        bool* Gone = nullptr;
        ~TWatched() override { *Gone = true; }
    };
    bool gone = false;
    auto* form = CreateNewForm<TWatched>(nullptr);
    form->Gone = &gone;
    form->Show();
    form->Release();
    EXPECT_FALSE(gone);
    ASSERT_TRUE(test::RunUntil([&] { return gone; }));
}

} // namespace
} // namespace ui
