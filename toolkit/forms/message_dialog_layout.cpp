// The message dialog's arithmetic: a lowered panel 16 pixels in from the form's sides holding
// the icon and the text, a rule 32 pixels below it and the centred row of buttons under the
// rule. Divisions truncate toward zero, as the original integer division does.
#include "toolkit/forms/message_dialog_layout.h"

#include <algorithm>

namespace tk {

namespace {

constexpr int kMargin = 16;
constexpr int kIconLeft = 10;
constexpr int kMinimumPanelWidth = 150;
constexpr int kMinimumPanelHeight = 55;
constexpr int kButtonPanelHeight = 43;
constexpr int kBevelHeight = 5;
constexpr int kBelowPanel = 32; // from the text panel's bottom to the rule
constexpr int kFormExtra = 90;  // client height below the title bar beyond the text panel
constexpr int kRuleToButtons = 8;

} // namespace

TMessageLayout LayOutMessage(const TMessageMetrics& m) {
    const int W = m.TextWidth, H = m.TextHeight, IW = m.IconWidth, IH = m.IconHeight;
    const int contentWidth = W + 32 + IW + 10;
    const int contentHeight = std::max(IH + 20, H + 32);
    const int buttonPanelWidth = m.ButtonCount * kDialogButtonWidth + 32;

    const int panelWidth = std::max({kMinimumPanelWidth, contentWidth, buttonPanelWidth});
    const int panelHeight = std::max(kMinimumPanelHeight, contentHeight);

    TMessageLayout layout;
    layout.TextPanel = ui::Bounds(kMargin, m.TitleBarHeight + kMargin, panelWidth, panelHeight);
    layout.FormClientWidth = panelWidth + 2 * kMargin;
    layout.FormClientHeight = m.TitleBarHeight + panelHeight + kFormExtra;

    const int bevelTop = m.TitleBarHeight + panelHeight + kBelowPanel;
    layout.Bevel = ui::Bounds(0, bevelTop, layout.FormClientWidth, kBevelHeight);
    layout.ButtonPanel =
        ui::Bounds((layout.FormClientWidth - buttonPanelWidth) / 2, bevelTop + kRuleToButtons,
                   buttonPanelWidth, kButtonPanelHeight);

    int labelTop, iconTop;
    if (IH > H) {
        iconTop = 10;
        labelTop = IH / 2 + 10 - H / 2;
    } else {
        labelTop = 16;
        iconTop = H / 2 + 16 - IH / 2;
    }
    // The text is centred in the room right of the icon.
    const int labelLeft = (panelWidth - 10 - IW - W) / 2 + 10 + IW;
    layout.Label = ui::Bounds(labelLeft, labelTop, W, H);
    layout.Icon = ui::Bounds(kIconLeft, iconTop, IW, IH);
    return layout;
}

ui::TRect DialogButtonBounds(int index) {
    return ui::Bounds(kDialogButtonsLeft + index * kDialogButtonWidth, kDialogButtonsTop,
                      kDialogButtonWidth, kDialogButtonHeight);
}

ui::TPoint CentreOnScreen(int screenWidth, int screenHeight, int formWidth, int formHeight) {
    return {screenWidth / 2 - formWidth / 2, screenHeight / 2 - formHeight / 2};
}

} // namespace tk
