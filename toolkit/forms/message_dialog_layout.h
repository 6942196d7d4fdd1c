#pragma once
// Where the parts of a message dialog go, computed from the measured text, the icon's size and
// the number of buttons alone, so that the arithmetic holds without a window. All values are in
// the dialog's own pixels (96 per inch), before the dialog is scaled to the screen.
#include "platform/ui/graphics/types.h"

namespace tk {

struct TMessageMetrics {
    int TextWidth = 0;  // the bold text measured word-wrapped (W)
    int TextHeight = 0; // (H)
    int IconWidth = 0;  // the kind's picture (IW); 0 without one
    int IconHeight = 0; // (IH)
    int ButtonCount = 0;
    int TitleBarHeight = 25;
};

struct TMessageLayout {
    ui::TRect TextPanel;   // on the form; its client area is all of it
    ui::TRect Label;       // on the text panel
    ui::TRect Icon;        // on the text panel
    ui::TRect Bevel;       // on the form, a top line
    ui::TRect ButtonPanel; // on the form
    int FormClientWidth = 0;
    int FormClientHeight = 0;
};

constexpr int kDialogButtonWidth = 100;
constexpr int kDialogButtonHeight = 28;
constexpr int kDialogButtonsLeft = 16; // first button's left on its panel
constexpr int kDialogButtonsTop = 8;

TMessageLayout LayOutMessage(const TMessageMetrics& metrics);

// The button of that place in the row (0 = the first shown) on the button panel.
ui::TRect DialogButtonBounds(int index);

// The dialog's top-left corner: centred on the screen by its outer size.
ui::TPoint CentreOnScreen(int screenWidth, int screenHeight, int formWidth, int formHeight);

} // namespace tk
