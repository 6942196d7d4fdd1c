// The frame viewer as a stored form writes it: every listed option and the form submit event.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/html/frame_viewer.h"
#include "platform/html/frame_viewer_class.h"
#include "platform/sys/errors.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/streaming/class_builder.h"
#include "platform/ui/ui_test_support.h"

namespace {

class TViewerForm : public ui::TForm {
public:
    using ui::TForm::TForm;
    void FrameViewerFormSubmit(ui::TObject*, const std::string& action, const std::string&,
                               const std::string&, const std::string&, const ui::TStrings&) {
        SubmittedAction = action;
    }
    std::string SubmittedAction;
};

const bool kRegistered = [] {
    html::RegisterFrameViewerClass();
    html::RegisterFrameViewerClass(); // a second call changes nothing
    ui::RegisterComponentClass<TViewerForm, ui::TForm>("TViewerForm")
        .Handler("FrameViewerFormSubmit", &TViewerForm::FrameViewerFormSubmit);
    return true;
}();

const char* const kForm = R"(object ViewerForm: TViewerForm
  Width = 400
  Height = 300
  object FrameViewer: TFrameViewer
    Align = alClient
    TabOrder = 0
    BorderStyle = bsNone
    NoFocusRect = True
    PrintMonoBlack = False
    PrintTableBackground = True
    DefFontName = 'Arial'
    DefPreFontName = 'Lucida Console'
    PrintMarginLeft = 2.5
    PrintMarginRight = 1.25
    PrintMarginTop = 3.000000000000000000
    PrintMarginBottom = 0.5
    PrintScale = 1.5
    HistoryMaxCount = 4
    OnFormSubmit = FrameViewerFormSubmit
  end
end
)";

TEST(FrameViewerForm, ReadsEveryOptionAndBindsTheSubmitHandler) {
    ui::test::TOwned<TViewerForm> form(
        ui::CreateFormFromText<TViewerForm>(nullptr, kForm, "viewer.dfm"));
    auto* viewer = dynamic_cast<html::TFrameViewer*>(form->FindComponent("FrameViewer"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->Parent(), form.get());
    EXPECT_EQ(viewer->BorderStyle(), ui::bsNone);
    EXPECT_TRUE(viewer->NoFocusRect());
    EXPECT_FALSE(viewer->PrintMonoBlack());
    EXPECT_TRUE(viewer->PrintTableBackground());
    EXPECT_EQ(viewer->DefFontName(), "Arial");
    EXPECT_EQ(viewer->DefPreFontName(), "Lucida Console");
    EXPECT_DOUBLE_EQ(viewer->PrintMarginLeft(), 2.5);
    EXPECT_DOUBLE_EQ(viewer->PrintMarginRight(), 1.25);
    EXPECT_DOUBLE_EQ(viewer->PrintMarginTop(), 3.0);
    EXPECT_DOUBLE_EQ(viewer->PrintMarginBottom(), 0.5);
    EXPECT_DOUBLE_EQ(viewer->PrintScale(), 1.5);
    EXPECT_EQ(viewer->HistoryMaxCount(), 4);
    ASSERT_TRUE(viewer->OnFormSubmit);
    ui::TStrings fields;
    viewer->OnFormSubmit(viewer, "send.htm", "", "", "post", fields);
    EXPECT_EQ(form->SubmittedAction, "send.htm");
}

TEST(FrameViewerForm, ARefusedPrintScaleNamesTheFileAndLine) {
    std::string text = kForm;
    size_t at = text.find("PrintScale = 1.5");
    text.replace(at, 16, "PrintScale = 0.0");
    int line = 1 + int(std::count(text.begin(), text.begin() + at, '\n'));
    try {
        ui::test::TOwned<TViewerForm> form(
            ui::CreateFormFromText<TViewerForm>(nullptr, text, "viewer.dfm"));
        ADD_FAILURE() << "the form was read";
    } catch (const sys::EParseError& e) {
        EXPECT_EQ(e.File, "viewer.dfm");
        EXPECT_EQ(e.Line, line);
    }
}

} // namespace
