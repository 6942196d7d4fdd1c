// The frame viewer on pages in a temporary prefix: title, text, fonts, links, errors, pictures.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/temp_prefix.h"
#include "platform/html/frame_viewer.h"
#include "platform/sys/errors.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/ui_test_support.h"

namespace {

using html::TFrameViewer;

const char* const kPageFolder = "C:\\Kesvard\\VerInfo\\3200877.01";
const char* const kPage = "C:\\Kesvard\\VerInfo\\3200877.01\\Instruct.htm";

const char* const kInstructions = R"(<html><head><title>Instructiuni 3200877.01</title></head>
<body><h1>Noutati</h1><p>Versiunea aduce modulul de salarii.</p>
<table border="1" bgcolor="#E0E0FF" cellpadding="4">
<tr><td>Modul</td><td>Versiune</td></tr><tr><td>Talven</td><td>3200877.01</td></tr></table>
<pre>preformatat 851.1</pre>
<p><a href="Second.htm#end">Pagina urmatoare</a> <a href="http://example.com/">Site</a></p>
</body></html>)";

const char* const kSecond = R"(<html><head><title>A doua pagina</title></head>
<body><p>Inceput</p><a name="end"></a><p>Sfarsit</p></body></html>)";

// A prefix with the instructions page (stored under other letter cases, as a copy from media
// may leave it) and a second page it links to.
struct TPages {
    TPages() {
        prefix.Write(prefix.C("KESVARD/verinfo/3200877.01/INSTRUCT.HTM"), kInstructions);
        prefix.Write(prefix.C("KESVARD/verinfo/3200877.01/Second.htm"), kSecond);
        prefix.Write(prefix.C("KESVARD/verinfo/3200877.01/Third.htm"),
                     "<html><head><title>Third</title></head><body>3</body></html>");
    }
    kxtest::TempPrefix prefix;
};

struct TViewerOnForm {
    TViewerOnForm() : form(ui::test::NewForm<ui::TForm>()) {
        form->SetBounds(0, 0, 520, 420);
        viewer = new TFrameViewer(form.get());
        viewer->SetParent(form.get());
        viewer->SetAlign(ui::alClient);
    }
    ui::test::TOwned<ui::TForm> form;
    TFrameViewer* viewer;
};

TEST(FrameViewer, LoadsAPageByWindowsPathWithItsTitleTableAndLink) {
    TPages pages;
    TViewerOnForm on;
    EXPECT_EQ(on.viewer->DocumentTitle(), "");
    on.viewer->LoadFromFile(kPage);
    EXPECT_EQ(on.viewer->DocumentTitle(), "Instructiuni 3200877.01");
    EXPECT_EQ(on.viewer->CurrentFile(), kPage);
    std::string text = on.viewer->DocumentText();
    for (const char* expected : {"Noutati", "Modul", "Talven", "3200877.01", "Pagina urmatoare"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("<td>"), std::string::npos);
}

TEST(FrameViewer, MissingPagesRaiseTheFileErrorAndKeepThePageShown) {
    TPages pages;
    TViewerOnForm on;
    on.viewer->LoadFromFile(kPage);
    const std::string missing[] = {
        std::string(kPageFolder) + "\\Absent.htm", // no such file
        kPageFolder,                               // a folder, not a page
        "Q:\\Unmapped\\Instruct.htm",              // a drive the prefix does not map
    };
    for (const std::string& name : missing) {
        SCOPED_TRACE(name);
        try {
            on.viewer->LoadFromFile(name);
            ADD_FAILURE() << "no error";
        } catch (const sys::EInOutError& e) {
            EXPECT_NE(std::string(e.what()).find(name.substr(0, 2)), std::string::npos);
            EXPECT_NE(e.Path.find(name.substr(3)), std::string::npos);
        }
        EXPECT_EQ(on.viewer->DocumentTitle(), "Instructiuni 3200877.01");
        EXPECT_EQ(on.viewer->CurrentFile(), kPage);
    }
}

TEST(FrameViewer, LaysTextOutWithTheDefaultAndPreformattedFonts) {
    TPages pages;
    struct TCase {
        const char* defFont;
        const char* preFont;
        bool setAfterLoading;
    };
    const TCase cases[] = {
        {nullptr, nullptr, false}, // the viewer's own defaults
        {"Courier New", "Times New Roman", false},
        {"Courier New", "Times New Roman", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.defFont ? c.defFont : "default") +
                     (c.setAfterLoading ? " after loading" : ""));
        TViewerOnForm on;
        if (c.setAfterLoading)
            on.viewer->LoadFromFile(kPage);
        if (c.defFont) {
            on.viewer->SetDefFontName(c.defFont);
            on.viewer->SetDefPreFontName(c.preFont);
        }
        if (!c.setAfterLoading)
            on.viewer->LoadFromFile(kPage);
        EXPECT_EQ(on.viewer->FontFamilyAt("salarii"),
                  ui::ResolveFontFamily(on.viewer->DefFontName()));
        EXPECT_EQ(on.viewer->FontFamilyAt("Talven"),
                  ui::ResolveFontFamily(on.viewer->DefFontName()));
        EXPECT_EQ(on.viewer->FontFamilyAt("preformatat"),
                  ui::ResolveFontFamily(on.viewer->DefPreFontName()));
        EXPECT_NE(on.viewer->FontFamilyAt("salarii"), on.viewer->FontFamilyAt("preformatat"));
    }
}

