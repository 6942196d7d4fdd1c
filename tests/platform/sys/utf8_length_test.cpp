// Counting characters of UTF-8 text: a Romanian letter is one character of two bytes.
#include <gtest/gtest.h>

#include "platform/sys/utf16.h"

namespace {

struct TPrefixCase {
    const char* Text;
    size_t Count;
    const char* Prefix;
};

TEST(Utf8Length, CountsCharactersNotBytes) {
    EXPECT_EQ(sys::Utf8Length(""), 0u);
    EXPECT_EQ(sys::Utf8Length("parola"), 6u);
    EXPECT_EQ(sys::Utf8Length("\xC8\x99i \xC4\x83"), 4u); // "și ă"
    EXPECT_EQ(sys::Utf8Length("\xE2\x82\xAC"), 1u);       // the euro sign
}

TEST(Utf8Prefix, NeverCutsACharacterInTwo) {
    const TPrefixCase cases[] = {
        {"abc", 2, "ab"},
        {"abc", 5, "abc"},
        {"abc", 0, ""},
        {"\xC8\x99i", 1, "\xC8\x99"},
        {"a\xE2\x82\xAC"
         "b",
         2, "a\xE2\x82\xAC"},
    };
    for (const TPrefixCase& c : cases)
        EXPECT_EQ(sys::Utf8Prefix(c.Text, c.Count), c.Prefix) << c.Text << " " << c.Count;
}

} // namespace
