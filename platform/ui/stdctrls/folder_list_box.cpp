#include "platform/ui/stdctrls/folder_list_box.h"

#include <algorithm>
#include <cctype>

#include "platform/sys/ascii.h"
#include "platform/sys/files.h"
#include "platform/ui/graphics/draw_text.h"

namespace ui {

namespace {

// "c:/a\\b\\" -> "C:\a\b"; a root keeps its separator ("C:\"). Empty when not a drive path.
std::string NormalFolder(const std::string& path) {
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0])))
        return {};
    std::string result(1, sys::ToUpperAscii(path[0]));
    result += ":";
    std::string part;
    auto flush = [&] {
        if (part.empty() || part == ".")
            ;
        else if (part == "..") {
            size_t cut = result.find_last_of('\\');
            if (cut != std::string::npos && cut >= 2)
                result.resize(cut);
        } else
            result += "\\" + part;
        part.clear();
    };
    for (size_t i = 2; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == '/')
            flush();
        else
            part += path[i];
    }
    flush();
    if (result.size() == 2)
        result += "\\";
    return result;
}

void DrawFolderGlyph(TCanvas& canvas, int x, int y, bool open) {
    // A folder of the classic look: a tab on top and a yellow body outlined in dark grey.
    canvas.Pen().SetColor(clGray);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(open ? clWhite : clYellow);
    canvas.Polygon({{x, y + 2},
                    {x + 2, y},
                    {x + 6, y},
                    {x + 7, y + 2},
                    {x + 14, y + 2},
                    {x + 14, y + 11},
                    {x, y + 11}});
    if (open) {
        canvas.Brush().SetColor(clYellow);
        canvas.Polygon({{x, y + 11}, {x + 3, y + 5}, {x + 16, y + 5}, {x + 14, y + 11}});
    }
}

} // namespace

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TCustomListBox(owner) {
    SetStyle(lbOwnerDrawFixed);
    SetItemHeight(16);
    SetDirectory(sys::GetCurrentDir());
}

bool TDirectoryListBox::SetDirectory(const std::string& path) {
    std::string folder = NormalFolder(path);
    if (folder.empty() || !sys::DirectoryExists(folder))
        return false;
    bool changed = !sys::EqualsNoCase(folder, directory_);
    directory_ = folder;
    lastOnDrive_[folder[0]] = folder;
    BuildItems();
    if (changed)
        Change();
    return true;
}

bool TDirectoryListBox::SetDrive(char drive) {
    drive = sys::ToUpperAscii(drive);
    if (drive == Drive())
        return true;
    auto last = lastOnDrive_.find(drive);
    if (last != lastOnDrive_.end() && SetDirectory(last->second))
        return true;
    return SetDirectory(std::string(1, drive) + ":\\");
}

void TDirectoryListBox::BuildItems() {
    std::vector<std::string> items;
    items.push_back(directory_.substr(0, 3));
    std::string rest = directory_.size() > 3 ? directory_.substr(3) : std::string();
    size_t start = 0;
    while (start < rest.size()) {
        size_t end = rest.find('\\', start);
        if (end == std::string::npos)
            end = rest.size();
        items.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    openCount_ = int(items.size());
    sys::TSearchRec rec;
    std::string mask = sys::IncludeTrailingPathDelimiter(directory_) + "*.*";
    for (int found = sys::FindFirst(mask, sys::faDirectory, rec); found == 0;
         found = sys::FindNext(rec)) {
        if ((rec.Attr & sys::faDirectory) && rec.Name != "." && rec.Name != "..")
            items.push_back(rec.Name);
    }
    sys::FindClose(rec);
    Items().Assign(items);
    SetItemIndex(openCount_ - 1);
    MakeVisible(openCount_ - 1);
    Invalidate();
}

int TDirectoryListBox::ItemLevel(int index) const {
    return std::min(index, openCount_);
}

std::string TDirectoryListBox::GetItemPath(int index) const {
    if (index < 0 || index >= Items().Count())
        return {};
    std::string path = Items()[0];
    int last = index < openCount_ ? index : openCount_ - 1;
    for (int i = 1; i <= last; ++i)
        path = sys::IncludeTrailingPathDelimiter(path) + Items()[i];
    if (index >= openCount_)
        path = sys::IncludeTrailingPathDelimiter(path) + Items()[index];
    return path;
}

void TDirectoryListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    TCanvas& canvas = Canvas();
    canvas.FillRect(rect);
    int x = rect.Left + 2 + ItemLevel(index) * 8;
    bool open = index < openCount_;
    DrawFolderGlyph(canvas, x, rect.Top + (rect.Height() - 12) / 2, open);
    TRect text = rect;
    text.Left = x + 20;
    canvas.Brush().SetStyle(bsClear);
    if (!(state & odSelected))
        canvas.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
    DrawText(canvas, Items()[index], text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    canvas.Brush().SetStyle(bsSolid);
}

void TDirectoryListBox::DblClick() {
    TCustomListBox::DblClick();
    if (ItemIndex() >= 0)
        SetDirectory(GetItemPath(ItemIndex()));
}

void TDirectoryListBox::KeyDown(uint16_t& key, TShiftState shift) {
    if (key == VK_RETURN && ItemIndex() >= 0) {
        SetDirectory(GetItemPath(ItemIndex()));
        key = 0;
        return;
    }
    TCustomListBox::KeyDown(key, shift);
}

void TDirectoryListBox::Change() {
    if (OnChange)
        OnChange(this);
}

} // namespace ui
