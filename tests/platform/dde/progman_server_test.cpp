// The built-in Program Manager server: the installer's group commands become a freedesktop
// menu in the prefix; refused commands leave everything as it was.
#include "progman_fixture.h"

#include "platform/dde/menu_file.h"

namespace {

using kxtest::ProgmanTest;
using kxtest::TempPrefix;

const char* InstallerMacro = "[CreateGroup(\"Kestrix\")]"
                             "[AddItem(\"C:\\Kesvard\\TALVEN.EXE\", \"Talven\")]"
                             "[ShowGroup(\"Kestrix\",8)]";

// Every file below the menus folder with its content.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, error))
        if (entry.is_regular_file())
            files[entry.path().string()] = TempPrefix::Read(entry.path());
    return files;
}

TEST_F(ProgmanTest, TheInstallersCommandsMakeAMenuWhoseEntryStartsTheProgram) {
    WriteRecordingProgram("Kesvard/TALVEN.EXE");
    ASSERT_TRUE(Server.Execute(InstallerMacro)) << Server.LastError();

    const auto menu = dde::ReadGroupMenu(Menu("kestrix-kestrix.menu"));
    EXPECT_EQ(menu.GroupName, "Kestrix");
    EXPECT_EQ(menu.DirectoryFile, "kestrix-kestrix.directory");
    EXPECT_EQ(menu.Items, std::vector<std::string>{"kestrix-kestrix-talven.desktop"});

    const auto directory = ReadEntry(Directory("kestrix-kestrix.directory"));
    EXPECT_EQ(directory.at("Name"), "Kestrix");
    EXPECT_EQ(directory.at("X-Kestrix-ShowCommand"), "8");

    const auto item = Desktop("kestrix-kestrix-talven.desktop");
    const auto entry = ReadEntry(item);
    EXPECT_EQ(entry.at("Name"), "Talven");
    EXPECT_EQ(entry.at("X-Kestrix-CommandLine"), "C:\\Kesvard\\TALVEN.EXE");
    ASSERT_EQ(Launch(item), 0);
    EXPECT_EQ(TempPrefix::Read(Prefix.C("Kesvard/ran.txt")),
              "prefix=" + Prefix.Root.string() + "\nfolder=" + Prefix.C("Kesvard").string() + "\n");
}

TEST_F(ProgmanTest, TheEntriesPassDesktopFileValidate) {
    if (!HasValidator())
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) is not installed";
    WriteRecordingProgram("Program Files/Kes vard & Co/TALVEN.EXE");
    ASSERT_TRUE(Server.Execute(InstallerMacro)) << Server.LastError();
    ASSERT_TRUE(Server.Execute("[CreateGroup(\"Kestrix Tools; 100% $HOME\")]"
                               "[AddItem(\"C:\\Program Files\\Kes vard & Co\\TALVEN.EXE /Q 50%\","
                               " \"Talven \\ 50% $x\",,,,,\"C:\\Kesvard\",,1)]"))
        << Server.LastError();
    std::vector<std::filesystem::path> files;
    for (const char* folder : {"applications", "desktop-directories"})
        for (const auto& entry : std::filesystem::directory_iterator(Menus() / folder))
            files.push_back(entry.path());
    ASSERT_EQ(files.size(), 4u);
    for (const auto& file : files)
        EXPECT_EQ(Validate(file), "") << file << "\n" << TempPrefix::Read(file);
}

TEST_F(ProgmanTest, AProgramPathWithBlanksRunsWithItsArguments) {
    WriteRecordingProgram("Program Files/Kes vard/TALVEN.EXE");
    ASSERT_TRUE(Server.Execute("[CreateGroup(Kestrix)]"
                               "[AddItem(\"C:\\Program Files\\Kes vard\\TALVEN.EXE /Q two\","
                               "\"Talven\")]"))
        << Server.LastError();
    ASSERT_EQ(Launch(Desktop("kestrix-kestrix-talven.desktop")), 0);
    EXPECT_EQ(TempPrefix::Read(Prefix.C("Program Files/Kes vard/ran.txt")),
              "prefix=" + Prefix.Root.string() + "\nfolder=" +
                  Prefix.C("Program Files/Kes vard").string() + "\narg=/Q\narg=two\n");
}

TEST_F(ProgmanTest, AProgramNotOnDiskYetIsFoundByItsExtension) {
    ASSERT_TRUE(Server.Execute("[CreateGroup(Kestrix)]"
                               "[AddItem(\"C:\\Program Files\\New App\\APP.EXE /x\")]"))
        << Server.LastError();
    const auto entry = ReadEntry(Desktop("kestrix-kestrix-app.desktop"));
    EXPECT_EQ(entry.at("Name"), "APP") << "an item without a name is named after its program";
    EXPECT_EQ(ExecArguments(entry.at("Exec")),
              (std::vector<std::string>{"env", "KESTRIX_PREFIX=" + Prefix.Root.string(),
                                        Prefix.C("Program Files/New App/APP.EXE").string(), "/x"}));
}

