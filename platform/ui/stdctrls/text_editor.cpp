#include "platform/ui/stdctrls/text_editor.h"

#include <limits>

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>

#include "platform/ui/core/messages.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"

namespace ui {

namespace {

QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string ToUtf8(const QString& s) {
    return s.toUtf8().toStdString();
}

QColor ToQColor(TColor color) {
    TColorRef rgb = ColorToRGB(color);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

Qt::KeyboardModifiers Modifiers(TShiftState shift) {
    Qt::KeyboardModifiers m;
    if (shift & ssShift)
        m |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        m |= Qt::ControlModifier;
    return m;
}

int QtKey(uint16_t key) {
    switch (key) {
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_UP:
        return Qt::Key_Up;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_END:
        return Qt::Key_End;
    case VK_PRIOR:
        return Qt::Key_PageUp;
    case VK_NEXT:
        return Qt::Key_PageDown;
    case VK_DELETE:
        return Qt::Key_Delete;
    case VK_INSERT:
        return Qt::Key_Insert;
    default:
        return 0;
    }
}

// The Ctrl shortcuts that arrive as control characters.
int ShortcutKey(uint8_t c) {
    switch (c) {
    case 1:
        return Qt::Key_A;
    case 3:
        return Qt::Key_C;
    case 22:
        return Qt::Key_V;
    case 24:
        return Qt::Key_X;
    case 26:
        return Qt::Key_Z;
    default:
        return 0;
    }
}

} // namespace

struct TTextEditor::Impl {
    std::unique_ptr<QLineEdit> line;
    std::unique_ptr<QPlainTextEdit> memo;
    bool silent = false; // a change made by the program, not typed
    int maxLength = 0;

