#include "platform/ui/stdctrls/drive_combo_box.h"

#include <algorithm>

#include "platform/sys/ascii.h"
#include "platform/sys/files.h"
#include "platform/sys/prefix.h"
#include "platform/ui/stdctrls/folder_list_box.h"

namespace ui {

TDriveComboBox::TDriveComboBox(TComponent* owner) : TCustomComboBox(owner) {
    SetStyle(csDropDownList);
    BuildList();
    std::string current = sys::GetCurrentDir();
    if (current.size() < 2 || current[1] != ':' || !SetDrive(current[0]))
        SetItemIndex(Items().Count() > 0 ? 0 : -1);
}

void TDriveComboBox::BuildList() {
    std::vector<std::string> names;
    for (const sys::DriveMapping& mapping : sys::Drives()) {
        // Shares without a letter are not drives of the list.
        if (mapping.Root.size() == 2 && mapping.Root[1] == ':')
            names.push_back(sys::LowerAscii(mapping.Root));
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    Items().Assign(names);
    int index = IndexOfDrive(drive_);
    SetItemIndex(index);
    if (index < 0)
        drive_ = 0;
}

int TDriveComboBox::IndexOfDrive(char drive) const {
    char lower = sys::ToLowerAscii(drive);
    const TStrings& items = Items();
    for (int i = 0; i < items.Count(); ++i)
        if (items[i][0] == lower)
            return i;
    return -1;
}

bool TDriveComboBox::SetDrive(char value) {
    int index = IndexOfDrive(value);
    if (index < 0)
        return false;
    if (dirList_ && !dirList_->SetDrive(value)) {
        SetItemIndex(IndexOfDrive(drive_));
        return false;
    }
    drive_ = sys::ToLowerAscii(value);
    SetItemIndex(index);
    return true;
}

void TDriveComboBox::Select() {
    char chosen = ItemIndex() >= 0 ? Items()[ItemIndex()][0] : 0;
    if (chosen && chosen != drive_ && !SetDrive(chosen))
        return;
    TCustomComboBox::Select();
}

void TDriveComboBox::SetDirList(TDirectoryListBox* value) {
    if (dirList_)
        dirList_->RemoveFreeNotification(this);
    dirList_ = value;
    if (value) {
        value->FreeNotification(this);
        if (drive_ && !InState(csLoading))
            value->SetDrive(drive_);
    }
}

void TDriveComboBox::Loaded() {
    TCustomComboBox::Loaded();
    if (dirList_ && drive_ && dirList_->Drive() != sys::ToUpperAscii(drive_))
        dirList_->SetDrive(drive_);
}

void TDriveComboBox::Notification(TComponent* component, TOperation operation) {
    TCustomComboBox::Notification(component, operation);
    if (operation == opRemove && component == dirList_)
        dirList_ = nullptr;
}

} // namespace ui
