// The embedded resources, read by name.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/graphics/resource_store.h"

namespace ui {
namespace {

TEST(Resources, AreFoundByNameWithoutRegardToCase) {
    ASSERT_TRUE(Resources::Exists("data/HelveticaR"));
    auto bytes = Resources::Read("data/HelveticaR");
    EXPECT_GT(bytes.size(), 1000u);
    EXPECT_EQ(Resources::Read("DATA/helveticar"), bytes);
    EXPECT_TRUE(Resources::Exists("Data/HELVETICAR"));
}

TEST(Resources, AMissingResourceIsAnErrorNamingIt) {
    for (const std::string name : {"forms/NoSuchForm.dfm", "", "data/", "../etc/passwd"}) {
        EXPECT_FALSE(Resources::Exists(name)) << name;
        try {
            Resources::Read(name);
            ADD_FAILURE() << name;
        } catch (const EResourceError& e) {
            EXPECT_EQ(e.Name, name);
            EXPECT_NE(std::string(e.what()).find("Resource not found: " + name), std::string::npos);
        }
    }
}

TEST(Resources, ListsByFolderInNameOrder) {
    auto all = Resources::List("");
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    auto data = Resources::List("data/");
    EXPECT_NE(std::find(data.begin(), data.end(), "data/HelveticaR"), data.end());
    for (const auto& name : data)
        EXPECT_EQ(name.rfind("data/", 0), 0u) << name;
    for (const auto& name : all)
        EXPECT_TRUE(Resources::Exists(name)) << name;
    EXPECT_TRUE(Resources::List("nowhere/").empty());
}

} // namespace
} // namespace ui
