#include "platform/sys/errors.h"
#include "platform/sys/reg_file.h"
#include "platform/sys/registry.h"
#include "platform/sys/utf16.h"
#include "sys_fixture.h"

using kxtest::PrefixTest;
using kxtest::TempPrefix;

namespace {

// A hand-written engine registration in the version-5 format, with every feature of the format.
const std::string Version5 = R"(Windows Registry Editor Version 5.00

; the engine's keys
[HKEY_LOCAL_MACHINE\SOFTWARE\Borland\Database Engine]
"DLLPATH"="C:\\Program Files\\Borland\\Common Files\\BDE"
"CONFIGFILE01"="C:\\Program Files\\Borland\\Common Files\\BDE\\IDAPI32.CFG"
@="say \"hi\""
"UseCount" = "1"
"Flags"=dword:0000001F
"Short"=dword:7
"Path"=hex(2):25,00,50,00,72,00,6f,00,67,00,72,00,61,00,6d,00,46,00,69,00,6c,00,\
  65,00,73,00,25,00,5c,00,42,00,44,00,45,00,00,00
"Drivers"=hex(7):50,00,41,00,52,00,41,00,44,00,4f,00,58,00,00,00,44,00,42,00,\
    41,00,53,00,45,00,00,00,00,00
"Blob"=hex:de,ad,BE,ef   ; a comment after the data
"Empty"=hex:
"Old"="going"
"Old"=-

[HKEY_LOCAL_MACHINE\SOFTWARE\Borland\BLW32]

[HKEY_CURRENT_USER\Software\Ignored]
"x"="not stored"

[HKEY_LOCAL_MACHINE\SOFTWARE\Stale]
"v"="1"
[-HKEY_LOCAL_MACHINE\SOFTWARE\Stale]
)";

std::string Text(const sys::RegKey& key, const std::string& name) {
    const auto& data = key.Values.at(name).Data;
    return {data.begin(), data.end()};
}

void ExpectEngineKeys(const sys::RegistryHive& hive) {
    const auto* engine = hive.Find("software\\borland\\database engine");
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->Name, "Database Engine");
    EXPECT_EQ(Text(*engine, "dllpath"), "C:\\Program Files\\Borland\\Common Files\\BDE");
    EXPECT_EQ(Text(*engine, ""), "say \"hi\"");
    EXPECT_EQ(Text(*engine, "usecount"), "1");
    EXPECT_EQ(engine->Values.at("flags").Type, sys::RegValueType::DWord);
    EXPECT_EQ(Text(*engine, "flags"), std::string("\x1f\0\0\0", 4));
    EXPECT_EQ(Text(*engine, "short"), std::string("\x07\0\0\0", 4));
    EXPECT_EQ(engine->Values.at("path").Type, sys::RegValueType::ExpandString);
    EXPECT_EQ(Text(*engine, "path"), "%ProgramFiles%\\BDE");
    EXPECT_EQ(engine->Values.at("drivers").Type, sys::RegValueType::MultiString);
    EXPECT_EQ(Text(*engine, "drivers"), std::string("PARADOX\0DBASE\0", 14));
    EXPECT_EQ(Text(*engine, "blob"), "\xde\xad\xbe\xef");
    EXPECT_EQ(Text(*engine, "empty"), "");
    EXPECT_EQ(engine->Values.count("old"), 0u);
    EXPECT_NE(hive.Find("SOFTWARE\\Borland\\BLW32"), nullptr);
    EXPECT_EQ(hive.Find("Software\\Ignored"), nullptr);
    EXPECT_EQ(hive.Find("SOFTWARE\\Stale"), nullptr);
}

sys::RegistryHive Parsed(const std::string& bytes) {
    sys::RegistryHive hive;
    sys::ApplyRegFile(sys::ParseRegFile(bytes, "bde.reg"), hive);
    return hive;
}

} // namespace

TEST(RegFile, Version5FileWithEveryFeature) {
    ExpectEngineKeys(Parsed(Version5));
}

TEST(RegFile, Utf16FileWithByteOrderMark) {
    ExpectEngineKeys(Parsed("\xFF\xFE" + sys::Utf8ToUtf16Le(Version5)));
    ExpectEngineKeys(Parsed("\xEF\xBB\xBF" + Version5));
}

TEST(RegFile, Regedit4StringsAreEightBit) {
    const auto hive = Parsed("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n"
                             "\"Exp\"=hex(2):25,41,25,00\r\n"
                             "\"Multi\"=hex(7):61,00,62,63,00,00\r\n"
                             "\"Latin\"=\"\xe9t\xe9\"\r\n");
    const auto* key = hive.Find("SOFTWARE\\A");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(Text(*key, "exp"), "%A%");
    EXPECT_EQ(Text(*key, "multi"), std::string("a\0bc\0", 5));
    EXPECT_EQ(Text(*key, "latin"), "\xc3\xa9t\xc3\xa9"); // read as Latin-1, stored as UTF-8
}

