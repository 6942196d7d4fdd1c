#pragma once
// TTitleBar: the caption band of the toolkit's borderless forms. A windowless control at the top
// of its form that shows the caption in bold on a coloured band (a gradient on a full-colour
// display when the two colours differ, else a flat band of the start colour). Its font and
// height follow the owner form's pixels per inch.
#include <string>

#include "platform/ui/controls/graphic_control.h"

namespace tk {

// Space reserved left of the caption for an icon that the form draws.
enum TIconStyle { isNone, isSearch, isDetail };

class TTitleBar : public ui::TGraphicControl {
public:
    // The owner should be a form: its pixels per inch give the scale (96 without one).
    explicit TTitleBar(ui::TComponent* owner);

    bool Vertical() const { return FVertical; }
    void SetVertical(bool value);
    bool Grayed() const { return FGrayed; }
    void SetGrayed(bool value);
    TIconStyle IconStyle() const { return FIconStyle; }
    void SetIconStyle(TIconStyle value);
    ui::TColor StartColor() const { return FStartColor; }
    void SetStartColor(ui::TColor value);
    ui::TColor EndColor() const { return FEndColor; }
    void SetEndColor(ui::TColor value);
    ui::TColor CaptionColor() { return Font().Color(); }
    void SetCaptionColor(ui::TColor value);
    // The caption is the control's text; setting it repaints the bar.
    void SetCaption(const std::string& value);

    // Width left to the caption, pixels reserved left of it, the scale and the (unused) band
    // cache index.
    int CaptionWidth() const { return FWidth; }
    int IconSpace = 10;
    int BmpIndex = -1;
    double Scara = 1.0;

    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(ui::TMessage& message) override;

protected:
    void Paint() override;

private:
    void UpdateLayout();
    // Writes the caption over whatever band is on the canvas.
    void DrawCaption();

    bool FVertical = false;
    bool FGrayed = false;
    int FWidth = 0;
    TIconStyle FIconStyle = isNone;
    ui::TColor FStartColor = 0;
    ui::TColor FEndColor = 0;
};

} // namespace tk
