#pragma once

#include <X11/X.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/TextAlign.h"
#include "ui/PaintedChild.h"
#include "ui/widgets/TextEditor.h"

namespace tarnbrook {

// What a cell of a text box shows, remembered so that a repaint can skip unchanged cells.
struct TextCell {
    char shown = 0;  // 0: nothing but the background
    int64_t foreColor = 0;
    int64_t backColor = 0;
    int index = 0;  // the buffer index last drawn in it
};

// The toolkit's text entry field, a window-less child. Its text is laid out in a fixed grid of
// cells, one character per cell, as wide as "M" plus 2 pixels; the caret is the cell painted in
// the caret colour. Single-line by default, typed over; options for multi-line text (typed
// in), read-only, digits only with one decimal point, a dd/mm/yyyy date and password display.
// It does not scroll: input it cannot show is refused with a beep, like every refused input.
class TextBoxCustom : public PaintedChild {
public:
    static constexpr int64_t kDisabledForeColor = 0x9B9B9B;
    static constexpr int64_t kDisabledBackColor = 0xAAAAAA;

    TextBoxCustom(GUIElement* parent, const std::string& text);

    // GUIElement slots, in slot order.
    // The height is first raised to at least one row; then as PaintedChild.
    void SetSize(int newWidth, int newHeight) override;
    // The text typed so far is kept: the next Show builds the box again from it.
    void Hide() override;
    void SetText(const std::string& value) override;
    std::string GetText() const override;
    void MouseUp(Point point) override;
    void KeyDown(KeySym keysym) override;
    bool KeyChar(char character) override;
    void SetFocus() override;
    void Paint() override;
    void GotFocus() override;
    void LostFocus() override;
    void Create() override;

    // Own slots.
    virtual void DrawContent(bool full);
    // Draws the cells whose content or colours changed (every cell when full).
    virtual void RenderCells(bool full);
    virtual void Enable(bool flag);

    // Only before Create: the buffer keeps its size afterwards.
    void SetMaxLength(int value);
    void SetForeColor(int64_t color) { foreColor_ = color; }
    void SetCaretColor(int64_t color) { caretColor_ = color; }
    void SetBorder(bool flag) { border_ = flag; }
    void SetMemo(bool flag);
    void SetMultiLine(bool flag);
    void SetReadOnly(bool flag);
    void SetDigitsOnly(bool flag);
    void SetAllowDecimalPoint(bool flag);
    void SetPassword(bool flag);
    void SetDateMode(bool flag);  // also digits only, 10 characters, no memo
    void SetAlignRight(bool flag);
    void SetAlignCenter(bool flag);
    void SetAlignLeft(bool flag);
    void Refresh();

    int GetCaret() const { return editor_.Caret(); }
    int GetMaxLength() const { return editor_.GetMaxLength(); }
    int GetCellWidth() const { return cellWidth_; }
    int GetLineHeight() const { return lineHeight_; }
    int64_t GetForeColor() const { return foreColor_; }
    const TextGrid& GetGrid() const { return editor_.GetGrid(); }
    const std::vector<TextCell>& GetCells() const { return cells_; }
    // The column and row of the cell showing the buffer index; (0, 0) when none does.
    Point CaretCell(int index) const { return editor_.CaretCell(index); }
    bool FitsText(int n, const std::string& value) const { return editor_.FitsText(n, value); }

private:
    void MeasureCells();
    void ApplyHeightRule();
    TextGrid GridForSize() const;
    void React(TextEditor::Outcome outcome);
    bool ShowsCaret() const;
    int64_t Background() const;
    int64_t CellForeColor() const;
    TextAlign Align() const;
    void DrawBorder(class GraphicsContext& gc, Point at);

    TextEditor editor_;
    int64_t foreColor_ = 0x000000;
    int64_t caretColor_ = 0xFFFF00;
    bool readOnly_ = false;
    bool alignRight_ = false;
    bool alignCenter_ = false;
    bool border_ = true;
    bool measured_ = false;
    // Measured on the form's window once it has one; until then what a missing font gives.
    int lineHeight_ = 19;
    int cellWidth_ = 2;
    std::vector<TextCell> cells_;
};

}  // namespace tarnbrook