TEST_F(ProgmanTest, AMalformedCommandIsRefusedAndTheOnesBeforeItStayDone) {
    WriteRecordingProgram("Kesvard/TALVEN.EXE");
    EXPECT_FALSE(Server.Execute("[CreateGroup(\"Kestrix\")]"
                                "[AddItem(\"C:\\Kesvard\\TALVEN.EXE\", \"Talven\")]"
                                "[ShowGroup(\"Kestrix\",8)]"
                                "[AddItem(\"C:\\Kesvard\\DORVANE.EXE, Dorvane)]"));
    EXPECT_NE(Server.LastError().find("unterminated quote"), std::string::npos)
        << Server.LastError();
    EXPECT_EQ(dde::ReadGroupMenu(Menu("kestrix-kestrix.menu")).Items,
              std::vector<std::string>{"kestrix-kestrix-talven.desktop"});
    EXPECT_EQ(ReadEntry(Directory("kestrix-kestrix.directory")).at("X-Kestrix-ShowCommand"), "8");
}

TEST_F(ProgmanTest, AnUnknownCommandStopsTheMacro) {
    WriteRecordingProgram("Kesvard/TALVEN.EXE");
    EXPECT_FALSE(Server.Execute("[CreateGroup(Kestrix)][ExitProgman(1)]"
                                "[AddItem(C:\\Kesvard\\TALVEN.EXE,Talven)]"));
    EXPECT_EQ(Server.LastError(), "ExitProgman: unknown command");
    EXPECT_TRUE(dde::ReadGroupMenu(Menu("kestrix-kestrix.menu")).Items.empty());
    EXPECT_FALSE(std::filesystem::exists(Desktop("kestrix-kestrix-talven.desktop")));
}

struct Refusal {
    const char* Macro;
    const char* Fragment;
};

TEST_F(ProgmanTest, RefusedCommandsChangeNothing) {
    WriteRecordingProgram("Kesvard/TALVEN.EXE");
    ASSERT_TRUE(Server.Execute(InstallerMacro)) << Server.LastError();
    const Refusal cases[] = {
        {"[AddItem()]", "wrong number of arguments"},
        {"[AddItem(\"  \")]", "needs a command line"},
        {"[AddItem(C:\\Kesvard\\TALVEN.EXE,T,icon,first)]", "icon index \"first\" is not a number"},
        {"[AddItem(C:\\Kesvard\\TALVEN.EXE,T,,,10)]", "needs both x and y"},
        {"[AddItem(C:\\Kesvard\\TALVEN.EXE,T,,,,,,,,,extra)]", "wrong number of arguments"},
        {"[AddItem(Q:\\Elsewhere\\A.EXE,A)]", "not mapped"},
        {"[AddItem(C:\\Kesvard\\TALVEN.EXE,T,,,,,Q:\\Work)]", "not mapped"},
        {"[AddItem(\"C:\\Kesvard\\TALVEN.EXE\",\"Two\nLines\")]", "control character"},
        {"[AddItem(\"C:\\Kesvard\\TALVEN.EXE\",\"Bad \xC3\x28 UTF-8\")]", "not UTF-8"},
        {"[ShowGroup(Kestrix,9)]", "not 1 to 8"},
        {"[ShowGroup(Kestrix,normal)]", "not a number"},
        {"[ShowGroup(Kestrix)]", "wrong number of arguments"},
        {"[ShowGroup(Missing,1)]", "no group Missing"},
        {"[DeleteItem(Nothing)]", "no item Nothing"},
        {"[DeleteGroup(Missing)]", "no group Missing"},
        {"[Reload(Missing)]", "no group Missing"},
        {"[CreateGroup(\"\")]", "a name is needed"},
        {"[Frobnicate]", "unknown command"},
        {"[CreateGroup(Kestrix", "malformed command"},
    };
    const auto before = Snapshot(Menus());
    for (const Refusal& refusal : cases) {
        EXPECT_FALSE(Server.Execute(refusal.Macro)) << refusal.Macro;
        EXPECT_NE(Server.LastError().find(refusal.Fragment), std::string::npos)
            << refusal.Macro << " -> " << Server.LastError();
        EXPECT_EQ(Snapshot(Menus()), before) << refusal.Macro;
    }
}

