#pragma once
// TFrameViewer: the control that shows an HTML page from a local file (the version instructions
// page). It reports the page's title, lays the page out with its default and preformatted fonts,
// follows links to other local pages inside itself and fetches nothing from the network. The
// print options are kept for the page's printing.
#include <memory>
#include <string>

#include "platform/ui/controls/win_control.h"
#include "platform/ui/core/string_list.h"

namespace html {

// A form of the page was submitted: its action, target, encoding type, method and the
// name=value pairs of its fields.
using TFormSubmitEvent = std::function<void(
    ui::TObject* sender, const std::string& action, const std::string& target,
    const std::string& encType, const std::string& method, const ui::TStrings& results)>;

class TFrameViewer : public ui::TWinControl {
public:
    explicit TFrameViewer(ui::TComponent* owner);
    ~TFrameViewer() override;

    ui::TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ui::TBorderStyle value);
    bool NoFocusRect() const { return noFocusRect_; }
    void SetNoFocusRect(bool value) { noFocusRect_ = value; }
    bool PrintMonoBlack() const { return printMonoBlack_; }
    void SetPrintMonoBlack(bool value) { printMonoBlack_ = value; }
    bool PrintTableBackground() const { return printTableBackground_; }
    void SetPrintTableBackground(bool value) { printTableBackground_ = value; }

    // Font names as the platform names them ("Times New Roman"), resolved through the font
    // substitution table.
    const std::string& DefFontName() const { return defFontName_; }
    void SetDefFontName(const std::string& value);
    const std::string& DefPreFontName() const { return defPreFontName_; }
    void SetDefPreFontName(const std::string& value);

    // Print margins in centimetres and the print scale; a negative margin counts as none, a
    // scale that is not positive is refused.
    double PrintMarginLeft() const { return margins_[0]; }
    void SetPrintMarginLeft(double value) { SetMargin(0, value); }
    double PrintMarginRight() const { return margins_[1]; }
    void SetPrintMarginRight(double value) { SetMargin(1, value); }
    double PrintMarginTop() const { return margins_[2]; }
    void SetPrintMarginTop(double value) { SetMargin(2, value); }
    double PrintMarginBottom() const { return margins_[3]; }
    void SetPrintMarginBottom(double value) { SetMargin(3, value); }
    double PrintScale() const { return printScale_; }
    void SetPrintScale(double value);

    // How many earlier pages the viewer remembers for going back (0: none).
    int HistoryMaxCount() const { return historyMaxCount_; }
    void SetHistoryMaxCount(int value);
    int HistoryCount() const { return int(history_.size()); }
    bool GoBack();

    // Loads the page of a Windows path. A missing or unreadable file raises sys::EInOutError
    // naming it, and the page shown stays.
    void LoadFromFile(const std::string& name);
    // The Windows path of the page shown (empty before the first load).
    const std::string& CurrentFile() const { return currentFile_; }
    // The page's <title>, empty when it has none.
    std::string DocumentTitle() const;
    // The page's text as plain text.
    std::string DocumentText() const;
    // The installed font family the page's text is laid out with where text first occurs
    // (empty when the text is not on the page).
    std::string FontFamilyAt(const std::string& text) const;

    // Follows a link of the page as a click does: a local page is loaded (and remembered in the
    // history), an anchor is scrolled to, a form's submit button reports the form through
    // OnFormSubmit and changes nothing else; other links are ignored. True when followed.
    bool FollowLink(const std::string& href);

    TFormSubmitEvent OnFormSubmit;

    void Dispatch(ui::TMessage& message) override;

protected:
    void CreateParams(ui::TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void KeyDown(uint16_t& key, ui::TShiftState shift) override;

private:
    struct TImpl;
    void SetMargin(int index, double value);
    void ApplyFonts();
    void LayOut();
    void ApplyColors();
    void PlaceBrowser();
    void ShowPage(const std::string& name, const std::string& fragment, bool remember);

    std::unique_ptr<TImpl> impl_;
    ui::TBorderStyle borderStyle_ = ui::bsSingle;
    bool noFocusRect_ = false;
    bool printMonoBlack_ = true;
    bool printTableBackground_ = false;
    std::string defFontName_ = "Times New Roman";
    std::string defPreFontName_ = "Courier New";
    double margins_[4] = {2.0, 2.0, 2.0, 2.0};
    double printScale_ = 1.0;
    int historyMaxCount_ = 0;
    std::vector<std::string> history_;
    std::string currentFile_;
};

} // namespace html
