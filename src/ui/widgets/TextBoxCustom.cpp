#include "ui/widgets/TextBoxCustom.h"

#include <X11/keysym.h>

#include <algorithm>

#include "app/Application.h"
#include "app/ElementWatch.h"
#include "game/SoundPlayer.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/Form.h"
#include "util/StringUtils.h"

namespace tarnbrook {

namespace {

constexpr int kFrame = 3;        // border rings and margin around the grid
constexpr int kCellPadding = 2;  // a cell is "M" plus this
constexpr int kLinePadding = 4;  // a row is the font's line height plus this
constexpr int kMinHeightOverFont = 10;
constexpr int kDateMaxLength = 10;
constexpr int64_t kLight = 0xFFFFFF;
constexpr int64_t kDark = 0x000000;
constexpr char kLineBreak = 13;
constexpr char kLineFeed = 10;
constexpr char kBlank = ' ';
constexpr char kPasswordMark = '*';

// Division rounding toward minus infinity, for clicks left of or above the grid.
int FloorDiv(int value, int divisor)
{
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

bool SameLook(const TextCell& a, const TextCell& b)
{
    return a.shown == b.shown && a.foreColor == b.foreColor && a.backColor == b.backColor;
}

}  // namespace

TextBoxCustom::TextBoxCustom(GUIElement* parentElement, const std::string& initialText)
    : PaintedChild(parentElement, "TextBoxCustom", true)
{
    text = TrimRight(initialText);
    backColor = 0xFFFFFF;
    width = 80;
    height = 30;
    editor_.Load(text);
    MeasureCells();
}

void TextBoxCustom::MeasureCells()
{
    Form* form = Application::GetParentForm(this);
    if (measured_ || !form || form->GetWindow() == None) {
        return;
    }
    GraphicsContext gc(form);
    lineHeight_ = gc.LineHeight() + kLinePadding;
    cellWidth_ = gc.CharWidthM() + kCellPadding;
    measured_ = true;
}

// A box too low for one row is made exactly one row high.
void TextBoxCustom::ApplyHeightRule()
{
    if (lineHeight_ + 5 >= height) {
        height = lineHeight_ + 6;
    }
}

TextGrid TextBoxCustom::GridForSize() const
{
    return TextGrid((width - 2 * kFrame) / cellWidth_, (height - 2 * kFrame) / lineHeight_);
}

void TextBoxCustom::SetSize(int newWidth, int newHeight)
{
    newHeight = std::max(newHeight, font.GetSize() + kMinHeightOverFont);
    if (newHeight <= lineHeight_ + 5) {
        newHeight = lineHeight_ + 6;
    }
    PaintedChild::SetSize(newWidth, newHeight);
}

void TextBoxCustom::Hide()
{
    if (created) {
        text = editor_.Text();
    }
    PaintedChild::Hide();
}

void TextBoxCustom::SetText(const std::string& value)
{
    text = value;
    editor_.Load(text);
    RepaintIfCreated();
}

std::string TextBoxCustom::GetText() const
{
    return created ? editor_.Text() : text;
}

void TextBoxCustom::MouseUp(Point point)
{
    ElementWatch<TextBoxCustom> self(this);
    PaintedChild::MouseUp(point);
    if (!self || !created) {
        return;
    }
    ApplyHeightRule();
    const Point at = Application::ToFormCoordinates(this, x, y);
    const int column = FloorDiv(point.x - at.x - kFrame, cellWidth_);
    const int row = FloorDiv(point.y - at.y - kFrame, lineHeight_);
    React(editor_.Click(column, row));
}

void TextBoxCustom::KeyDown(KeySym keysym)
{
    ElementWatch<TextBoxCustom> self(this);
    PaintedChild::KeyDown(keysym);
    if (!self) {
        return;
    }
    switch (keysym) {
    case XK_Right:
        React(editor_.Right());
        break;
    case XK_Left:
        React(editor_.Left());
        break;
    case XK_Up:
        React(editor_.Up());
        break;
    case XK_Down:
        React(editor_.Down());
        break;
    default:
        break;
    }
}

bool TextBoxCustom::KeyChar(char character)
{
    if (!enabled || readOnly_) {
        return false;
    }
    if (OnKeyChar) {
        ElementWatch<TextBoxCustom> self(this);
        const bool wanted = OnKeyChar(this, character);
        if (!self || !wanted) {
            return wanted;
        }
    }
    React(editor_.Type(character));
    return true;
}

void TextBoxCustom::SetFocus()
{
    if (!created) {
        return;
    }
    PaintedChild::SetFocus();
    ElementWatch<TextBoxCustom> self(this);
    GotFocus();
    GUIElement* previous = Application::focused;
    if (self && previous && previous != this) {
        previous->LostFocus();
    }
    if (self) {
        Application::focused = this;
    }
}

void TextBoxCustom::Paint()
{
    if (Application::loading || !created) {
        return;
    }
    ApplyHeightRule();
    GraphicsContext gc(Application::GetParentForm(this));
    const Point at = Application::ToFormCoordinates(this, x, y);
    gc.FillRectangle(at.x, at.y, width + 1, height + 1, Background());
    if (border_) {
        DrawBorder(gc, at);
    }
    DrawContent(true);
}

// Two rings: light above and left outside, dark inside, so the field looks sunken.
void TextBoxCustom::DrawBorder(GraphicsContext& gc, Point at)
{
    gc.DrawBevel(at.x, at.y, width, height, kLight, kDark);
    gc.DrawBevel(at.x + 1, at.y + 1, width - 2, height - 2, kDark, kLight);
}

void TextBoxCustom::GotFocus()
{
    ElementWatch<TextBoxCustom> self(this);
    PaintedChild::GotFocus();
    if (self) {
        DrawContent(false);
    }
}

void TextBoxCustom::LostFocus()
{
    ElementWatch<TextBoxCustom> self(this);
    PaintedChild::LostFocus();
    if (self) {
        DrawContent(false);
    }
}

void TextBoxCustom::Create()
{
    if (created) {
        return;
    }
    AssignId();
    MeasureCells();
    ApplyHeightRule();
    editor_.SetGrid(GridForSize());
    editor_.Load(text);
    const TextCell blank{0, CellForeColor(), Background(), editor_.GetMaxLength()};
    cells_.assign(static_cast<size_t>(editor_.GetGrid().Capacity()), blank);
    created = true;
    visible = true;
}

void TextBoxCustom::DrawContent(bool full)
{
    RenderCells(full);
}

void TextBoxCustom::RenderCells(bool full)
{
    if (Application::loading || !created) {
        return;
    }
    GraphicsContext gc(Application::GetParentForm(this));
    const Point at = Application::ToFormCoordinates(this, x, y);
    const TextLayout layout = editor_.Layout();
    const std::string shown = editor_.Shown();
    const int caretCell =
        ShowsCaret() ? layout.indexCell[static_cast<size_t>(editor_.Caret())] : -1;
    const int columns = editor_.GetGrid().Columns();
    const int64_t background = Background();
    for (size_t cell = 0; cell < cells_.size(); ++cell) {
        const int index = layout.cellIndex[cell];
        const char character = index < 0 ? 0 : shown[static_cast<size_t>(index)];
        TextCell wanted;
        wanted.shown = character;
        if (character == kLineFeed || (character == kLineBreak && !editor_.GetOptions().password)) {
            wanted.shown = kBlank;
        } else if (editor_.GetOptions().password && character != kBlank && character != 0) {
            wanted.shown = kPasswordMark;
        }
        wanted.foreColor = CellForeColor();
        wanted.backColor = static_cast<int>(cell) == caretCell ? caretColor_ : background;
        wanted.index = index < 0 ? editor_.GetMaxLength() : index;
        if (!full && SameLook(cells_[cell], wanted)) {
            continue;
        }
        const int column = static_cast<int>(cell) % columns;
        const int row = static_cast<int>(cell) / columns;
        const std::string glyph = wanted.shown ? std::string(1, wanted.shown) : std::string();
        gc.DrawText(at.x + kFrame + column * cellWidth_, at.y + kFrame + row * lineHeight_,
                    cellWidth_, lineHeight_, glyph, wanted.foreColor, wanted.backColor, Align());
        cells_[cell] = wanted;
    }
}

void TextBoxCustom::Enable(bool flag)
{
    enabled = flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetMaxLength(int value)
{
    if (!created) {
        editor_.SetMaxLength(value);
    }
}

void TextBoxCustom::SetMemo(bool flag)
{
    editor_.GetOptions().memo = flag;
    if (flag) {
        editor_.GetOptions().multiLine = true;
    }
}

void TextBoxCustom::SetMultiLine(bool flag)
{
    editor_.GetOptions().multiLine = flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetReadOnly(bool flag)
{
    readOnly_ = flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetDigitsOnly(bool flag)
{
    editor_.GetOptions().digitsOnly = flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetAllowDecimalPoint(bool flag)
{
    editor_.GetOptions().allowDecimalPoint = flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetPassword(bool flag)
{
    editor_.GetOptions().password = flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetDateMode(bool flag)
{
    TextEditor::Options& options = editor_.GetOptions();
    options.dateMode = flag;
    options.digitsOnly = flag;
    if (flag) {
        options.memo = false;
        editor_.SetMaxLength(kDateMaxLength);
    }
    RepaintIfCreated();
}

void TextBoxCustom::SetAlignRight(bool flag)
{
    alignRight_ = flag;
    alignCenter_ = alignCenter_ && !flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetAlignCenter(bool flag)
{
    alignCenter_ = flag;
    alignRight_ = alignRight_ && !flag;
    RepaintIfCreated();
}

void TextBoxCustom::SetAlignLeft(bool flag)
{
    if (flag) {
        alignRight_ = false;
        alignCenter_ = false;
    }
    RepaintIfCreated();
}

void TextBoxCustom::Refresh()
{
    RepaintIfCreated();
}

void TextBoxCustom::React(TextEditor::Outcome outcome)
{
    if (outcome == TextEditor::Outcome::Refused) {
        Beep();
    } else if (outcome == TextEditor::Outcome::Changed) {
        RenderCells(false);
    }
}

bool TextBoxCustom::ShowsCaret() const
{
    return enabled && hasFocus && !readOnly_;
}

int64_t TextBoxCustom::Background() const
{
    return enabled ? OwnOrDefaultBackColor(this) : kDisabledBackColor;
}

int64_t TextBoxCustom::CellForeColor() const
{
    return enabled ? foreColor_ : kDisabledForeColor;
}

// Characters sit left in their cells in multi-line text.
TextAlign TextBoxCustom::Align() const
{
    if (editor_.GetOptions().multiLine) {
        return TextAlign::Left;
    }
    if (alignCenter_) {
        return TextAlign::Centre;
    }
    return alignRight_ ? TextAlign::Right : TextAlign::Left;
}

}  // namespace tarnbrook
