// Forms of a page: submit buttons turned into submit links, fields read as the page writes them.
#include <gtest/gtest.h>

#include "platform/html/page_forms.h"

namespace {

TEST(PageForms, ReadsEachFormAndTurnsItsSubmitButtonsIntoLinks) {
    std::string page = R"(<p>Intro <input type="submit" value="outside"></p>
<FORM Action="send.htm" METHOD=POST target=_top enctype="text/plain">
  <input type=hidden name=ver value="851.1">
  <input name="firma" value="A &amp; B">
  <input type="checkbox" name="news" checked>
  <input type="checkbox" name="spam" value="yes">
  <input type="radio" name="kind" value="full" checked>
  <input type="radio" name="kind" value="min">
  <input type="button" name="noop" value="x">
  <!-- <input type=hidden name=commented value=1> -->
  <input type="submit" value="Trimite <acum>">
</form>
<form action='two.htm'><input type=image src="go.png"></form>)";
    auto forms = html::PrepareForms(page);
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0].Action, "send.htm");
    EXPECT_EQ(forms[0].Method, "post");
    EXPECT_EQ(forms[0].Target, "_top");
    EXPECT_EQ(forms[0].EncType, "text/plain");
    EXPECT_EQ(forms[0].Fields,
              (std::vector<std::string>{"ver=851.1", "firma=A & B", "news=on", "kind=full"}));
    EXPECT_EQ(forms[1].Action, "two.htm");
    EXPECT_EQ(forms[1].Method, "get");
    EXPECT_TRUE(forms[1].Fields.empty());

    // A submit button outside any form stays as it is; the others became links to their form.
    EXPECT_NE(page.find("<input type=\"submit\" value=\"outside\">"), std::string::npos);
    auto first = page.find("[Trimite &lt;acum&gt;]</a>");
    ASSERT_NE(first, std::string::npos);
    auto href0 = page.rfind("href=\"", first);
    auto href1 = page.find("href=\"", first);
    ASSERT_NE(href1, std::string::npos);
    auto hrefValue = [&](size_t at) {
        at += 6;
        return page.substr(at, page.find('"', at) - at);
    };
    EXPECT_EQ(html::SubmitLinkForm(hrefValue(href0)), 0u);
    EXPECT_EQ(html::SubmitLinkForm(hrefValue(href1)), 1u);
    EXPECT_NE(page.find("<!-- <input type=hidden name=commented value=1> -->"), std::string::npos);
}

TEST(PageForms, OnlySubmitLinksNameAForm) {
    for (const char* href : {"send.htm", "kx-form-submit:", "kx-form-submit:x1", "http://a/b",
                             "kx-form-submit:-1", "kx-form-submit:99999999999999999999"})
        EXPECT_FALSE(html::SubmitLinkForm(href)) << href;
}

TEST(PageForms, BrokenMarkupEndsTheScanWithoutHarm) {
    for (std::string page : {"<form action=\"a", "<form action=a><input name=x value='1", "<",
                             "<<>>", "<!-- open", "</", "<form><input name=a value=1>"}) {
        std::string before = page;
        auto forms = html::PrepareForms(page);
        EXPECT_EQ(page, before);
        EXPECT_LE(forms.size(), 1u);
    }
}

} // namespace
