// The radio group: the owner's veto of a user's change, the clamped index and columns, the
// arranging arithmetic, the items' change keeping a valid choice, the selection keys, and the
// radio button unchecking its siblings.
#include <vector>

#include "edits_fixture.h"
#include "toolkit/controls/radio_group.h"

namespace tk::test {
namespace {

class RadioGroup : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        Group = &Host.Place<TMRadioGroup>(10, 10, 200, 90);
        Group->Items().Assign({"LOCAL", "SERVER", "CLIENT"});
        Group->OnClick = [this](ui::TObject*) { ++Clicks; };
        Group->OnModify = [this](ui::TObject*, bool& canModify) {
            ++Asked;
            canModify = Allow;
        };
    }
    void PressSpace(TMGroupButton& button) {
        button.SetFocus();
        TypeKey(button, ui::VK_SPACE, ' ');
    }
    TMRadioGroup* Group = nullptr;
    bool Allow = true;
    int Asked = 0;
    int Clicks = 0;
};

TEST_F(RadioGroup, BuildsOneCheckedButtonPerItem) {
    Group->SetItemIndex(1);
    ASSERT_EQ(Group->ButtonCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Group->Buttons(i)->Caption(), Group->Items()[i]);
        EXPECT_EQ(Group->Buttons(i)->Checked(), i == 1);
        EXPECT_EQ(Group->Buttons(i)->TabStop(), i == 1);
        EXPECT_TRUE(Group->Buttons(i)->Visible());
    }
    EXPECT_EQ(Asked, 0);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(RadioGroup, VetoKeepsTheChoiceOnClickAndSpace) {
    Group->SetItemIndex(0);
    Allow = false;
    ui::SendMessage(Group->Buttons(2)->Handle(), ui::BM_CLICK, 0, 0);
    EXPECT_EQ(Group->ItemIndex(), 0);
    EXPECT_FALSE(Group->Buttons(2)->Checked());
    PressSpace(*Group->Buttons(1));
    EXPECT_EQ(Group->ItemIndex(), 0);
    EXPECT_GE(Asked, 2);
    EXPECT_EQ(Clicks, 1);

    Allow = true;
    ui::SendMessage(Group->Buttons(2)->Handle(), ui::BM_CLICK, 0, 0);
    EXPECT_EQ(Group->ItemIndex(), 2);
    EXPECT_TRUE(Group->Buttons(2)->Checked());
    EXPECT_FALSE(Group->Buttons(0)->Checked());
    PressSpace(*Group->Buttons(1));
    EXPECT_EQ(Group->ItemIndex(), 1);
    EXPECT_EQ(Clicks, 3);
}

TEST_F(RadioGroup, TypedSpaceAndBackspaceReachButtonThenGroupAndAsk) {
    Allow = false;
    std::vector<std::string> reached;
    auto& button = *Group->Buttons(0);
    button.OnKeyPress = [&](ui::TObject*, char& key) {
        reached.push_back("button " + std::string(1, key));
    };
    Group->OnKeyPress = [&](ui::TObject*, char& key) {
        reached.push_back("group " + std::string(1, key));
    };
    button.SetFocus();
    for (char typed : {' ', '\b', 'x'})
        ui::SendMessage(button.Handle(), ui::WM_CHAR, ui::WPARAM(uint8_t(typed)), 0);
    std::vector<std::string> expected = {"button  ", "group  ",  "button \b",
                                         "group \b", "button x", "group x"};
    EXPECT_EQ(reached, expected);
    EXPECT_EQ(Asked, 2);
    EXPECT_EQ(Group->ItemIndex(), -1);
}

struct TIndexCase {
    const char* Name;
    int Set;
    int Expected;
};

class RadioGroupIndex : public RadioGroup, public ::testing::WithParamInterface<TIndexCase> {};

