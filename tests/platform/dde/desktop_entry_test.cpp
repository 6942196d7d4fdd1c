// Desktop file ids and Exec quoting.
#include "platform/dde/desktop_entry.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using dde::DesktopIdPart;
using dde::QuoteExecArgument;

TEST(DesktopEntry, IdsAreValidAndDistinctExceptForCase) {
    const char* names[] = {"Kestrix",
                           "Kestrix Tools",
                           "Kestrix-Tools",
                           "kestrix_tools",
                           "A/B",
                           "A\\B",
                           "..",
                           "",
                           "Fi\xC8\x99iere",
                           "   ",
                           "A very long program group name that goes on and on and on"};
    std::set<std::string> ids;
    for (const char* name : names) {
        const std::string id = DesktopIdPart(name);
        EXPECT_FALSE(id.empty()) << name;
        EXPECT_LE(id.size(), 49u) << name;
        EXPECT_EQ(id.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"), std::string::npos)
            << name << " -> " << id;
        EXPECT_TRUE(ids.insert(id).second) << name << " shares " << id;
    }
    EXPECT_EQ(DesktopIdPart("Talven"), "talven");
    EXPECT_EQ(DesktopIdPart("TALVEN"), DesktopIdPart("talven"));
    EXPECT_EQ(DesktopIdPart("Kestrix Tools"), DesktopIdPart("KESTRIX TOOLS"));
}

TEST(DesktopEntry, QuotesExecArgumentsAsTheSpecificationAsks) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/env", "/usr/bin/env"},
        {"/tmp/my prefix/TALVEN.EXE", "\"/tmp/my prefix/TALVEN.EXE\""},
        {"KESTRIX_PREFIX=/p", "KESTRIX_PREFIX=/p"},
        {"a\"b", "\"a\\\"b\""},
        {"$HOME`x`", "\"\\$HOME\\`x\\`\""},
        {"back\\slash", "\"back\\\\slash\""},
        {"100%", "100%%"},
        {"50% off", "\"50%% off\""},
        {"", "\"\""},
        {"it's", "\"it's\""},
    };
    for (const auto& [arg, quoted] : cases)
        EXPECT_EQ(QuoteExecArgument(arg), quoted) << arg;
}

TEST(DesktopEntry, EscapesValuesOfTheFile) {
    EXPECT_EQ(dde::DesktopEntryText({{"Name", "C:\\Kesvard"}, {"Comment", "a\tb"}}),
              "[Desktop Entry]\nName=C:\\\\Kesvard\nComment=a\\tb\n");
}

} // namespace
