#pragma once
// TDirectoryListBox: the folder tree of one drive of the prefix. The open folder and its
// parents are listed from the drive's root down, each indented one step further, followed by
// the open folder's subfolders. Double-click or Enter opens the selected folder; Drive moves
// the list to the folder last open on another drive. A folder that cannot be read (a drive
// whose host folder is missing) is not opened: the list stays where it was.
#include <map>

#include "platform/ui/stdctrls/list_box.h"

namespace ui {

class TDirectoryListBox : public TCustomListBox {
public:
    explicit TDirectoryListBox(TComponent* owner);

    // The open folder ("C:\Kesvard\Data"; a root as "C:\").
    const std::string& Directory() const { return directory_; }
    // Opens a folder; false (and nothing changes) when it is not an existing folder.
    bool SetDirectory(const std::string& path);
    char Drive() const { return directory_.empty() ? 0 : directory_[0]; }
    // Opens the folder last open on the drive (its root the first time); false when it cannot.
    bool SetDrive(char drive);
    // The full path of an item: the folder it stands for.
    std::string GetItemPath(int index) const;
    // How many of the items are the open folder and its parents (the rest are subfolders).
    int OpenCount() const { return openCount_; }

    TNotifyEvent OnChange;

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DblClick() override;
    virtual void Change();

private:
    void BuildItems();
    int ItemLevel(int index) const;

    std::string directory_;
    int openCount_ = 0;
    std::map<char, std::string> lastOnDrive_;
};

} // namespace ui
