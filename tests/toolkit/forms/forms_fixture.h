#pragma once
// The titled forms' tests: a small stored screen (a title bar and three buttons) in the variants
// the tests need, made the way the installer makes its screens, with the toolkit started.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ui/core/object.h"
#include "toolkit/forms/title_form.h"

namespace tk::test {

struct TFreeForm {
    void operator()(ui::TObject* object) const { ui::Free(object); }
};
template <class T> using TOwnedForm = std::unique_ptr<T, TFreeForm>;

enum class TScreenVariant {
    Stored,          // as the screens store themselves: borderless, with "TitleBar1"
    WithoutTitleBar, // the title bar under another name
    Sizeable,        // no stored border style: the modern look converts it
};

// The stored description of the test screen in a variant.
std::string ScreenDescription(TScreenVariant variant);

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TOwnedForm<TTitleForm> MakeScreen(TScreenVariant variant = TScreenVariant::Stored);

private:
    bool savedModernLook_ = false;
};

} // namespace tk::test
