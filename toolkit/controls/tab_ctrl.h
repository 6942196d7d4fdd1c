#pragma once
// TKesvTabCtrl322: the toolkit's skinned page control. Its tabs are cut from a face of three
// tab images (normal, hot, selected) of three slices each, copied from the skin's tab face and
// recoloured from the parent's colour and a middle colour (or, in the menu look, the tab colour
// of a module kind's design record). The tab under the mouse is drawn hot; OnTabChange can
// refuse a change of page, by the user or by code.
#include <functional>
#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/stdctrls/page_control.h"

namespace tk {

// A change of page: clearing allowChange keeps (or brings back) the old page.
using TTabChangeEvent = std::function<void(ui::TObject* sender, ui::TTabSheet* oldTab,
                                           ui::TTabSheet* newTab, bool& allowChange)>;

class TKesvTabCtrl322 : public ui::TPageControl {
public:
    explicit TKesvTabCtrl322(ui::TComponent* owner);
    ~TKesvTabCtrl322() override;

    // The selected tab; setting it shows its page (OnTabChange may refuse).
    int TabIndex() const { return ui::TPageControl::TabIndex(); }
    void SetTabIndex(int value);
    // The active page's index; out-of-range values and values set while a change is running
    // are ignored.
    int PageIndex() const { return ActivePageIndex(); }
    void SetPageIndex(int value);
    // Asks OnTabChange first; a page of another page control is ignored.
    void SetActivePage(ui::TTabSheet* page);

    // 0 the normal look; n in 1 .. 14 the menu look in the tab colour of module kind n - 1.
    // Other values are refused.
    int TipTab() const { return tipTab_; }
    void SetTipTab(int value);
    int TabWSize() const { return tabWSize_; }
    void SetTabWSize(int value);
    // Requested tab height: 0 the face's height, -1 hidden tabs.
    int TabHSize() const { return tabHSize_; }
    void SetTabHSize(int value);
    ui::TFont& TitleFont() { return *titleFont_; }
    void SetTitleFont(const ui::TFont& value) { titleFont_->Assign(value); }
    // Fixed tab width; 0 automatic (shared out between the pages); -1 the platform's own.
    int CustomTabWidth() const { return customTabWidth_; }
    void SetCustomTabWidth(int value);
    ui::TColor ShortcutColor() const { return shortcutColor_; }
    void SetShortcutColor(ui::TColor value);
    ui::TColor MiddleColor() const { return middleColor_; }
    void SetMiddleColor(ui::TColor value);
    ui::TColor DarkColor() const { return darkColor_; }
    void SetDarkColor(ui::TColor value);
    bool DarkColorUse() const { return darkColorUse_; }
    void SetDarkColorUse(bool value);

    // The parent colour the face was last built for.
    ui::TColor BackgroundColor() const { return backgroundColor_; }
    // The page index of the tab under the mouse, -1 for none.
    int LastFocused() const { return lastFocused_; }
    // The recoloured face (empty when the skin has no tab face).
    const ui::TBitmap& Face() const { return *face_; }
    // Recolours the face, freshly copied from the skin, for the current colours.
    void CreateFace();

    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(ui::TMessage& message) override;

    TTabChangeEvent OnTabChange;

protected:
    // Called by the colour setters; nothing to do here.
    virtual void ColorsChanged() {}
    // Copies the skin's face for the current look and recolours it.
    virtual void PrepareFace();
    // Draws one page's tab from the face, with its caption.
    virtual void DrawTab(ui::TCanvas& canvas, int pageIndex, bool selected, bool hot, bool enabled);

    bool CanChange() override;
    void Change() override;
    // The platform's owner-draw call: the whole tab is drawn by Paint instead.
    void DrawTab(int tabIndex, const ui::TRect& rect, bool active) override;
    void InsertPage(ui::TTabSheet* page) override;
    void RemovePage(ui::TTabSheet* page) override;
    void Paint() override;
    void MouseMove(ui::TShiftState shift, int x, int y) override;

private:
    bool TabsShown() const;
    void UpdateTabSize();
    // The colour the face is built for: the parent's, when it is a panel, a form or a toolkit
    // tab sheet, else white.
    ui::TColor FaceParentColor() const;
    // The selected tab's body colour: MiddleColor, or the module kind's tab colour.
    ui::TColor SelectedTabColor() const;
    bool PageTabEnabled(int pageIndex) const;
    bool PageSelected(int pageIndex) const;
    void RedrawTab(int pageIndex, bool hot);

    bool inPageChange_ = false;
    ui::TColor backgroundColor_ = 0x0000FF;
    ui::TColor middleColor_ = 0xD6D6D6;
    ui::TColor darkColor_ = 0xD6D6D6;
    bool darkColorUse_ = false;
    int tabWSize_ = 0;
    int tabHSize_ = 0;
    std::unique_ptr<ui::TFont> titleFont_;
    int customTabWidth_ = 0;
    ui::TTabSheet* oldPage_ = nullptr;
    int tipTab_ = 0;
    ui::TColor shortcutColor_ = 0x0000FF;
    std::unique_ptr<ui::TBitmap> face_;
    const ui::TBitmap* imageBuffer_ = nullptr; // the skin's template, not owned
    int lastFocused_ = -1;
};

} // namespace tk
