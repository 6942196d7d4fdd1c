#pragma once
// TFmtLabel: a label whose caption carries the formatted-label markup (colours, sizes, styles,
// shadows, blinking, line breaks). It paints segment by segment, grows to fit its text (never
// shrinks), can place itself at an edge or the centre of its parent, and keeps one blink object
// with its own 300 ms timer for each blinking segment of the last paint.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/components/timer.h"
#include "platform/ui/stdctrls/label.h"

namespace tk {

// Self-placement of a formatted label in its parent.
enum TMAlign { alMNone, alMTop, alMBottom, alMLeft, alMRight, alMCenter };

// One blinking segment: every tick draws the text either in its colours or in the label's
// colour, starting with the hidden state.
class TBlinkObj {
public:
    bool Umbra = false; // the shadow blinks too
    ui::TLabel* ParentLabel = nullptr;
    std::string aText;
    ui::TTimer* Timer = nullptr; // owned by the label
    int X = 0;
    int Y = 0;
    ui::TCanvas* aCanvas = nullptr;
    ui::TFont aFont;
    ui::TColor aParentColor = ui::clBtnFace;
    ui::TColor ShadowColor = ui::clBtnShadow;

    void OnBlink(ui::TObject* sender);
    // Whether the next tick shows the text.
    bool BlinkOn() const { return FBlinkOn; }

private:
    bool FBlinkOn = false;
};

class TFmtLabel : public ui::TLabel {
public:
    explicit TFmtLabel(ui::TComponent* owner);
    ~TFmtLabel() override;

    // The formatted label's own placement (the platform alignment stays alNone).
    TMAlign Align() const { return FAlign; }
    void SetAlign(TMAlign value);
    ui::TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(ui::TColor value);

    // Frees every blink object with its timer and empties the list.
    void Elibereaza_BlinkList();
    const std::vector<std::unique_ptr<TBlinkObj>>& BlinkList() const { return FBlinkList; }

protected:
    void Paint() override;

private:
    void GrowToFit(int neededWidth, int neededHeight);
    void PlaceInParent();
    void AddBlinkObj(const std::string& text, bool shadow, int x, int y);

    std::vector<std::unique_ptr<TBlinkObj>> FBlinkList;
    bool FAcces = true; // painting allowed; off while the label moves or resizes itself
    TMAlign FAlign = alMNone;
    ui::TColor FShadowColor = ui::clBtnShadow;
};

} // namespace tk