TEST_P(RadioGroupIndex, IsClampedToTheItems) {
    Group->SetItemIndex(1);
    Group->SetItemIndex(GetParam().Set);
    EXPECT_EQ(Group->ItemIndex(), GetParam().Expected);
    for (int i = 0; i < Group->ButtonCount(); ++i)
        EXPECT_EQ(Group->Buttons(i)->Checked(), i == GetParam().Expected);
    EXPECT_EQ(Asked, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, RadioGroupIndex,
                         ::testing::Values(TIndexCase{"PastTheEnd", 7, 2},
                                           TIndexCase{"JustPast", 3, 2},
                                           TIndexCase{"FarBelow", -5, -1},
                                           TIndexCase{"None", -1, -1}, TIndexCase{"Inside", 0, 0}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RadioGroup, ColumnsAreClampedFromOneToSixteen) {
    const std::pair<int, int> cases[] = {{0, 1}, {-3, 1}, {20, 16}, {16, 16}, {3, 3}};
    for (auto [set, expected] : cases) {
        Group->SetColumns(set);
        EXPECT_EQ(Group->Columns(), expected) << set;
    }
}

TEST_F(RadioGroup, RemovingTheChosenItemChoosesTheLastRemaining) {
    Group->Items().Add("AL PATRULEA");
    Group->SetItemIndex(3);
    Group->Items().Delete(3);
    Group->Items().Delete(2);
    EXPECT_EQ(Group->ItemIndex(), 1);
    ASSERT_EQ(Group->ButtonCount(), 2);
    EXPECT_TRUE(Group->Buttons(1)->Checked());
    Group->Items().Clear();
    EXPECT_EQ(Group->ItemIndex(), -1);
    EXPECT_EQ(Group->ButtonCount(), 0);
}

struct TArrangeCase {
    const char* Name;
    int Count;
    int Columns;
    int Width;
    int Height;
    int FontHeight;
    int Index;
    ui::TRect Expected;
};

class RadioGroupArrange : public EditsTest, public ::testing::WithParamInterface<TArrangeCase> {};

TEST_P(RadioGroupArrange, FillsColumnsTopToBottom) {
    const TArrangeCase& c = GetParam();
    auto& group = Host.Place<TMRadioGroup>(0, 0, c.Width, c.Height);
    group.Font().SetHeight(c.FontHeight);
    group.SetColumns(c.Columns);
    std::vector<std::string> items;
    for (int i = 0; i < c.Count; ++i)
        items.push_back("Item" + std::to_string(i));
    group.Items().Assign(items);
    EXPECT_EQ(group.Buttons(c.Index)->BoundsRect(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadioGroupArrange,
    ::testing::Values(
        TArrangeCase{"FourthOfFiveInTwoColumns", 5, 2, 100, 60, -11, 3, {50, 0, 100, 24}},
        TArrangeCase{"ThirdOfFiveInTwoColumns", 5, 2, 100, 60, -11, 2, {0, 48, 50, 72}},
        TArrangeCase{"LastOfFiveInTwoColumns", 5, 2, 100, 60, -11, 4, {50, 24, 100, 48}},
        TArrangeCase{"OneRowKeepsItsPitch", 2, 2, 100, 30, -11, 1, {50, 0, 100, 30}},
        TArrangeCase{"OneColumn", 3, 1, 90, 60, -13, 2, {0, 46, 90, 69}},
        TArrangeCase{"PositiveFontHeight", 3, 1, 90, 60, 13, 2, {0, 46, 90, 69}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RadioGroup, SelectionKeysMoveTheChoiceWithoutAsking) {
    Allow = false;
    Group->SetItemIndex(1);
    auto& start = *Group->Buttons(1);
    start.SetFocus();
    struct TStep {
        uint16_t Key;
        int Expected;
    };
    const TStep steps[] = {{ui::VK_HOME, 0}, {ui::VK_PRIOR, 0}, {ui::VK_NEXT, 1},
                           {ui::VK_END, 2},  {ui::VK_NEXT, 2},  {ui::VK_PRIOR, 1}};
    for (const TStep& step : steps) {
        ui::TWinControl* focused = Group->Buttons(Group->ItemIndex());
        TypeKey(*focused, step.Key, 0);
        EXPECT_EQ(Group->ItemIndex(), step.Expected) << step.Key;
        EXPECT_TRUE(Group->Buttons(step.Expected)->Focused());
    }
    EXPECT_EQ(Asked, 0);
}

TEST_F(RadioGroup, EnabledStateReachesEveryButton) {
    Group->SetEnabled(false);
    for (int i = 0; i < Group->ButtonCount(); ++i)
        EXPECT_FALSE(Group->Buttons(i)->Enabled());
    Group->Items().Add("NOU");
    EXPECT_FALSE(Group->Buttons(3)->Enabled());
    Group->SetEnabled(true);
    EXPECT_TRUE(Group->Buttons(3)->Enabled());
}

TEST_F(EditsTest, RadioButtonUnchecksItsSiblings) {
    auto& a = Host.Place<TMRadioButton>(10, 10, 113, 17);
    auto& b = Host.Place<TMRadioButton>(10, 30, 113, 17);
    int clicks = 0;
    b.OnClick = [&](ui::TObject*) { ++clicks; };
    a.SetChecked(true);
    ui::SendMessage(b.Handle(), ui::BM_CLICK, 0, 0);
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(b.TabStop());
    EXPECT_FALSE(a.Checked());
    EXPECT_FALSE(a.TabStop());
    EXPECT_EQ(clicks, 1);
    b.SetChecked(false);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace tk::test