TEST(FrameViewer, FollowsLocalLinksInsideItselfAndNothingElse) {
    TPages pages;
    TViewerOnForm on;
    on.form->Show();
    on.viewer->LoadFromFile(kPage);
    EXPECT_FALSE(on.viewer->FollowLink("http://example.com/"));
    EXPECT_FALSE(on.viewer->FollowLink("mailto:x@example.com"));
    EXPECT_EQ(on.viewer->CurrentFile(), kPage);

    EXPECT_TRUE(on.viewer->FollowLink("Second.htm#end"));
    EXPECT_EQ(on.viewer->DocumentTitle(), "A doua pagina");
    EXPECT_EQ(on.viewer->CurrentFile(), std::string(kPageFolder) + "\\Second.htm");
    // A link to a missing page is the file error; the page shown stays.
    EXPECT_THROW(on.viewer->FollowLink("Gone.htm"), sys::EInOutError);
    EXPECT_EQ(on.viewer->DocumentTitle(), "A doua pagina");
}

TEST(FrameViewer, RemembersAtMostHistoryMaxCountPages) {
    TPages pages;
    struct TCase {
        int maxCount;
        int remembered;
        const char* backTitle; // after one step back, nullptr when there is none
    };
    const TCase cases[] = {
        {0, 0, nullptr},
        {1, 1, "A doua pagina"},
        {5, 2, "A doua pagina"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.maxCount);
        TViewerOnForm on;
        on.viewer->SetHistoryMaxCount(c.maxCount);
        on.viewer->LoadFromFile(kPage);
        on.viewer->FollowLink("Second.htm");
        on.viewer->FollowLink("Third.htm");
        EXPECT_EQ(on.viewer->HistoryCount(), c.remembered);
        EXPECT_EQ(on.viewer->GoBack(), c.backTitle != nullptr);
        EXPECT_EQ(on.viewer->DocumentTitle(), c.backTitle ? c.backTitle : "Third");
    }
}

int CountPixels(ui::TBitmap& picture, ui::TColorRef rgb) {
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            count += picture.Canvas().Pixel(x, y) == ui::TColor(rgb);
    return count;
}

TEST(FrameViewer, RendersThePageIntoItsWindowOffscreen) {
    TPages pages;
    struct TCase {
        const char* name;
        ui::TBorderStyle border;
        bool changedWhileShown; // the window is made again with the page in it
    };
    const TCase cases[] = {
        {"no border", ui::bsNone, false},
        {"border set while shown", ui::bsSingle, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TViewerOnForm on;
        on.viewer->SetBorderStyle(c.changedWhileShown ? ui::bsNone : c.border);
        on.form->Show();
        on.viewer->LoadFromFile(kPage);
        if (c.changedWhileShown) {
            ui::test::Picture(*on.viewer);
            on.viewer->SetBorderStyle(c.border);
        }
        ui::TBitmap picture = ui::test::Picture(*on.viewer);
        if (const char* folder = std::getenv("KX_PICTURES"))
            picture.SaveToFile(std::string(folder) + "/frame_viewer_" + std::to_string(c.border) +
                               ".png");
        ASSERT_EQ(picture.Width(), on.viewer->Width());
        ASSERT_EQ(picture.Height(), on.viewer->Height());
        // The table's background, the page's window colour and dark text are all on screen.
        EXPECT_GT(CountPixels(picture, 0xFFE0E0), 500);
        EXPECT_GT(CountPixels(picture, ui::ColorToRGB(ui::clWindow)), picture.Width() * 100);
        EXPECT_GT(CountPixels(picture, 0x000000), 100);
        // A single border is the sunken client edge around the page.
        bool framed =
            ui::TColorRef(picture.Canvas().Pixel(0, 0)) == ui::ColorToRGB(ui::clBtnShadow);
        EXPECT_EQ(framed, c.border == ui::bsSingle);
    }
}

TEST(FrameViewer, ShowsImagesBesideThePageAndFetchesNoOthers) {
    TPages pages;
    ui::TBitmap square;
    square.SetSize(24, 24);
    square.Canvas().Brush().SetColor(0x40C020);
    square.Canvas().FillRect({0, 0, 24, 24});
    std::filesystem::create_directories(pages.prefix.C("Help/img"));
    square.SaveToFile(pages.prefix.C("Help/img/square.png").string());
    pages.prefix.Write(pages.prefix.C("Help/Page.htm"),
                       "<html><body><img src=\"IMG/Square.png\"><img src=\"/Help/img/square.png\">"
                       "<img src=\"http://127.0.0.1:9/square.png\"></body></html>");
    TViewerOnForm on;
    on.viewer->SetBorderStyle(ui::bsNone);
    on.form->Show();
    on.viewer->LoadFromFile("C:\\Help\\Page.htm");
    ui::TBitmap picture = ui::test::Picture(*on.viewer);
    EXPECT_EQ(CountPixels(picture, 0x40C020), 2 * 24 * 24);
}

TEST(FrameViewer, DecodesPagesByTheirCharacterSet) {
    TPages pages;
    struct TCase {
        const char* name;
        std::string bytes;
        const char* title; // UTF-8
    };
    const TCase cases[] = {
        {"central european code page",
         "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=windows-1250\"><title>Instruc\xFEiuni noi \xE3</title></head></html>",
         "Instruc\xC5\xA3iuni noi \xC4\x83"},
        {"UTF-8 without a meta tag", "<title>Instruc\xC8\x9Biuni</title>", "Instruc\xC8\x9Biuni"},
        {"western bytes without a meta tag", "<title>Caf\xE9</title>", "Caf\xC3\xA9"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        pages.prefix.Write(pages.prefix.C("Help/Coded.htm"), c.bytes);
        TViewerOnForm on;
        on.viewer->LoadFromFile("C:\\Help\\Coded.htm");
        EXPECT_EQ(on.viewer->DocumentTitle(), c.title);
    }
}

} // namespace
