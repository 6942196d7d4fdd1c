// Alignment: children take their places in the platform's order (top, bottom, left, right,
// client) within the parent's client area less its bevels; anchored controls follow the
// parent's size; constraints bound sizes.
#include <gtest/gtest.h>

#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/ui_test_support.h"

namespace ui {
namespace {

struct TPlaced {
    const char* Name;
    TAlign Align;
    TRect Initial; // left, top, right, bottom before alignment
    TRect Expected;
};

void ExpectLayout(TWinControl& parent, const std::vector<TPlaced>& layout) {
    for (const TPlaced& p : layout) {
        auto* c = dynamic_cast<TControl*>(parent.FindComponent(p.Name));
        ASSERT_NE(c, nullptr) << p.Name;
        EXPECT_EQ(c->BoundsRect(), p.Expected) << p.Name;
    }
}

TEST(Align, ChildrenTakeTheirPlacesInThePlatformOrder) {
    const std::vector<TPlaced> layout = {
        {"Client", alClient, {0, 0, 10, 10}, {20, 10, 170, 85}},
        {"Right", alRight, {0, 0, 30, 10}, {170, 10, 200, 85}},
        {"Left", alLeft, {0, 0, 20, 10}, {0, 10, 20, 85}},
        {"Bottom", alBottom, {0, 0, 10, 15}, {0, 85, 200, 100}},
        {"Top", alTop, {0, 0, 10, 10}, {0, 0, 200, 10}},
    };
    auto form = test::NewForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 200, 100);
    for (const TPlaced& p : layout) {
        auto* c = new TPanel(form.get());
        c->SetName(p.Name);
        c->SetBoundsRect(p.Initial);
        c->SetAlign(p.Align);
        c->SetParent(form.get());
    }
    form->Show();
    ExpectLayout(*form, layout);

    form->SetBounds(0, 0, 300, 150); // realigned on every size change
    auto* client = dynamic_cast<TControl*>(form->FindComponent("Client"));
    EXPECT_EQ(client->BoundsRect(), (TRect{20, 10, 270, 135}));
}

TEST(Align, ControlsOfTheSameAlignmentKeepTheirOrderOfPosition) {
    auto form = test::NewForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 100, 100);
    auto* lower = new TPanel(form.get());
    lower->SetBounds(0, 50, 10, 20);
    lower->SetAlign(alTop);
    lower->SetParent(form.get());
    auto* upper = new TPanel(form.get());
    upper->SetBounds(0, 5, 10, 30);
    upper->SetAlign(alTop);
    upper->SetParent(form.get());
    form->Show();
    EXPECT_EQ(upper->BoundsRect(), (TRect{0, 0, 100, 30}));
    EXPECT_EQ(lower->BoundsRect(), (TRect{0, 30, 100, 50}));
}

TEST(Align, BevelsAndBorderNarrowTheAreaChildrenAreAlignedIn) {
    auto form = test::NewForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 200, 100);
    auto* panel = new TPanel(form.get());
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvLowered);
    panel->SetBevelInner(bvRaised);
    panel->SetPanelBorderWidth(3);
    panel->SetParent(form.get());
    auto* inner = new TPanel(form.get());
    inner->SetAlign(alClient);
    inner->SetParent(panel);
    form->Show();
    EXPECT_EQ(inner->BoundsRect(), (TRect{5, 5, 195, 95}));
}

TEST(Align, AnchoredControlsFollowTheParentsSize) {
    auto form = test::NewForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 200, 100);
    auto* corner = new TPanel(form.get());
    corner->SetBounds(150, 60, 40, 30);
    corner->SetAnchors(akRight | akBottom);
    corner->SetParent(form.get());
    auto* stretched = new TPanel(form.get());
    stretched->SetBounds(10, 10, 180, 20);
    stretched->SetAnchors(akLeft | akTop | akRight);
    stretched->SetParent(form.get());
    form->Show();
    form->SetBounds(0, 0, 260, 140);
    EXPECT_EQ(corner->BoundsRect(), (TRect{210, 100, 250, 130}));
    EXPECT_EQ(stretched->BoundsRect(), (TRect{10, 10, 250, 30}));
}

TEST(Align, ConstraintsBoundTheSize) {
    auto form = test::NewForm<TForm>();
    auto* panel = new TPanel(form.get());
    panel->Constraints().SetMinWidth(50);
    panel->Constraints().SetMaxHeight(40);
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 10, 100);
    EXPECT_EQ(panel->Width(), 50);
    EXPECT_EQ(panel->Height(), 40);
    int asked = 0;
    panel->OnCanResize = [&](TObject*, int& w, int&, bool& resize) {
        ++asked;
        resize = w < 100;
    };
    panel->SetBounds(0, 0, 200, 30);
    EXPECT_EQ(panel->Width(), 50); // refused
    EXPECT_EQ(asked, 1);
}

} // namespace
} // namespace ui
