// Painting: owner-drawn push buttons are asked their size and painted through the owner-draw
// notification with the pushed, focus and disabled states; windowless controls are painted by
// their parent at their place; a control's canvas draws at once outside the paint cycle; a
// double-buffered control erases into the device context it paints.
#include <gtest/gtest.h>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/testing/sample_form.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

TEST(Painting, OwnerDrawnButtonsAreMeasuredAndPaintedWithTheirStates) {
    test::TOwned<TSampleForm> form(CreateForm<TSampleForm>(nullptr));
    form->Show();
    test::Picture(*form);
    TSampleButton& next = *form->ContinueButton;
    TSampleButton& back = *form->BackButton;
    EXPECT_TRUE(next.Measured());
    EXPECT_TRUE(next.LastItemState() & ODS_FOCUS);
    EXPECT_FALSE(back.LastItemState() & (ODS_FOCUS | ODS_SELECTED | ODS_DISABLED));
    EXPECT_TRUE(next.IsFocused());
    EXPECT_FALSE(back.IsFocused());

    SendMessage(back.Handle(), BM_SETSTATE, 1, 0);
    back.Update();
    EXPECT_TRUE(back.LastItemState() & ODS_SELECTED);
    SendMessage(back.Handle(), BM_SETSTATE, 0, 0);
    back.SetEnabled(false);
    back.Update();
    EXPECT_TRUE(back.LastItemState() & ODS_DISABLED);
    back.SetEnabled(true);
    back.SetFocus(); // the focused button becomes the one Enter answers
    test::Picture(*form);
    EXPECT_TRUE(back.IsFocused());
    EXPECT_FALSE(next.IsFocused());
    EXPECT_TRUE(back.LastItemState() & ODS_FOCUS);
}

int CountPixels(TBitmap& picture, const TRect& area, TColor color) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            n += picture.Canvas().Pixel(x, y) == color;
    return n;
}

TEST(Painting, WindowlessControlsArePaintedByTheirParentAtTheirPlace) {
    auto form = test::NewForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetColor(clWhite);
    form->SetBounds(10, 10, 200, 100);
    auto* label = new TLabel(form.get());
    label->SetCaption("Wg");
    label->SetLeft(50);
    label->SetTop(30);
    label->Font().SetColor(clBlack);
    label->SetTransparent(true);
    label->SetParent(form.get());
    form->Show();
    TBitmap picture = test::Picture(*form);
    EXPECT_GT(CountPixels(picture, label->BoundsRect(), clBlack), 10);
    EXPECT_EQ(CountPixels(picture, {0, 0, 200, 30}, clBlack), 0);
    EXPECT_EQ(CountPixels(picture, {0, 0, 50, 100}, clBlack), 0);
}

TEST(Painting, AControlCanvasDrawsAtOnceOutsideThePaintCycle) {
    auto form = test::NewForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetColor(clWhite);
    form->SetBounds(10, 10, 200, 100);
    auto* label = new TLabel(form.get());
    label->SetAutoSize(false);
    label->SetBounds(40, 20, 30, 30);
    label->SetParent(form.get());
    form->Show();
    test::Picture(*form);
    TCanvas& canvas = label->Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.FillRect({0, 0, 100, 100}); // clipped to the label
    TBitmap picture = test::Picture(*form);
    EXPECT_EQ(picture.Canvas().Pixel(40, 20), clRed);
    EXPECT_EQ(picture.Canvas().Pixel(69, 49), clRed);
    EXPECT_EQ(picture.Canvas().Pixel(70, 20), clWhite);
    EXPECT_EQ(picture.Canvas().Pixel(39, 20), clWhite);
}

TEST(Painting, ADoubleBufferedControlErasesIntoItsPaintContext) {
    class TEraseRecorder : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        std::vector<bool> SameContext;
        void Dispatch(TMessage& m) override {
            if (m.Msg == WM_ERASEBKGND)
                SameContext.push_back(m.WParam == WPARAM(m.LParam));
            TCustomControl::Dispatch(m);
        }
    };
    auto form = test::NewForm<TForm>();
    form->SetBounds(10, 10, 200, 100);
    auto* plain = new TEraseRecorder(form.get());
    plain->SetBounds(0, 0, 50, 50);
    plain->SetParent(form.get());
    auto* buffered = new TEraseRecorder(form.get());
    buffered->SetBounds(60, 0, 50, 50);
    buffered->SetDoubleBuffered(true);
    buffered->SetParent(form.get());
    form->Show();
    test::Picture(*form);
    ASSERT_FALSE(plain->SameContext.empty());
    EXPECT_FALSE(plain->SameContext.back());
    ASSERT_FALSE(buffered->SameContext.empty());
    EXPECT_TRUE(buffered->SameContext.back());
}

} // namespace
} // namespace ui::testing

namespace ui::testing {
namespace {

// Draws on the owner-draw record's device context and on its own canvas bound to it, in turn.
class TMixedButton : public TButton {
public:
    using TButton::TButton;
    void Dispatch(TMessage& m) override {
        if (m.Msg != CN_DRAWITEM) {
            TButton::Dispatch(m);
            return;
        }
        auto& item = *reinterpret_cast<TDrawItemStruct*>(m.LParam);
        canvas_.SetHandle(item.hDC);
        canvas_.Brush().SetColor(clWhite);
        canvas_.FillRect(item.rcItem);
        canvas_.Font().SetColor(clBlack);
        canvas_.TextOut(2, 2, "AAAA");
        item.hDC->Font().SetColor(clRed);
        item.hDC->Brush().SetStyle(bsClear);
        item.hDC->TextOut(2, 16, "BBBB");
        canvas_.TextOut(50, 2, "CCCC");
        canvas_.SetHandle(nullptr);
        m.Result = 1;
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TButton::CreateParams(params);
        params.Style |= BS_OWNERDRAW;
    }

private:
    TControlCanvas canvas_{this};
};

TEST(Painting, DrawingOnADeviceContextAndOnACanvasBoundToItMixes) {
    auto form = test::NewForm<TForm>();
    form->SetBounds(10, 10, 200, 100);
    auto* button = new TMixedButton(form.get());
    button->SetBounds(0, 0, 100, 34);
    button->SetParent(form.get());
    form->Show();
    TBitmap picture = test::Picture(*button);
    TRect left{0, 0, 48, 16}, right{50, 0, 100, 16}, below{0, 16, 100, 34};
    EXPECT_GT(CountPixels(picture, left, clBlack), 5);
    EXPECT_GT(CountPixels(picture, right, clBlack), 5);
    EXPECT_GT(CountPixels(picture, below, clRed), 5);
}

} // namespace
} // namespace ui::testing
