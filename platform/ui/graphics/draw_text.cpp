// DrawText: prefix processing, tab expansion, line and word breaking, ellipses, alignment,
// clipping and the calculate-rectangle mode, all measured with the canvas's own font so that the
// rectangle it computes is the one it draws into.
#include "platform/ui/graphics/draw_text.h"

#include <QString>

#include <algorithm>
#include <vector>

#include "platform/ui/graphics/canvas.h"

namespace ui {
namespace {

// One laid-out line: its characters and which of them carries the prefix underline.
struct Line {
    QString Text;
    std::vector<bool> Underlined;
};

// Strips "&" prefixes: "&&" is one "&", "&x" underlines x, a final "&" disappears.
Line ProcessPrefixes(const QString& text, bool prefixes) {
    Line line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (prefixes && c == u'&') {
            if (i + 1 >= text.size())
                break;
            QChar next = text[++i];
            line.Text += next;
            line.Underlined.push_back(next != u'&');
            continue;
        }
        line.Text += c;
        line.Underlined.push_back(false);
    }
    return line;
}

Line Slice(const Line& line, qsizetype from, qsizetype to) {
    Line part;
    part.Text = line.Text.mid(from, to - from);
    part.Underlined.assign(line.Underlined.begin() + from, line.Underlined.begin() + to);
    return part;
}

class Layout {
public:
    Layout(TCanvas& canvas, unsigned format) : canvas_(canvas), format_(format) {
        TCanvas::TTextMetric tm = canvas.TextMetrics();
        lineHeight_ = tm.tmHeight + (format & DT_EXTERNALLEADING ? tm.tmExternalLeading : 0);
        int tabChars = format & DT_TABSTOP ? int((format >> 8) & 0xFF) : 8;
        tabWidth_ = std::max(1, tabChars * std::max(1, tm.tmAveCharWidth));
    }

    int LineHeight() const { return lineHeight_; }

    // Width of a run of text, tabs expanded from the start of the line.
    int Width(const QString& text) const {
        if (!(format_ & DT_EXPANDTABS) || !text.contains(u'\t'))
            return Measure(text);
        int x = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == u'\t') {
                x += Measure(text.mid(start, i - start));
                if (i < text.size())
                    x = (x / tabWidth_ + 1) * tabWidth_;
                start = i + 1;
            }
        }
        return x;
    }

    // Breaks one paragraph into lines no wider than maxWidth where spaces allow.
    void Break(const Line& paragraph, int maxWidth, std::vector<Line>& out) const {
        const QString& t = paragraph.Text;
        qsizetype start = 0;
        if (t.isEmpty()) {
            out.push_back(paragraph);
            return;
        }
        while (start < t.size()) {
            qsizetype end = start;
            qsizetype lastFit = -1;
            // Candidate ends are the ends of words (a space follows, or the text ends).
            while (end < t.size()) {
                qsizetype wordEnd = end;
                while (wordEnd < t.size() && t[wordEnd] == u' ')
                    ++wordEnd;
                while (wordEnd < t.size() && t[wordEnd] != u' ')
                    ++wordEnd;
                if (Width(t.mid(start, wordEnd - start)) > maxWidth && lastFit >= 0)
                    break;
                lastFit = wordEnd;
                end = wordEnd;
                if (Width(t.mid(start, wordEnd - start)) > maxWidth)
                    break; // a single word wider than the rectangle keeps its own line
            }
            out.push_back(Slice(paragraph, start, lastFit));
            start = lastFit;
            // The spaces at a break belong to neither line.
            while (start < t.size() && t[start] == u' ')
                ++start;
        }
    }

    // Shortens a line with "..." at its end so that it fits.
    Line EndEllipsis(const Line& line, int maxWidth) const {
        if (Width(line.Text) <= maxWidth)
            return line;
        const QString dots = QStringLiteral("...");
        qsizetype keep = line.Text.size();
        while (keep > 0 && Width(line.Text.left(keep) + dots) > maxWidth)
            --keep;
        Line result = Slice(line, 0, keep);
        result.Text += dots;
        result.Underlined.insert(result.Underlined.end(), 3, false);
        return result;
    }

    // Shortens a path by replacing the part before its last folder separator with "...".
    Line PathEllipsis(const Line& line, int maxWidth) const {
        if (Width(line.Text) <= maxWidth)
            return line;
        qsizetype slash = line.Text.lastIndexOf(u'\\');
        if (slash < 0)
            return EndEllipsis(line, maxWidth);
        const QString dots = QStringLiteral("...");
        Line tail = Slice(line, slash, line.Text.size());
        qsizetype keep = slash;
        while (keep > 0 && Width(line.Text.left(keep) + dots + tail.Text) > maxWidth)
            --keep;
        Line result = Slice(line, 0, keep);
        result.Text += dots + tail.Text;
        result.Underlined.insert(result.Underlined.end(), 3, false);
        result.Underlined.insert(result.Underlined.end(), tail.Underlined.begin(),
                                 tail.Underlined.end());
        return result;
    }

    // Draws a line with its top-left at (x, y); the brush is the canvas's.
    void Draw(const Line& line, int x, int y) const {
        const QString& t = line.Text;
        int runX = x;
        qsizetype start = 0;
        auto flush = [&](qsizetype end) {
            if (end > start)
                DrawRun(Slice(line, start, end), x, runX, y);
        };
        for (qsizetype i = 0; i < t.size(); ++i) {
            if ((format_ & DT_EXPANDTABS) && t[i] == u'\t') {
                flush(i);
                runX = x + Width(t.left(i + 1));
                start = i + 1;
            }
        }
        flush(t.size());
    }

