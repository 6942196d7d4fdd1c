// The sample form driven by the scripted user: accelerators, Tab, Enter, Escape and a nested
// modal form, each with the modal result the platform's dialog keys give.
#include <gtest/gtest.h>

#include "platform/ui/forms/application.h"
#include "platform/ui/testing/sample_form.h"
#include "platform/ui/testing/scripted_user.h"

namespace ui::testing {
namespace {

struct TKeyScriptCase {
    const char* Name;
    std::function<void(TScriptActor&)> Keys;
    int ExpectedResult;
    friend void PrintTo(const TKeyScriptCase& c, std::ostream* out) { *out << c.Name; }
};

class SampleFormKeys : public ::testing::TestWithParam<TKeyScriptCase> {};

TEST_P(SampleFormKeys, GiveTheModalResultOfTheButtonTheyReach) {
    TSampleForm* form = CreateForm<TSampleForm>(Application());
    TScriptedUser user;
    user.Expect("SampleForm", GetParam().Keys);
    int result = form->ShowModal();
    EXPECT_EQ(result, GetParam().ExpectedResult);
    EXPECT_TRUE(user.Finish().empty());
    Free(form);
}

INSTANTIATE_TEST_SUITE_P(
    DialogKeys, SampleFormKeys,
    ::testing::Values(
        TKeyScriptCase{"EnterClicksTheDefault", [](TScriptActor& u) { u.Key(VK_RETURN); }, 1},
        TKeyScriptCase{"EscapeClicksTheCancel", [](TScriptActor& u) { u.Key(VK_ESCAPE); }, 4},
        TKeyScriptCase{"AltLetterClicksItsButton", [](TScriptActor& u) { u.Alt('i'); }, 4},
        TKeyScriptCase{"LetterAloneOnAButton", [](TScriptActor& u) { u.Key('I'); }, 4},
        TKeyScriptCase{"TabThenEnterClicksTheFocused",
                       [](TScriptActor& u) {
                           u.Key(VK_TAB);
                           u.Key(VK_RETURN);
                       },
                       4},
        TKeyScriptCase{"LabelAcceleratorFocusesThenEnter",
                       [](TScriptActor& u) {
                           u.Alt('b');
                           u.Key(VK_RETURN);
                       },
                       4},
        TKeyScriptCase{"MouseClick", [](TScriptActor& u) { u.Click("BackButton"); }, 4}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace ui::testing
