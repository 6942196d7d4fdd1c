// The stored form that places one of each standard control loads, with the properties it
// gives each control in place.
#include <gtest/gtest.h>

#include "platform/ui/stdctrls/bevel.h"
#include "platform/ui/stdctrls/combo_box.h"
#include "platform/ui/stdctrls/drive_combo_box.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/folder_list_box.h"
#include "platform/ui/stdctrls/gauge.h"
#include "platform/ui/stdctrls/image.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/memo.h"
#include "platform/ui/testing/standard_controls_form.h"
#include "platform/ui/ui_test_support.h"

namespace ui::testing {
namespace {

template <class T> T& Named(TComponent& form, const std::string& name) {
    auto* found = dynamic_cast<T*>(form.FindComponent(name));
    if (!found)
        throw std::runtime_error("no " + name);
    return *found;
}

TEST(StoredControls, OneOfEachControlLoadsWithItsProperties) {
    RegisterStandardControlsForm();
    test::TOwned<TStandardControlsForm> form(CreateForm<TStandardControlsForm>(nullptr));
    EXPECT_EQ(Named<TLabel>(*form, "ProgramLabel").FocusControl(),
              &Named<TEdit>(*form, "ProgramEdit"));
    EXPECT_EQ(Named<TEdit>(*form, "ProgramEdit").Text(), "C:\\Kesvard\\");
    TMemo& memo = Named<TMemo>(*form, "NoteMemo");
    EXPECT_EQ(memo.Lines().Count(), 3);
    EXPECT_TRUE(memo.ReadOnly());
    EXPECT_EQ(memo.ScrollBars(), ssVertical);
    TComboBox& combo = Named<TComboBox>(*form, "KindCombo");
    EXPECT_EQ(combo.Style(), csDropDownList);
    EXPECT_EQ(combo.Text(), "SERVER");
    EXPECT_EQ(Named<TGauge>(*form, "CopyProgress").PercentDone(), 40);
    EXPECT_EQ(Named<TBevel>(*form, "Separator").Shape(), bsTopLine);
    TImage& image = Named<TImage>(*form, "Picture");
    EXPECT_EQ(image.Picture().Width(), 16);
    EXPECT_EQ(image.Width(), 16);
    EXPECT_TRUE(image.Transparent());
    TDriveComboBox& drives = Named<TDriveComboBox>(*form, "DriveCombo");
    EXPECT_EQ(drives.DirList(), &Named<TDirectoryListBox>(*form, "FolderList"));
    EXPECT_GT(drives.Items().Count(), 0);
}

} // namespace
} // namespace ui::testing