    QWidget* Widget() const { return line ? static_cast<QWidget*>(line.get()) : memo.get(); }
    // The widget that takes the keys and the mouse (a memo's viewport for the mouse).
    QWidget* MouseTarget() const {
        return line ? static_cast<QWidget*>(line.get()) : memo->viewport();
    }
    void Send(QEvent& event) { QCoreApplication::sendEvent(Widget(), &event); }
};

TTextEditor::TTextEditor(bool multiLine) : d_(std::make_unique<Impl>()) {
    // A caret that does not blink: the editor is painted when the control is, not on a timer.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    if (multiLine) {
        d_->memo = std::make_unique<QPlainTextEdit>();
        d_->memo->setFrameShape(QFrame::NoFrame);
        d_->memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        d_->memo->document()->setDocumentMargin(1);
        QObject::connect(d_->memo.get(), &QPlainTextEdit::textChanged, [this] {
            if (!d_->silent && d_->maxLength > 0 &&
                d_->memo->document()->characterCount() - 1 > d_->maxLength) {
                d_->memo->undo(); // typed past the limit: the editor keeps what it had
                return;
            }
            if (!d_->silent && OnChange)
                OnChange();
        });
    } else {
        d_->line = std::make_unique<QLineEdit>();
        d_->line->setFrame(false);
        d_->line->setMaxLength(std::numeric_limits<int>::max());
        d_->line->setTextMargins(1, 0, 1, 0);
        QObject::connect(d_->line.get(), &QLineEdit::textChanged, [this] {
            if (!d_->silent && OnChange)
                OnChange();
        });
    }
    d_->Widget()->setContextMenuPolicy(Qt::NoContextMenu);
    d_->Widget()->resize(100, 20);
}

TTextEditor::~TTextEditor() = default;

std::string TTextEditor::Text() const {
    if (d_->line)
        return ToUtf8(d_->line->text());
    QString text = d_->memo->toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return ToUtf8(text);
}

void TTextEditor::SetText(const std::string& value) {
    if (value == Text())
        return;
    d_->silent = true;
    if (d_->line) {
        d_->line->setText(FromUtf8(value));
    } else {
        QString text = FromUtf8(value);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        d_->memo->setPlainText(text);
    }
    d_->silent = false;
}

int TTextEditor::SelStart() const {
    if (d_->line)
        return d_->line->hasSelectedText() ? d_->line->selectionStart()
                                           : d_->line->cursorPosition();
    return d_->memo->textCursor().selectionStart();
}

int TTextEditor::SelLength() const {
    if (d_->line)
        return int(d_->line->selectedText().size());
    QTextCursor c = d_->memo->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

std::string TTextEditor::SelText() const {
    if (d_->line)
        return ToUtf8(d_->line->selectedText());
    QString text = d_->memo->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return ToUtf8(text);
}

void TTextEditor::SetSelection(int start, int length) {
    if (d_->line) {
        int size = int(d_->line->text().size());
        start = std::clamp(start, 0, size);
        length = std::clamp(length, 0, size - start);
        d_->line->setSelection(start, length);
        return;
    }
    int size = d_->memo->document()->characterCount() - 1;
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    QTextCursor c = d_->memo->textCursor();
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    d_->memo->setTextCursor(c);
}

void TTextEditor::ReplaceSelection(const std::string& value) {
    if (d_->line) {
        d_->line->insert(FromUtf8(value));
        return;
    }
    QString text = FromUtf8(value);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    d_->memo->insertPlainText(text);
}

bool TTextEditor::CanUndo() const {
    return d_->line ? d_->line->isUndoAvailable() : d_->memo->document()->isUndoAvailable();
}

void TTextEditor::SetReadOnly(bool value) {
    if (d_->line)
        d_->line->setReadOnly(value);
    else
        d_->memo->setReadOnly(value);
}

void TTextEditor::SetAlignment(TAlignment value) {
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    if (d_->line) {
        d_->line->setAlignment(alignments[value] | Qt::AlignVCenter);
        return;
    }
    QTextOption option = d_->memo->document()->defaultTextOption();
    option.setAlignment(alignments[value]);
    d_->memo->document()->setDefaultTextOption(option);
}

void TTextEditor::SetMaxLength(int value) {
    d_->maxLength = std::max(value, 0);
    if (d_->line)
        d_->line->setMaxLength(d_->maxLength > 0 ? d_->maxLength : std::numeric_limits<int>::max());
}

void TTextEditor::SetPasswordChar(char value) {
    if (!d_->line)
        return;
    d_->line->setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

void TTextEditor::SetWordWrap(bool value) {
    if (d_->memo)
        d_->memo->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TTextEditor::SetScrollBars(TScrollStyle value) {
    if (!d_->memo)
        return;
    bool h = value == ssHorizontal || value == ssBoth;
    bool v = value == ssVertical || value == ssBoth;
    d_->memo->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    d_->memo->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TTextEditor::SetLook(const TFont& font, TColor background, bool enabled) {
    QWidget* w = d_->Widget();
    w->setFont(font.ToQFont());
    QPalette palette = w->palette();
    QColor text = ToQColor(enabled ? font.Color() : clGrayText);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, ToQColor(background));
        palette.setColor(group, QPalette::Window, ToQColor(background));
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Highlight, ToQColor(clHighlight));
        palette.setColor(group, QPalette::HighlightedText, ToQColor(clHighlightText));
    }
    w->setPalette(palette);
}

void TTextEditor::SetSize(int width, int height) {
    d_->Widget()->resize(std::max(width, 1), std::max(height, 1));
}

void TTextEditor::SetFocused(bool value) {
    QFocusEvent event(value ? QEvent::FocusIn : QEvent::FocusOut, Qt::OtherFocusReason);
    d_->Send(event);
}

bool TTextEditor::KeyDown(uint16_t key, TShiftState shift) {
    int qtKey = QtKey(key);
    if (!qtKey)
        return false;
    QKeyEvent event(QEvent::KeyPress, qtKey, Modifiers(shift));
    d_->Send(event);
    return true;
}

bool TTextEditor::Char(uint8_t c) {
    if (int shortcut = ShortcutKey(c)) {
        QKeyEvent event(QEvent::KeyPress, shortcut, Qt::ControlModifier);
        d_->Send(event);
        return true;
    }
    int key = 0;
    QString text;
    if (c == 8) {
        key = Qt::Key_Backspace;
    } else if (c == '\r') {
        if (!d_->memo)
            return false;
        key = Qt::Key_Return;
        text = QStringLiteral("\r");
    } else if (c == '\t') {
        if (!d_->memo)
            return false;
        key = Qt::Key_Tab;
        text = QStringLiteral("\t");
    } else if (c >= 32) {
        key = Qt::Key_unknown;
        text = QString(QChar(char16_t(c))); // the window's character set is Latin-1
    } else {
        return false;
    }
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    d_->Send(event);
    return true;
}

namespace {
void SendMouse(QWidget* target, QEvent::Type type, int x, int y, TShiftState shift,
               Qt::MouseButtons buttons) {
    QPointF local = QPointF(target->mapFrom(target->window(), QPoint(x, y)));
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, local, button, buttons, Modifiers(shift));
    QCoreApplication::sendEvent(target, &event);
}
} // namespace

void TTextEditor::MousePress(int x, int y, TShiftState shift, bool doubleClick) {
    SendMouse(d_->MouseTarget(),
              doubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, x, y, shift,
              Qt::LeftButton);
}

void TTextEditor::MouseMove(int x, int y, TShiftState shift) {
    SendMouse(d_->MouseTarget(), QEvent::MouseMove, x, y, shift, Qt::LeftButton);
}

void TTextEditor::MouseRelease(int x, int y, TShiftState shift) {
    SendMouse(d_->MouseTarget(), QEvent::MouseButtonRelease, x, y, shift, Qt::NoButton);
}

void TTextEditor::Paint(TCanvas& canvas, int x, int y) {
    QPainter* painter = canvas.Painter();
    if (!painter)
        return;
    // The editor draws on an image of its own first: it never paints through a painter that
    // the window system has open on another widget's pixels.
    QWidget* widget = d_->Widget();
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(widget->palette().color(QPalette::Base));
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    TPoint origin = canvas.WindowOrg();
    painter->drawImage(QPoint(x + origin.X, y + origin.Y), image);
}

} // namespace ui
