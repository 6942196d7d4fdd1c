// Making forms: a stored form is constructed, given its stored properties and components,
// Loaded, and then gets its creation event (inside construction with OldCreateOrder, after the
// class's own construction steps without); a create-new form has no stored properties.
#include <gtest/gtest.h>

#include "platform/ui/streaming/class_builder.h"
#include "platform/ui/testing/sample_form.h"
#include "platform/ui/ui_test_support.h"

namespace ui::testing {
namespace {

class TOrderForm : public TForm {
public:
    using TForm::TForm;
    std::vector<std::string> Log;
    void FormCreate(TObject*) { Log.push_back("OnCreate"); }
    void Loaded() override {
        TForm::Loaded();
        Log.push_back("Loaded " + Caption());
    }
    void ConstructionCompleted() override { Log.push_back("completed"); }
};

const bool kRegistered = [] {
    RegisterComponentClass<TOrderForm, TForm>("TOrderForm")
        .Handler("FormCreate", &TOrderForm::FormCreate);
    return true;
}();

std::string OrderDescription(const char* oldCreateOrder) {
    std::string text = "object OrderForm: TOrderForm\n  Caption = 'Stored'\n";
    if (oldCreateOrder)
        text += std::string("  OldCreateOrder = ") + oldCreateOrder + "\n";
    return text + "  OnCreate = FormCreate\nend\n";
}

TEST(FormCreation, StoredPropertiesThenLoadedThenTheCreationEvent) {
    struct TCase {
        const char* OldCreateOrder;
        std::vector<std::string> Expected;
    };
    const TCase cases[] = {
        {"True", {"Loaded Stored", "OnCreate", "completed"}},
        {"False", {"Loaded Stored", "completed", "OnCreate"}},
        {nullptr, {"Loaded Stored", "OnCreate", "completed"}}, // a description without it
    };
    for (const TCase& c : cases) {
        test::TOwned<TOrderForm> form(CreateFormFromText<TOrderForm>(
            nullptr, OrderDescription(c.OldCreateOrder), "order.dfm"));
        EXPECT_EQ(form->Log, c.Expected) << (c.OldCreateOrder ? c.OldCreateOrder : "absent");
    }
}

TEST(FormCreation, ACreateNewFormHasNoStoredProperties) {
    auto form = test::NewForm<TOrderForm>();
    EXPECT_TRUE(form->Log.empty());
    EXPECT_EQ(form->Caption(), "");
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->BorderStyle(), bsSizeable);
    EXPECT_FALSE(form->Visible());
}

TEST(FormCreation, TheSampleFormGetsItsComponentsFieldsAndHandlers) {
    test::TOwned<TSampleForm> form(CreateForm<TSampleForm>(nullptr));
    EXPECT_EQ(form->CreationLog, (std::vector<std::string>{"Loaded", "OnCreate"}));
    EXPECT_EQ(form->Name(), "SampleForm");
    EXPECT_EQ(form->Caption(), "Exemplu");
    EXPECT_EQ(form->ClientWidth(), 320);
    EXPECT_EQ(form->ClientHeight(), 132);
    EXPECT_TRUE(form->KeyPreview());
    ASSERT_NE(form->ContinueButton, nullptr);
    ASSERT_NE(form->BackButton, nullptr);
    EXPECT_EQ(form->ContinueButton->Parent(), form->ButtonPanel);
    EXPECT_EQ(form->ButtonPanel->Parent(), form->OuterPanel);
    EXPECT_EQ(form->PromptLabel->FocusControl(), form->BackButton);
    EXPECT_TRUE(form->ContinueButton->Default());
    EXPECT_TRUE(form->BackButton->Cancel());
    EXPECT_EQ(form->BackButton->ModalResult(), 4);
    EXPECT_EQ(form->ActiveControl(), form->ContinueButton);
    EXPECT_EQ(form->ButtonPanel->TabOrder(), 0); // stored tab orders, not creation order
    EXPECT_EQ(form->PromptPanel->TabOrder(), 1);
    form->BackButton->Click();
    EXPECT_EQ(form->Clicks, 1);
    EXPECT_EQ(form->PromptLabel->Font().Name(), "MS Sans Serif"); // from its parent chain
}

} // namespace
} // namespace ui::testing
