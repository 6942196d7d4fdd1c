// Clicks on the page as Qt delivers a real user's: to the page browser inside the viewer's
// window. A link click follows the link unless the window system holds the viewer's input.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "common/temp_prefix.h"
#include "platform/html/frame_viewer.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/ui_test_support.h"
#include "platform/ui/window/window_system.h"
#include "platform/ui/window/window_widget.h"

namespace {

using html::TFrameViewer;

const char* const kPage = "C:\\Help\\Start.htm";

// The first pixel of link colour (blue text) in the viewer's picture, client coordinates.
std::optional<ui::TPoint> FindLink(TFrameViewer& viewer) {
    ui::TBitmap picture = ui::test::Picture(viewer);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            ui::TColorRef c = ui::ColorToRGB(picture.Canvas().Pixel(x, y));
            int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
            if (b > 160 && r < 90 && g < 90)
                return ui::TPoint{x, y};
        }
    return std::nullopt;
}

// A left click where Qt would deliver it: the deepest widget under the point.
void ClickLikeAUser(TFrameViewer& viewer, ui::TPoint point) {
    QWidget* window = ui::WidgetOf(viewer.Handle());
    ui::TPoint origin = ui::ClientOrigin(viewer.Handle());
    QPoint local(origin.X + point.X, origin.Y + point.Y);
    QWidget* target = window->childAt(local);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, local));
    ui::Application()->ProcessMessages();
}

TEST(FrameViewerInput, ALinkClickFollowsTheLinkOnlyWhileTheViewerTakesInput) {
    enum class THold { None, Viewer, Form };
    struct TCase {
        const char* name;
        THold hold;
        bool followed;
    };
    const TCase cases[] = {
        {"enabled", THold::None, true},
        {"viewer disabled", THold::Viewer, false},
        {"form disabled", THold::Form, false},
    };
    kxtest::TempPrefix prefix;
    prefix.Write(prefix.C("Help/Start.htm"), "<html><head><title>Start</title></head><body>"
                                             "<p><a href=\"Next.htm\">Next page</a></p></body>"
                                             "</html>");
    prefix.Write(prefix.C("Help/Next.htm"),
                 "<html><head><title>Next</title></head><body>2</body></html>");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = ui::test::NewForm<ui::TForm>();
        form->SetBounds(0, 0, 400, 300);
        auto* viewer = new TFrameViewer(form.get());
        viewer->SetParent(form.get());
        viewer->SetAlign(ui::alClient);
        form->Show();
        viewer->LoadFromFile(kPage);
        auto link = FindLink(*viewer);
        ASSERT_TRUE(link);
        if (c.hold == THold::Viewer)
            viewer->SetEnabled(false);
        if (c.hold == THold::Form)
            ui::EnableWindow(form->Handle(), false);
        ClickLikeAUser(*viewer, *link);
        EXPECT_EQ(viewer->DocumentTitle(), c.followed ? "Next" : "Start");
        if (c.followed) {
            EXPECT_TRUE(viewer->Focused());
        }
        ui::EnableWindow(form->Handle(), true);
    }
}

} // namespace

namespace {

TEST(FrameViewerInput, ASubmitClickReportsTheFormAndChangesNothingElse) {
    kxtest::TempPrefix prefix;
    prefix.Write(prefix.C("Help/Start.htm"),
                 "<html><head><title>Start</title></head><body><form action=\"send.htm\" "
                 "method=post><input type=hidden name=ver value=851.1>"
                 "<input type=submit value=Trimite></form></body></html>");
    prefix.Write(prefix.C("Help/send.htm"), "<html><head><title>Sent</title></head></html>");
    auto form = ui::test::NewForm<ui::TForm>();
    form->SetBounds(0, 0, 400, 300);
    auto* viewer = new TFrameViewer(form.get());
    viewer->SetParent(form.get());
    viewer->SetAlign(ui::alClient);
    std::vector<std::string> submitted;
    viewer->OnFormSubmit = [&](ui::TObject* sender, const std::string& action, const std::string&,
                               const std::string&, const std::string& method,
                               const ui::TStrings& results) {
        EXPECT_EQ(sender, viewer);
        submitted.push_back(method + " " + action);
        for (int i = 0; i < results.Count(); ++i)
            submitted.push_back(results.Strings(i));
    };
    form->Show();
    viewer->LoadFromFile(kPage);
    auto button = FindLink(*viewer);
    ASSERT_TRUE(button);
    ClickLikeAUser(*viewer, *button);
    EXPECT_EQ(submitted, (std::vector<std::string>{"post send.htm", "ver=851.1"}));
    EXPECT_EQ(viewer->DocumentTitle(), "Start");
    EXPECT_EQ(viewer->CurrentFile(), kPage);
}

} // namespace
