#include "platform/sys/errors.h"
#include "platform/sys/registry.h"
#include "sys_fixture.h"

using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

sys::TRegistry Machine() {
    sys::TRegistry reg;
    reg.RootKey = sys::HKEY_LOCAL_MACHINE;
    return reg;
}

} // namespace

TEST_F(PrefixTest, RegistryKeysAndValuesRoundTrip) {
    auto reg = Machine();
    EXPECT_FALSE(reg.KeyExists("\\Software\\Borland\\BLW32"));
    EXPECT_FALSE(reg.OpenKey("\\Software\\Borland\\Database Engine", false));
    ASSERT_TRUE(reg.OpenKey("\\Software\\Borland\\Database Engine", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Borland\\Database Engine");
    reg.WriteString("UseCount", "3");
    reg.WriteInteger("Flags", -2);
    reg.WriteExpandString("Path", "%ProgramFiles%\\BDE");
    reg.CloseKey();

    auto other = Machine(); // another object (or process) sees the values
    EXPECT_TRUE(other.KeyExists("\\SOFTWARE\\BORLAND"));
    ASSERT_TRUE(other.OpenKeyReadOnly("\\software\\borland\\database engine"));
    EXPECT_TRUE(other.ValueExists("usecount"));
    EXPECT_FALSE(other.ValueExists("UseCount2"));
    EXPECT_EQ(other.ReadString("USECOUNT"), "3");
    EXPECT_EQ(other.ReadInteger("flags"), -2);
    EXPECT_EQ(other.ReadString("Path"), "%ProgramFiles%\\BDE");
    EXPECT_THROW(other.WriteString("UseCount", "4"), sys::ERegistryException);
    EXPECT_EQ(other.ReadString("UseCount"), "3");

    // Keys without a leading "\" are relative to the open key.
    auto relative = Machine();
    ASSERT_TRUE(relative.OpenKey("\\Software", false));
    ASSERT_TRUE(relative.OpenKey("Borland\\Settings", true));
    EXPECT_EQ(relative.CurrentPath(), "Software\\Borland\\Settings");
    EXPECT_TRUE(relative.KeyExists("\\Software\\Borland\\Settings"));
}

TEST_F(PrefixTest, RegistryReadsOfMissingOrOtherValuesRaise) {
    auto reg = Machine();
    EXPECT_THROW(reg.ReadString("x"), sys::ERegistryException); // no key open
    EXPECT_THROW(reg.WriteString("x", "1"), sys::ERegistryException);
    ASSERT_TRUE(reg.OpenKey("\\Software\\K", true));
    reg.WriteString("Text", "12");
    reg.WriteInteger("Number", 12);
    EXPECT_THROW(reg.ReadString("Missing"), sys::ERegistryException);
    EXPECT_THROW(reg.ReadInteger("Text"), sys::ERegistryException);
    EXPECT_THROW(reg.ReadString("Number"), sys::ERegistryException);
    EXPECT_THROW(reg.WriteString("two\nlines", "x"), sys::ERegistryException);
    EXPECT_TRUE(reg.DeleteValue("text"));
    EXPECT_FALSE(reg.DeleteValue("text"));
    EXPECT_FALSE(reg.ValueExists("Text"));
}

TEST_F(PrefixTest, OnlyTheMachineHiveIsKept) {
    sys::TRegistry user; // HKEY_CURRENT_USER, as the class starts
    EXPECT_FALSE(user.OpenKey("\\Software\\K", true));
    EXPECT_FALSE(user.KeyExists("\\SOFTWARE\\Microsoft"));
    EXPECT_TRUE(Machine().KeyExists("\\SOFTWARE\\Microsoft"));
    auto reg = Machine();
    EXPECT_FALSE(reg.OpenKey("\\Software\\bad\x01name", true));
}

TEST_F(PrefixTest, DeletingAKeyTakesItsSubkeys) {
    auto reg = Machine();
    ASSERT_TRUE(reg.OpenKey("\\Software\\Old\\Sub\\Deeper", true));
    reg.WriteString("v", "1");
    reg.CloseKey();
    EXPECT_TRUE(reg.DeleteKey("\\SOFTWARE\\old"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Old\\Sub"));
    EXPECT_FALSE(reg.DeleteKey("\\Software\\Old"));
    EXPECT_FALSE(reg.DeleteKey("\\"));
    EXPECT_TRUE(reg.KeyExists("\\Software\\Microsoft\\Windows\\CurrentVersion"));
}

TEST_F(PrefixTest, CorruptHiveIsReportedAndNeverOverwritten) {
    const struct {
        std::string text;
        int line;
    } cases[] = {
        {"", 1},
        {"REGEDIT4\n", 1},
        {"KESTRIX REGISTRY 1\n[A]\n\"v\"=dword:123\n", 3},
        {"KESTRIX REGISTRY 1\n[A]\n\"v\"=\"unterminated\n", 3},
        {"KESTRIX REGISTRY 1\n\"v\"=\"x\"\n", 2},
        {"KESTRIX REGISTRY 1\n[A\n", 2},
        {"KESTRIX REGISTRY 1\n[A\\\\B]\n", 2},
        {"KESTRIX REGISTRY 1\n[A]\n\"v\"=hex:1,2,xyz\n", 3},
        {"KESTRIX REGISTRY 1\n[A]\n\"v\"=multi:\"a\"\"b\"\n", 3},
        {"KESTRIX REGISTRY 1\n[A]\ngarbage\n", 3},
        {"KESTRIX REGISTRY 1\n[A]\n\"v\"=\"a\\qb\"\n", 3},
    };
    for (const auto& c : cases) {
        const auto file = TempPrefix::Write(prefix.Root / "system.reg", c.text);
        try {
            sys::LoadHive();
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const sys::EParseError& error) {
            EXPECT_EQ(error.File, file.string());
            EXPECT_EQ(error.Line, c.line) << c.text;
        }
        auto reg = Machine();
        EXPECT_THROW(reg.OpenKey("\\Software\\New", true), sys::EParseError);
        EXPECT_THROW(sys::UpdateHive([](sys::RegistryHive& hive) { hive.Create("X"); }),
                     sys::EParseError);
        EXPECT_EQ(TempPrefix::Read(file), c.text);
    }
}

TEST_F(PrefixTest, HiveKeepsEveryKindOfValueExactly) {
    const std::string binary("\x00\x01\xff\n\r\"\\", 7);
    sys::UpdateHive([&](sys::RegistryHive& hive) {
        auto& key = hive.Create("Odd]Key\\  spaced  \\Ünïcode");
        const auto set = [&](const std::string& name, sys::RegValueType type,
                             const std::string& data) {
            key.Values[name] = {type, {data.begin(), data.end()}};
            key.ValueNames[name] = name;
        };
        set("", sys::RegValueType::String, "default");
        set("ctl \"q\" \\", sys::RegValueType::String, binary);
        set("exp", sys::RegValueType::ExpandString, "%A%\t\x7f");
        set("multi", sys::RegValueType::MultiString, std::string("a\0\0b\0", 5));
        set("emptymulti", sys::RegValueType::MultiString, "");
        set("oddmulti", sys::RegValueType::MultiString, "no terminator");
        set("dword", sys::RegValueType::DWord, std::string("\x01\x02\x03\x04", 4));
        set("shortdword", sys::RegValueType::DWord, "\x01");
        set("bin", sys::RegValueType::Binary, binary);
        set("qword", static_cast<sys::RegValueType>(11), std::string(8, '\x07'));
        set("none", sys::RegValueType::None, "");
    });
    const auto hive = sys::LoadHive();
    const auto* key = hive.Find("odd]key\\  SPACED  \\Ünïcode");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Name, "Ünïcode");
    EXPECT_EQ(key->Values.size(), 11u);
    const auto text = [&](const std::string& name) {
        const auto& data = key->Values.at(name).Data;
        return std::string(data.begin(), data.end());
    };
    EXPECT_EQ(text("ctl \"q\" \\"), binary);
    EXPECT_EQ(text("bin"), binary);
    EXPECT_EQ(text("multi"), std::string("a\0\0b\0", 5));
    EXPECT_EQ(text("oddmulti"), "no terminator");
    EXPECT_EQ(text("shortdword"), "\x01");
    EXPECT_EQ(key->Values.at("qword").Type, static_cast<sys::RegValueType>(11));
    EXPECT_EQ(key->Values.at("exp").Type, sys::RegValueType::ExpandString);
    EXPECT_EQ(text("exp"), "%A%\t\x7f");
    EXPECT_EQ(text(""), "default");
}
