// The drive combo box and the folder list box over the prefix: the drives the prefix maps,
// the open folder with its parents and subfolders, opening a folder, the list following the
// chosen drive, and a drive whose host folder is missing, which is listed but never opened.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../../common/temp_prefix.h"
#include "control_host.h"
#include "platform/ui/stdctrls/drive_combo_box.h"
#include "platform/ui/stdctrls/folder_list_box.h"
#include "platform/ui/window/window_system.h"

namespace ui::testing {
namespace {

class FolderControls : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(prefix.C("Kesvard/Data"));
        std::filesystem::create_directories(prefix.C("Kesvard/Arhiva"));
        std::filesystem::create_directories(prefix.Root / "media/DISK1");
        sys::MapDrive({"A:", prefix.Root / "media", sys::DriveType::Removable});
        sys::MapDrive({"M:", prefix.Root / "missing", sys::DriveType::Remote});
        sys::MapDrive({"\\\\server\\share", prefix.Root / "media", sys::DriveType::Remote});
    }
    kxtest::TempPrefix prefix;
};

TEST_F(FolderControls, DriveListShowsTheLettersOfThePrefix) {
    TDriveComboBox drives(nullptr);
    std::vector<std::string> items = drives.Items().Items();
    EXPECT_NE(std::find(items.begin(), items.end(), "a:"), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), "c:"), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), "m:"), items.end());
    for (const std::string& item : items)
        EXPECT_EQ(item.size(), 2u) << item; // shares without a letter are left out
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
}

TEST_F(FolderControls, FolderListShowsParentsThenSubfolders) {
    TDirectoryListBox dirs(nullptr);
    ASSERT_TRUE(dirs.SetDirectory("c:/kesvard"));
    EXPECT_EQ(dirs.Directory(), "C:\\kesvard");
    std::vector<std::string> expected = {"C:\\", "kesvard", "Arhiva", "Data"};
    EXPECT_EQ(dirs.Items().Items(), expected);
    EXPECT_EQ(dirs.OpenCount(), 2);
    EXPECT_EQ(dirs.ItemIndex(), 1);
    EXPECT_EQ(dirs.GetItemPath(3), "C:\\kesvard\\Data");
    EXPECT_EQ(dirs.GetItemPath(0), "C:\\");
    EXPECT_EQ(dirs.GetItemPath(9), "");
}

TEST_F(FolderControls, OpeningAFolderMovesTheListAndReportsIt) {
    test::TControlHost host;
    auto& dirs = host.Place<TDirectoryListBox>(10, 10, 200, 150);
    ASSERT_TRUE(dirs.SetDirectory("C:\\Kesvard"));
    std::vector<std::string> opened;
    dirs.OnChange = [&](TObject*) { opened.push_back(dirs.Directory()); };
    dirs.SetItemIndex(3);
    SendMessage(dirs.Handle(), WM_LBUTTONDBLCLK, 0, MakeLParam(30, dirs.ItemRect(3).Top + 2));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "C:\\Kesvard\\Data");
    EXPECT_FALSE(dirs.SetDirectory("C:\\Kesvard\\Nowhere"));
    EXPECT_FALSE(dirs.SetDirectory("not a path"));
    EXPECT_EQ(dirs.Directory(), "C:\\Kesvard\\Data");
    EXPECT_EQ(opened.size(), 1u);
    ASSERT_TRUE(dirs.SetDirectory("C:\\Kesvard\\Data\\..\\..\\.."));
    EXPECT_EQ(dirs.Directory(), "C:\\");
}

TEST_F(FolderControls, ChoosingADriveMovesTheFolderListUnlessItsFolderIsMissing) {
    TDirectoryListBox dirs(nullptr);
    TDriveComboBox drives(nullptr);
    ASSERT_TRUE(dirs.SetDirectory("C:\\Kesvard\\Data"));
    drives.SetDirList(&dirs);
    ASSERT_TRUE(drives.SetDrive('c'));
    EXPECT_TRUE(drives.SetDrive('A'));
    EXPECT_EQ(dirs.Directory(), "A:\\");
    EXPECT_EQ(dirs.Items()[1], "DISK1");
    EXPECT_EQ(drives.Text(), "a:");
    // The missing drive is listed, but choosing it leaves both where they were.
    EXPECT_FALSE(drives.SetDrive('m'));
    EXPECT_EQ(dirs.Directory(), "A:\\");
    EXPECT_EQ(drives.Drive(), 'a');
    EXPECT_EQ(drives.Text(), "a:");
    // Back on C: the list returns to the folder last open there.
    EXPECT_TRUE(drives.SetDrive('c'));
    EXPECT_EQ(dirs.Directory(), "C:\\Kesvard\\Data");
}

TEST_F(FolderControls, DriveChosenFromTheListByKeyFollowsTheSameRule) {
    test::TControlHost host;
    auto& dirs = host.Place<TDirectoryListBox>(10, 40, 200, 150);
    auto& drives = host.Place<TDriveComboBox>(10, 10, 200, 21);
    ASSERT_TRUE(dirs.SetDirectory("C:\\Kesvard"));
    drives.SetDirList(&dirs);
    drives.SetDrive('c');
    drives.SetFocus();
    SendMessage(drives.Handle(), WM_CHAR, 'm', 0); // the missing drive
    EXPECT_EQ(drives.Text(), "c:");
    EXPECT_EQ(dirs.Directory(), "C:\\Kesvard");
    SendMessage(drives.Handle(), WM_CHAR, 'a', 0);
    EXPECT_EQ(drives.Text(), "a:");
    EXPECT_EQ(dirs.Directory(), "A:\\");
}

} // namespace
} // namespace ui::testing
