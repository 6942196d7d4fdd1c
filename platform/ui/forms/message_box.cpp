#include "platform/ui/forms/message_box.h"

#include <algorithm>
#include <vector>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/window/window_system.h"

namespace ui {

namespace {

constexpr int kMargin = 11;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

struct TButtonSpec {
    const char* Name;
    const char* Caption;
    int Result;
};

std::vector<TButtonSpec> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{"OK", "OK", IDOK}, {"Cancel", "Cancel", IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{"Abort", "&Abort", IDABORT},
                {"Retry", "&Retry", IDRETRY},
                {"Ignore", "&Ignore", IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{"Yes", "&Yes", IDYES}, {"No", "&No", IDNO}, {"Cancel", "Cancel", IDCANCEL}};
    case MB_YESNO:
        return {{"Yes", "&Yes", IDYES}, {"No", "&No", IDNO}};
    case MB_RETRYCANCEL:
        return {{"Retry", "&Retry", IDRETRY}, {"Cancel", "Cancel", IDCANCEL}};
    default:
        return {{"OK", "OK", IDOK}};
    }
}

// The dialog paints its icon and text itself; the buttons are push buttons.
class TMessageBoxForm : public TForm {
public:
    TMessageBoxForm(const std::string& text, UINT type)
        : TForm(nullptr), text_(text), type_(type) {}

    TRect TextRect;

protected:
    void Paint() override {
        TCanvas& canvas = Canvas();
        UINT icon = type_ & MB_ICONMASK;
        if (icon) {
            TRect r = Bounds(kMargin, kMargin, kIconSize, kIconSize);
            TColor fill = icon == MB_ICONSTOP          ? clRed
                          : icon == MB_ICONEXCLAMATION ? clYellow
                                                       : clBlue;
            canvas.Pen().SetColor(clBlack);
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(fill);
            canvas.Ellipse(r);
            TFont font;
            font.SetName("Arial");
            font.SetHeight(-22);
            font.SetStyle(fsBold);
            font.SetColor(icon == MB_ICONEXCLAMATION ? clBlack : clWhite);
            canvas.SetFont(font);
            canvas.Brush().SetStyle(bsClear);
            const char* mark = icon == MB_ICONSTOP          ? "X"
                               : icon == MB_ICONEXCLAMATION ? "!"
                               : icon == MB_ICONQUESTION    ? "?"
                                                            : "i";
            DrawText(canvas, mark, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        canvas.SetFont(Font());
        canvas.Brush().SetStyle(bsClear);
        TRect r = TextRect;
        DrawText(canvas, text_, r, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    }

private:
    std::string text_;
    UINT type_;
};

} // namespace

int MessageBox(const std::string& text, const std::string& caption, UINT type) {
    auto* form = new TMessageBoxForm(text, type);
    form->AfterConstruction();
    form->SetName("MessageBox");
    form->SetBorderStyle(bsDialog);
    form->SetBorderIcons(biSystemMenu);
    form->SetCaption(caption);
    form->SetPosition(poScreenCenter);

    HDC dc = GetDC(0);
    dc->SetFont(form->Font());
    TRect measured{0, 0, std::max(200, Screen()->Width() / 2), 0};
    DrawText(*dc, text.empty() ? " " : text, measured,
             DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    ReleaseDC(0, dc);

    int textLeft = kMargin + ((type & MB_ICONMASK) ? kIconSize + kMargin : 0);
    int textHeight = std::max(measured.Height(), (type & MB_ICONMASK) ? kIconSize : 0);
    int textTop = kMargin + std::max(0, (textHeight - measured.Height()) / 2);
    form->TextRect = Bounds(textLeft, textTop, measured.Width(), measured.Height());

    std::vector<TButtonSpec> buttons = ButtonsOf(type);
    int buttonsWidth = int(buttons.size()) * kButtonWidth + int(buttons.size() - 1) * kButtonGap;
    int clientWidth = std::max(textLeft + measured.Width() + kMargin, buttonsWidth + 2 * kMargin);
    int buttonsTop = kMargin + textHeight + kMargin;
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(buttonsTop + kButtonHeight + kMargin);

    int defaultIndex = int((type & MB_DEFMASK) >> 8);
    if (defaultIndex >= int(buttons.size()))
        defaultIndex = 0;
    bool hasCancel =
        std::any_of(buttons.begin(), buttons.end(), [](auto& s) { return s.Result == IDCANCEL; });
    int left = (clientWidth - buttonsWidth) / 2;
    for (size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new TButton(form);
        button->SetName(buttons[i].Name);
        button->SetCaption(buttons[i].Caption);
        button->SetModalResult(buttons[i].Result);
        button->SetBounds(left, buttonsTop, kButtonWidth, kButtonHeight);
        button->SetParent(form);
        button->SetDefault(int(i) == defaultIndex);
        button->SetCancel(buttons[i].Result == IDCANCEL || (!hasCancel && buttons.size() == 1));
        if (int(i) == defaultIndex)
            form->SetActiveControl(button);
        left += kButtonWidth + kButtonGap;
    }
    int result = IDCANCEL;
    try {
        result = form->ShowModal();
    } catch (...) {
        Free(form);
        throw;
    }
    Free(form);
    return result;
}

} // namespace ui
