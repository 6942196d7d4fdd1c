#include "platform/html/frame_viewer_class.h"

#include "platform/html/frame_viewer.h"
#include "platform/ui/streaming/class_builder.h"

namespace html {

namespace {

const ui::TEnumNames& BorderStyleNames() {
    static const ui::TEnumNames names = {{"bsNone", ui::bsNone}, {"bsSingle", ui::bsSingle}};
    return names;
}

void Register() {
    ui::RegisterComponentClass<TFrameViewer, ui::TWinControl>("TFrameViewer")
        .Enum("BorderStyle", BorderStyleNames(), "TBorderStyle",
              [](TFrameViewer& v, int value) { v.SetBorderStyle(ui::TBorderStyle(value)); })
        .Bool("NoFocusRect", [](TFrameViewer& v, bool value) { v.SetNoFocusRect(value); })
        .Bool("PrintMonoBlack", [](TFrameViewer& v, bool value) { v.SetPrintMonoBlack(value); })
        .Bool("PrintTableBackground",
              [](TFrameViewer& v, bool value) { v.SetPrintTableBackground(value); })
        .String("DefFontName",
                [](TFrameViewer& v, const std::string& value) { v.SetDefFontName(value); })
        .String("DefPreFontName",
                [](TFrameViewer& v, const std::string& value) { v.SetDefPreFontName(value); })
        .Float("PrintMarginLeft",
               [](TFrameViewer& v, double value) { v.SetPrintMarginLeft(value); })
        .Float("PrintMarginRight",
               [](TFrameViewer& v, double value) { v.SetPrintMarginRight(value); })
        .Float("PrintMarginTop", [](TFrameViewer& v, double value) { v.SetPrintMarginTop(value); })
        .Float("PrintMarginBottom",
               [](TFrameViewer& v, double value) { v.SetPrintMarginBottom(value); })
        .Custom("PrintScale",
                [](TFrameViewer& v, const ui::TFormTextValue& value, ui::TReadContext& c) {
                    double scale = c.Float(value);
                    if (!(scale > 0))
                        c.Fail("the print scale must be greater than zero");
                    v.SetPrintScale(scale);
                })
        .Int("HistoryMaxCount", [](TFrameViewer& v, int value) { v.SetHistoryMaxCount(value); })
        .Event("OnFormSubmit", &TFrameViewer::OnFormSubmit);
}

} // namespace

void RegisterFrameViewerClass() {
    static const bool registered = (Register(), true);
    (void)registered;
}

} // namespace html