private:
    int Measure(const QString& text) const {
        return text.isEmpty() ? 0 : canvas_.TextWidth(text.toStdString());
    }

    // A run without tabs: plain text, with the prefix letters drawn underlined.
    void DrawRun(const Line& run, int lineX, int& runX, int y) const {
        (void)lineX;
        bool hide = format_ & DT_HIDEPREFIX;
        bool only = format_ & DT_PREFIXONLY;
        qsizetype start = 0;
        auto put = [&](qsizetype end, bool underline) {
            if (end <= start)
                return;
            std::string text = run.Text.mid(start, end - start).toStdString();
            int width = canvas_.TextWidth(text);
            if (!only || underline) {
                TFontStyles style = canvas_.Font().Style();
                if (underline)
                    canvas_.Font().SetStyle(style | fsUnderline);
                if (only && underline) {
                    // Just the underline: a line under the letter in the text colour.
                    TCanvas::TTextMetric tm = canvas_.TextMetrics();
                    TBrush saved = canvas_.Brush();
                    canvas_.Brush().SetColor(canvas_.Font().Color());
                    canvas_.FillRect(
                        {runX, y + tm.tmAscent + 1, runX + width, y + tm.tmAscent + 2});
                    canvas_.Brush().Assign(saved);
                } else {
                    TPoint pos = canvas_.PenPos();
                    canvas_.TextOut(runX, y, text);
                    canvas_.SetPenPos(pos);
                }
                canvas_.Font().SetStyle(style);
            }
            runX += width;
            start = end;
        };
        for (qsizetype i = 0; i < run.Text.size(); ++i) {
            bool underline = run.Underlined[size_t(i)] && !hide;
            if (underline) {
                put(i, false);
                put(i + 1, true);
            }
        }
        put(run.Text.size(), false);
    }

    TCanvas& canvas_;
    unsigned format_;
    int lineHeight_ = 0;
    int tabWidth_ = 64;
};

std::vector<QString> Paragraphs(const QString& text, bool singleLine) {
    std::vector<QString> paragraphs;
    if (singleLine) {
        QString joined = text;
        joined.remove(u'\r');
        joined.remove(u'\n');
        paragraphs.push_back(joined);
        return paragraphs;
    }
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            paragraphs.push_back(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        current += c;
    }
    paragraphs.push_back(current);
    return paragraphs;
}

} // namespace

int DrawText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format) {
    if (text.empty()) {
        if (format & DT_CALCRECT) {
            rect.Right = rect.Left;
            rect.Bottom = rect.Top;
        }
        return 0;
    }
    Layout layout(canvas, format);
    bool singleLine = format & DT_SINGLELINE;
    bool prefixes = !(format & DT_NOPREFIX);
    int maxWidth = rect.Width();

    std::vector<Line> lines;
    for (const QString& paragraph : Paragraphs(QString::fromStdString(text), singleLine)) {
        Line processed = ProcessPrefixes(paragraph, prefixes);
        if ((format & DT_WORDBREAK) && !singleLine)
            layout.Break(processed, maxWidth, lines);
        else
            lines.push_back(processed);
    }
    if (!(format & DT_CALCRECT) || (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS))) {
        for (Line& line : lines) {
            if (format & DT_PATH_ELLIPSIS)
                line = layout.PathEllipsis(line, maxWidth);
            else if (format & DT_END_ELLIPSIS)
                line = layout.EndEllipsis(line, maxWidth);
        }
    }

    int height = int(lines.size()) * layout.LineHeight();
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines)
            widest = std::max(widest, layout.Width(line.Text));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }

    int top = rect.Top;
    if (singleLine && (format & DT_VCENTER))
        top = (rect.Top + rect.Bottom - layout.LineHeight()) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = rect.Bottom - layout.LineHeight();

    bool clip = !(format & DT_NOCLIP);
    TCanvas::TClipState savedClip = canvas.SaveClip();
    if (clip)
        canvas.IntersectClipRect(rect);
    int y = top;
    for (const Line& line : lines) {
        int width = layout.Width(line.Text);
        int x = rect.Left;
        if (format & DT_CENTER)
            x = (rect.Left + rect.Right - width) / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - width;
        layout.Draw(line, x, y);
        y += layout.LineHeight();
    }
    if (clip)
        canvas.RestoreClip(savedClip);
    if (singleLine && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect.Top + height;
    return height;
}

} // namespace ui
