// Links of a page resolved against the page's Windows path: local files only.
#include <gtest/gtest.h>

#include "platform/html/link_target.h"

namespace {

struct TLinkCase {
    const char* href;
    bool followed;
    const char* file;
    const char* fragment;
};

TEST(LinkTarget, ResolvesAgainstThePageFolder) {
    const std::string page = "C:\\Kesvard\\VerInfo\\1.00\\Instruct.htm";
    const TLinkCase cases[] = {
        {"Other.htm", true, "C:\\Kesvard\\VerInfo\\1.00\\Other.htm", ""},
        {"sub/Next.htm#part", true, "C:\\Kesvard\\VerInfo\\1.00\\sub\\Next.htm", "part"},
        {"..\\Up.htm", true, "C:\\Kesvard\\VerInfo\\1.00\\..\\Up.htm", ""},
        {"#top", true, "C:\\Kesvard\\VerInfo\\1.00\\Instruct.htm", "top"},
        {"/Root.htm", true, "C:\\Root.htm", ""},
        {"D:\\Doc\\A.htm", true, "D:\\Doc\\A.htm", ""},
        {"file:///E:/Doc/My%20Page.htm", true, "E:\\Doc\\My Page.htm", ""},
        {"  Spaced.htm  ", true, "C:\\Kesvard\\VerInfo\\1.00\\Spaced.htm", ""},
        {"%00Nul.htm", true, "C:\\Kesvard\\VerInfo\\1.00\\%00Nul.htm", ""},
        {"http://example.com/x.htm", false, "", ""},
        {"HTTPS://example.com/", false, "", ""},
        {"mailto:someone@example.com", false, "", ""},
        {"file://server/share/x.htm", false, "", ""},
        {"javascript:alert(1)", false, "", ""},
        {"", false, "", ""},
        {"   ", false, "", ""},
    };
    for (const TLinkCase& c : cases) {
        SCOPED_TRACE(c.href);
        auto target = html::ResolveLink(page, c.href);
        ASSERT_EQ(target.has_value(), c.followed);
        if (!target)
            continue;
        EXPECT_EQ(target->File, c.file);
        EXPECT_EQ(target->Fragment, c.fragment);
    }
}

TEST(LinkTarget, UncPagesKeepTheirShareAsRoot) {
    auto target = html::ResolveLink("\\\\srv\\share\\doc\\a.htm", "/b.htm");
    ASSERT_TRUE(target);
    EXPECT_EQ(target->File, "\\\\srv\\share\\b.htm");
}

TEST(LinkTarget, AnAnchorNeedsAPage) {
    EXPECT_FALSE(html::ResolveLink("", "#top"));
}

} // namespace
