#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/text_file.h"
#include "sys_fixture.h"

using kxtest::PrefixTest;
using kxtest::TempPrefix;

TEST_F(PrefixTest, LinesAreWrittenWithCrLfAndReadWithEither) {
    {
        sys::TextFile out("C:\\Work\\..\\INSTTALV.DAT");
        out.Rewrite();
        out.WriteLn("A:\\KIT\\");
        out.Write("tail");
        out.Close();
    }
    EXPECT_EQ(TempPrefix::Read(prefix.C("INSTTALV.DAT")), "A:\\KIT\\\r\ntail");
    sys::TextFile append("c:\\insttalv.dat");
    append.Append();
    append.WriteLn("");
    append.Close();
    EXPECT_EQ(TempPrefix::Read(prefix.C("INSTTALV.DAT")), "A:\\KIT\\\r\ntail\r\n");

    TempPrefix::Write(prefix.C("mixed.txt"), "one\r\ntwo\n\nthree\rx\nlast");
    sys::TextFile in("C:\\MIXED.TXT");
    in.Reset();
    std::vector<std::string> lines;
    while (!in.Eof())
        lines.push_back(in.ReadLn());
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three\rx", "last"}));
    EXPECT_EQ(in.ReadLn(), ""); // past the end: an empty line, as the run-time library gives
    in.Close();
}

TEST_F(PrefixTest, TextFileFailuresCarryThePath) {
    TempPrefix::Write(prefix.C("ro.txt"), "keep");
    sys::SetFileAttributes("C:\\ro.txt", sys::faReadOnly);
    const struct {
        const char* path;
        void (sys::TextFile::*open)();
    } cases[] = {
        {"C:\\missing.txt", &sys::TextFile::Reset},
        {"C:\\nofolder\\x.txt", &sys::TextFile::Rewrite},
        {"C:\\nofolder\\x.txt", &sys::TextFile::Append},
        {"C:\\Windows", &sys::TextFile::Reset},
        {"C:\\Windows", &sys::TextFile::Rewrite},
        {"C:\\ro.txt", &sys::TextFile::Rewrite},
        {"C:\\ro.txt", &sys::TextFile::Append},
        {"Q:\\x.txt", &sys::TextFile::Reset},
    };
    for (const auto& c : cases) {
        sys::TextFile file(c.path);
        try {
            (file.*c.open)();
            ADD_FAILURE() << "opened " << c.path;
        } catch (const sys::EInOutError& error) {
            EXPECT_EQ(error.Path, c.path);
            EXPECT_NE(error.ErrorCode, 0) << c.path;
        }
        EXPECT_FALSE(file.IsOpen());
    }
    EXPECT_EQ(TempPrefix::Read(prefix.C("ro.txt")), "keep");
    sys::TextFile closed("C:\\ro.txt");
    EXPECT_THROW(closed.ReadLn(), sys::EInOutError);
    EXPECT_THROW(closed.WriteLn("x"), sys::EInOutError);
}
