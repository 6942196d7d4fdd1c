#include "forms_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ui/forms/form.h"
#include "toolkit/forms/skin.h"

namespace tk::test {

namespace {

std::string ReadFixture() {
    std::filesystem::path file =
        std::filesystem::path(__FILE__).parent_path() / "titled_screen.dfm";
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
}

} // namespace

std::string ScreenDescription(TScreenVariant variant) {
    std::string text = ReadFixture();
    if (variant == TScreenVariant::WithoutTitleBar)
        Replace(text, "object TitleBar1:", "object Banda:");
    if (variant == TScreenVariant::Sizeable)
        Replace(text, "  BorderStyle = bsNone\n", "");
    return text;
}

void FormsTest::SetUp() {
    StartToolkit();
    savedModernLook_ = ModernLook;
    ModernLook = true;
}

void FormsTest::TearDown() {
    ModernLook = savedModernLook_;
}

TOwnedForm<TTitleForm> FormsTest::MakeScreen(TScreenVariant variant) {
    std::string text = ScreenDescription(variant);
    EXPECT_NE(text.find("TTitleForm"), std::string::npos) << "the test screen's description";
    return TOwnedForm<TTitleForm>(
        ui::CreateFormFromText<TTitleForm>(nullptr, text, "titled_screen.dfm"));
}

} // namespace tk::test