TEST_F(ProgmanTest, ItemsGoToTheGroupCreatedOrShownLast) {
    WriteRecordingProgram("Kesvard/TALVEN.EXE");
    EXPECT_FALSE(Server.Execute("[AddItem(C:\\Kesvard\\TALVEN.EXE)]"));
    EXPECT_NE(Server.LastError().find("no group was created or shown"), std::string::npos);
    ASSERT_TRUE(Server.Execute("[CreateGroup(A)][CreateGroup(B)][ShowGroup(a,1)]"
                               "[AddItem(C:\\Kesvard\\TALVEN.EXE,Talven)]"))
        << Server.LastError();
    EXPECT_EQ(dde::ReadGroupMenu(Menu("kestrix-a.menu")).Items.size(), 1u);
    EXPECT_TRUE(dde::ReadGroupMenu(Menu("kestrix-b.menu")).Items.empty());
}

TEST_F(ProgmanTest, ItemsAreReplacedByNameAndDeletedWithTheirGroup) {
    WriteRecordingProgram("Kesvard/TALVEN.EXE");
    WriteRecordingProgram("Kesvard/VORNEXA.EXE");
    ASSERT_TRUE(Server.Execute("[CreateGroup(Kestrix)][AddItem(C:\\Kesvard\\TALVEN.EXE,Talven)]"
                               "[AddItem(C:\\Kesvard\\VORNEXA.EXE,Vornexa)]"
                               "[AddItem(C:\\Kesvard\\TALVEN.EXE /fresh,TALVEN)]"))
        << Server.LastError();
    EXPECT_EQ(dde::ReadGroupMenu(Menu("kestrix-kestrix.menu")).Items,
              (std::vector<std::string>{"kestrix-kestrix-talven.desktop",
                                        "kestrix-kestrix-vornexa.desktop"}));
    EXPECT_EQ(ReadEntry(Desktop("kestrix-kestrix-talven.desktop")).at("X-Kestrix-CommandLine"),
              "C:\\Kesvard\\TALVEN.EXE /fresh");

    ASSERT_TRUE(Server.Execute("[DeleteItem(talven)]")) << Server.LastError();
    EXPECT_FALSE(std::filesystem::exists(Desktop("kestrix-kestrix-talven.desktop")));
    EXPECT_EQ(dde::ReadGroupMenu(Menu("kestrix-kestrix.menu")).Items,
              std::vector<std::string>{"kestrix-kestrix-vornexa.desktop"});

    TempPrefix::Write(Desktop("kestrix-kestrix-left_over.desktop"), "[Desktop Entry]\n");
    ASSERT_TRUE(Server.Execute("[CreateGroup(Kestrix Tools)][AddItem(C:\\Kesvard\\TALVEN.EXE)]"
                               "[DeleteGroup(KESTRIX)]"))
        << Server.LastError();
    const auto left = Snapshot(Menus());
    EXPECT_EQ(left.size(), 3u) << "only the other group's three files are left";
    for (const auto& [file, text] : left)
        EXPECT_NE(file.find("kestrix_tools"), std::string::npos) << file;
}

TEST_F(ProgmanTest, ADamagedMenuFileIsReportedAndKept) {
    ASSERT_TRUE(Server.Execute("[CreateGroup(Kestrix)]")) << Server.LastError();
    const std::filesystem::path menu = Menu("kestrix-kestrix.menu");
    const char* damaged[] = {"<Menu><Name>Kestrix</Name>", "<Menu><Name>Applications</Name></Menu>",
                             ""};
    for (const char* text : damaged) {
        TempPrefix::Write(menu, text);
        for (const char* macro :
             {"[CreateGroup(Kestrix)]", "[ShowGroup(Kestrix,1)]",
              "[AddItem(C:\\Kesvard\\TALVEN.EXE,Talven)]", "[DeleteGroup(Kestrix)]", "[Reload]"}) {
            EXPECT_FALSE(Server.Execute(macro)) << macro << " with " << text;
            EXPECT_NE(Server.LastError().find(menu.string()), std::string::npos)
                << Server.LastError();
            EXPECT_EQ(TempPrefix::Read(menu), text);
        }
    }
}

TEST_F(ProgmanTest, AMenuFolderThatIsNoFolderIsReported) {
    TempPrefix::Write(Menus() / "applications", "not a folder");
    EXPECT_FALSE(Server.Execute("[CreateGroup(Kestrix)]"));
    EXPECT_NE(Server.LastError().find((Menus() / "applications").string() + ": is not a folder"),
              std::string::npos)
        << Server.LastError();
    EXPECT_EQ(TempPrefix::Read(Menus() / "applications"), "not a folder");
}

} // namespace