TEST(RegFile, MalformedLinesNameTheLine) {
    const std::string head = "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\A]\n";
    const struct {
        std::string text;
        int line;
    } cases[] = {
        {"REGEDIT5\n[HKEY_LOCAL_MACHINE\\A]\n", 1},
        {"\n" + head, 1},
        {head + "\"v\"=dword:123456789\n", 4},
        {head + "\"v\"=dword:\n", 4},
        {head + "\"v\"=dword:12x\n", 4},
        {head + "\"v\"=\"unterminated\n", 4},
        {head + "\"v\"=\"C:\\Program Files\"\n", 4},
        {head + "\"v\"=\"a\" trailing\n", 4},
        {head + "\"v\" \"a\"\n", 4},
        {head + "\"v\"=hex:1,,2\n", 4},
        {head + "\"v\"=hex:123\n", 4},
        {head + "\"v\"=hex(2:00\n", 4},
        {head + "\"v\"=hex(2):41,00,42\n", 4},
        {head + "\"v\"=str:abc\n", 4},
        {head + "\"ok\"=hex:01,\\\n  02,\\\n  zz\n\"next\"=\"x\"\n", 4},
        {head + "just some words\n", 4},
        {head + "\"a\x01b\"=\"x\"\n", 4},
        {head + "\"v\"=\"nul" + std::string(1, '\0') + "\"\n", 4},
        {head + "\"v\"=hex:00,\\\n" + std::string(1, '\0') + "01\n", 4},
        {head + "[HKEY_LOCAL_MACHINE\\B\n", 4},
        {head + "[HKEY_NOWHERE\\B]\n", 4},
        {head + "[HKEY_LOCAL_MACHINE\\A\\\\B]\n", 4},
        {head + "[-HKEY_LOCAL_MACHINE]\n", 4},
        {head + "[-HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"1\"\n", 5},
        {"Windows Registry Editor Version 5.00\n\"v\"=\"1\"\n", 2},
        {"\xFF\xFE" + sys::Utf8ToUtf16Le(head) + "x", 1},
        {"\xFE\xFF", 1},
    };
    for (const auto& c : cases) {
        try {
            sys::ParseRegFile(c.text, "C:\\x\\bde.reg");
            ADD_FAILURE() << "accepted case " << (&c - cases) << ": " << c.text;
        } catch (const sys::EParseError& error) {
            EXPECT_EQ(error.File, "C:\\x\\bde.reg");
            EXPECT_EQ(error.Line, c.line) << c.text;
        }
    }
}

TEST_F(PrefixTest, ImportOfAMalformedFileChangesNothing) {
    const auto file = TempPrefix::Write(prefix.Root / "bad.reg",
                                        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Borland\\BLW32]\n"
                                        "\"a\"=\"1\"\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft]\n"
                                        "\"b\"=dword:nothex\n");
    const std::string before = TempPrefix::Read(prefix.Root / "system.reg");
    try {
        sys::ImportRegFile(file.string());
        FAIL() << "imported a malformed file";
    } catch (const sys::EParseError& error) {
        EXPECT_EQ(error.File, file.string());
        EXPECT_EQ(error.Line, 5);
    }
    EXPECT_EQ(TempPrefix::Read(prefix.Root / "system.reg"), before);
    EXPECT_THROW(sys::ImportRegFile((prefix.Root / "missing.reg").string()), sys::EInOutError);
}

TEST_F(PrefixTest, ExportedFileImportsToTheSameHive) {
    const std::string longBinary(100, '\x5a');
    sys::UpdateHive([&](sys::RegistryHive& hive) {
        auto& key = hive.Create("SOFTWARE\\Kestrix\\Sub Key");
        const auto set = [&](const std::string& name, sys::RegValueType type,
                             const std::string& data) {
            key.Values[name] = {type, {data.begin(), data.end()}};
            key.ValueNames[name] = name;
        };
        set("plain", sys::RegValueType::String, "C:\\Kesvard \"x\"");
        set("lines", sys::RegValueType::String, "one\r\ntwo");
        set("unicode", sys::RegValueType::String, "\xc8\x98i \xe2\x82\xac");
        set("long", sys::RegValueType::Binary, longBinary);
        set("multi", sys::RegValueType::MultiString, std::string("x\0y\0", 4));
        set("exp", sys::RegValueType::ExpandString, "%TEMP%");
        set("n", sys::RegValueType::DWord, std::string("\xff\xff\xff\xff", 4));
        set("qword", static_cast<sys::RegValueType>(11), std::string(8, '\x01'));
    });
    const auto original = sys::LoadHive();
    const auto file = prefix.Root / "export.reg";
    sys::ExportRegFile(file.string(), "HKEY_LOCAL_MACHINE\\software\\KESTRIX");
    const std::string bytes = TempPrefix::Read(file);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    const std::string text = *sys::Utf16LeToUtf8(bytes.substr(2));
    EXPECT_EQ(text.find("Windows Registry Editor Version 5.00\r\n\r\n"
                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrix]\r\n"),
              0u);
    for (const auto& line :
         {"\"plain\"=\"C:\\\\Kesvard \\\"x\\\"\"\r\n", "\"n\"=dword:ffffffff\r\n",
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrix\\Sub Key]\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    // Long lists are wrapped within 80 columns.
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        EXPECT_LE(end - start, 80u);
        start = end + 2;
    }
    const auto reread = Parsed(bytes);
    const auto* a = original.Find("SOFTWARE\\Kestrix\\Sub Key");
    const auto* b = reread.Find("SOFTWARE\\Kestrix\\Sub Key");
    ASSERT_TRUE(a && b);
    ASSERT_EQ(a->Values.size(), b->Values.size());
    for (const auto& [name, value] : a->Values) {
        EXPECT_EQ(b->Values.at(name).Type, value.Type) << name;
        EXPECT_EQ(b->Values.at(name).Data, value.Data) << name;
    }
    EXPECT_THROW(sys::ExportRegFile(file.string(), "HKEY_LOCAL_MACHINE\\Nothing"),
                 sys::ERegistryException);
    EXPECT_THROW(sys::ExportRegFile(file.string(), "HKEY_CURRENT_USER\\Software"),
                 sys::ERegistryException);
    EXPECT_EQ(TempPrefix::Read(file), bytes); // a failed export leaves the old file
}
