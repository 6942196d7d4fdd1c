#include "toolkit/controls/fmt_label.h"

#include <algorithm>

#include "platform/ui/controls/win_control.h"
#include "toolkit/controls/fmt_markup.h"

namespace tk {

namespace {

constexpr unsigned BlinkInterval = 300;

struct TLineSize {
    int Width = 0;
    int Ascent = 0;
    int Height = 0;
};

TLineSize MeasureLine(ui::TCanvas& canvas, const TFmtLine& line) {
    TLineSize size;
    for (const TFmtSegment& segment : line) {
        canvas.SetFont(segment.Attributes.Font);
        ui::TCanvas::TTextMetric metric = canvas.TextMetrics();
        size.Width += canvas.TextWidth(segment.Text);
        size.Ascent = std::max(size.Ascent, metric.tmAscent);
        size.Height = std::max(size.Height, metric.tmHeight);
    }
    return size;
}

// Turns the painting switch off for the life of a self-placement.
class TNoPaint {
public:
    explicit TNoPaint(bool& flag) : flag_(flag) { flag_ = false; }
    ~TNoPaint() { flag_ = true; }

private:
    bool& flag_;
};

} // namespace

void TBlinkObj::OnBlink(ui::TObject*) {
    if (!ParentLabel || !ParentLabel->Visible())
        return;
    if (!ParentLabel->Parent() || !ParentLabel->Parent()->HandleAllocated())
        return;
    // Drawn at once on the label's part of its parent's window, outside the paint cycle.
    ui::TCanvas& canvas = ParentLabel->Canvas();
    canvas.SetFont(aFont);
    canvas.Brush().SetStyle(ui::bsClear);
    if (Umbra) {
        canvas.Font().SetColor(FBlinkOn ? ShadowColor : aParentColor);
        canvas.TextOut(X + 1, Y + 1, aText);
    }
    canvas.Font().SetColor(FBlinkOn ? aFont.Color() : aParentColor);
    canvas.TextOut(X, Y, aText);
    FBlinkOn = !FBlinkOn;
}

TFmtLabel::TFmtLabel(ui::TComponent* owner) : ui::TLabel(owner) {}

TFmtLabel::~TFmtLabel() {
    Elibereaza_BlinkList();
}

void TFmtLabel::SetAlign(TMAlign value) {
    if (FAlign == value)
        return;
    FAlign = value;
    Invalidate();
}

void TFmtLabel::SetShadowColor(ui::TColor value) {
    if (FShadowColor == value)
        return;
    FShadowColor = value;
    Invalidate();
}

void TFmtLabel::Elibereaza_BlinkList() {
    for (std::unique_ptr<TBlinkObj>& blink : FBlinkList)
        if (blink->Timer)
            ui::Free(blink->Timer);
    FBlinkList.clear();
}

void TFmtLabel::GrowToFit(int neededWidth, int neededHeight) {
    if (Height() >= neededHeight && Width() >= neededWidth)
        return;
    TNoPaint noPaint(FAcces);
    SetBounds(Left(), Top(), std::max(Width(), neededWidth), std::max(Height(), neededHeight));
}

void TFmtLabel::PlaceInParent() {
    ui::TWinControl* parent = Parent();
    if (!parent || FAlign == alMNone)
        return;
    TNoPaint noPaint(FAcces);
    int ph = parent->ClientHeight();
    int pw = parent->ClientWidth();
    int left = Left();
    int top = Top();
    switch (FAlign) {
    case alMTop:
        top = 1;
        break;
    case alMBottom:
        top = ph - Height() - 1;
        break;
    case alMLeft:
        left = 1;
        break;
    case alMRight:
        left = pw - Width() - 2;
        break;
    case alMCenter:
        // Across, the parent's outer width counts; down, its client height.
        left = (parent->Width() - Width()) / 2;
        top = (ph - Height()) / 2;
        break;
    case alMNone:
        break;
    }
    SetBounds(left, top, Width(), Height());
}

void TFmtLabel::AddBlinkObj(const std::string& text, bool shadow, int x, int y) {
    auto blink = std::make_unique<TBlinkObj>();
    blink->ParentLabel = this;
    blink->Umbra = shadow;
    blink->aText = text;
    blink->X = x;
    blink->Y = y;
    blink->aFont = Canvas().Font();
    blink->aCanvas = &Canvas();
    blink->aParentColor = Color();
    blink->ShadowColor = FShadowColor;
    blink->Timer = new ui::TTimer(this);
    blink->Timer->SetInterval(BlinkInterval);
    TBlinkObj* target = blink.get();
    blink->Timer->OnTimer = [target](ui::TObject* sender) { target->OnBlink(sender); };
    FBlinkList.push_back(std::move(blink));
}

void TFmtLabel::Paint() {
    if (!FAcces)
        return;
    ui::TCanvas& canvas = Canvas();
    if (!Transparent()) {
        TNoPaint noPaint(FAcces);
        canvas.Brush().SetStyle(ui::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    if (Caption().empty())
        return;
    std::vector<TFmtLine> lines = ParseFmtMarkup(Caption(), Font());
    canvas.Brush().SetStyle(ui::bsClear);

    // Measure, grow, place: a centred label needs its widest line, any other the sum of all.
    int widest = 0;
    int allWidths = 0;
    int neededHeight = 0;
    for (const TFmtLine& line : lines) {
        TLineSize size = MeasureLine(canvas, line);
        widest = std::max(widest, size.Width);
        allWidths += size.Width;
        neededHeight += size.Height;
    }
    GrowToFit(Alignment() == ui::taCenter ? widest : allWidths, neededHeight);
    PlaceInParent();
    Elibereaza_BlinkList();

    int y = 0;
    for (const TFmtLine& line : lines) {
        TLineSize size = MeasureLine(canvas, line);
        int x = 0;
        if (Alignment() == ui::taRightJustify)
            x = Width() - size.Width;
        else if (Alignment() == ui::taCenter)
            x = (Width() - size.Width) / 2;
        for (const TFmtSegment& segment : line) {
            canvas.SetFont(segment.Attributes.Font);
            int top = y + size.Ascent - canvas.TextMetrics().tmAscent;
            if (segment.Attributes.Shadow) {
                ui::TColor color = canvas.Font().Color();
                canvas.Font().SetColor(FShadowColor);
                canvas.TextOut(x + 1, top + 1, segment.Text);
                canvas.Font().SetColor(color);
            }
            canvas.TextOut(x, top, segment.Text);
            if (segment.Attributes.Blink && !segment.Text.empty())
                AddBlinkObj(segment.Text, segment.Attributes.Shadow, x, top);
            x += canvas.TextWidth(segment.Text);
        }
        // Lines follow each other by their ascent, as the label always placed them.
        y += size.Ascent;
    }
}

} // namespace tk
