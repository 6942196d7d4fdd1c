#pragma once
// TTextEditor: the editing engine of the edit and memo controls. A Qt editing widget kept off
// screen inside the platform does the editing (cursor movement, selection, clipboard, undo,
// scrolling); the control feeds it the keys and mouse of its window and paints it onto its own
// canvas, so the edit takes part in the window system like every other control.
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/core/events.h"
#include "platform/ui/graphics/types.h"

namespace ui {

class TCanvas;
class TFont;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TTextEditor {
public:
    explicit TTextEditor(bool multiLine);
    ~TTextEditor();
    TTextEditor(const TTextEditor&) = delete;
    TTextEditor& operator=(const TTextEditor&) = delete;

    // The text (lines joined with CR LF in a multi-line editor); setting it calls no OnChange.
    std::string Text() const;
    void SetText(const std::string& value);
    int SelStart() const;
    int SelLength() const;
    std::string SelText() const;
    // Selects from start (clamped to the text) for length characters.
    void SetSelection(int start, int length);
    void ReplaceSelection(const std::string& value); // as typed: calls OnChange
    void SelectAll() { SetSelection(0, 1 << 30); }
    bool CanUndo() const;

    void SetReadOnly(bool value);
    void SetAlignment(TAlignment value);
    void SetMaxLength(int value); // 0: no limit
    void SetPasswordChar(char value);
    void SetWordWrap(bool value);
    void SetScrollBars(TScrollStyle value);
    // The look: font, colours, and whether the text shows as disabled.
    void SetLook(const TFont& font, TColor background, bool enabled);
    void SetSize(int width, int height);
    void SetFocused(bool value);

    // A key of the keyboard that is not a character (arrows, Home, End, Delete, ...); true when
    // the editor used it.
    bool KeyDown(uint16_t key, TShiftState shift);
    // A typed character (a byte of the window's character set; control characters for
    // Backspace, Enter, Tab and the Ctrl shortcuts).
    bool Char(uint8_t c);
    // Mouse input in the editor's coordinates.
    void MousePress(int x, int y, TShiftState shift, bool doubleClick);
    void MouseMove(int x, int y, TShiftState shift);
    void MouseRelease(int x, int y, TShiftState shift);

    // Draws the editor with its top-left corner at (x, y) of the canvas.
    void Paint(TCanvas& canvas, int x, int y);

    std::function<void()> OnChange;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace ui
