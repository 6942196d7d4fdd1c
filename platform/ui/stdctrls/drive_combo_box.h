#pragma once
// TDriveComboBox: the drive letters of the prefix in a list-only combo box ("c:", "d:" ...).
// Choosing a drive moves the linked folder list (DirList) to it; when the folder list cannot
// open the drive (its host folder is missing), the combo returns to the drive it showed.
#include "platform/ui/stdctrls/combo_box.h"

namespace ui {

class TDirectoryListBox;

class TDriveComboBox : public TCustomComboBox {
public:
    explicit TDriveComboBox(TComponent* owner);

    // The chosen drive letter (lower case, as listed).
    char Drive() const { return drive_; }
    // Chooses a drive; false when it is not one of the listed drives or the folder list
    // cannot open it.
    bool SetDrive(char value);
    TDirectoryListBox* DirList() const { return dirList_; }
    void SetDirList(TDirectoryListBox* value);
    // Lists the prefix's drives again.
    void BuildList();

protected:
    void Select() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    int IndexOfDrive(char drive) const;

    char drive_ = 0;
    TDirectoryListBox* dirList_ = nullptr;
};

} // namespace ui
