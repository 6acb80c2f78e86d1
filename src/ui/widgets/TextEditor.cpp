#include "ui/widgets/TextEditor.h"

#include <algorithm>
#include <cctype>

#include "ui/KeyCharacters.h"
#include "util/StringUtils.h"

namespace tarnbrook {

namespace {

const char kLineBreak = kReturnCharacter;
const char kLineFeed = 10;
const char kBlank = ' ';
const char kDateSeparator = '/';
const char kDecimalPoint = '.';

bool IsPrintable(char character)
{
    const auto code = static_cast<unsigned char>(character);
    return code >= 32 && code < 127;
}

bool IsDigit(char character)
{
    return std::isdigit(static_cast<unsigned char>(character)) != 0;
}

// Digits of a date with the slashes put back after the day and the month.
std::string FormatDate(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), kDateSeparator), text.end());
    text = TrimRight(text);
    if (text.size() > 1) {
        text.insert(2, 1, kDateSeparator);
    }
    if (text.size() > 4) {
        text.insert(5, 1, kDateSeparator);
    }
    return text;
}

}  // namespace

TextEditor::TextEditor() : buffer_(static_cast<size_t>(maxLength_), kBlank) {}

void TextEditor::SetMaxLength(int value)
{
    const std::string kept = Content();
    maxLength_ = std::clamp(value, 0, kLongestMaxLength);
    Load(kept);
}

void TextEditor::Load(std::string text)
{
    if (!options_.multiLine) {
        text = text.substr(0, text.find(kLineFeed));
    }
    const int n = std::min(maxLength_, static_cast<int>(text.size()));
    Store(text, n, n);
}

std::string TextEditor::Text() const
{
    return TrimRight(buffer_);
}

std::string TextEditor::Shown() const
{
    return buffer_ + '\0';
}

TextEditor::Outcome TextEditor::Type(char character)
{
    switch (character) {
    case kDeleteCharacter:
        return Delete();
    case kBackspaceCharacter:
        return Backspace();
    case kLineBreak:
        return LineBreak();
    case kEscapeCharacter:
        return Outcome::Unchanged;
    default:
        return IsPrintable(character) ? Printable(character) : Outcome::Refused;
    }
}

TextEditor::Outcome TextEditor::Right()
{
    if (caret_ >= length_) {
        return Outcome::Refused;
    }
    int next = caret_ + 1;
    if (IsSlashPosition(next)) {
        ++next;
    }
    caret_ = std::min(next, length_);
    return Outcome::Changed;
}

TextEditor::Outcome TextEditor::Left()
{
    if (caret_ <= 0) {
        return Outcome::Refused;
    }
    int next = caret_ - 1;
    if (IsSlashPosition(next)) {
        --next;
    }
    caret_ = std::max(next, 0);
    return Outcome::Changed;
}

TextEditor::Outcome TextEditor::Up()
{
    if (!options_.multiLine) {
        return Outcome::Unchanged;
    }
    const Point cell = CaretCell(caret_);
    const int index = cell.y < 1 ? -1 : IndexAt(cell.x, cell.y - 1);
    if (index < 0) {
        return Outcome::Refused;
    }
    caret_ = std::min(index, length_);
    return Outcome::Changed;
}

TextEditor::Outcome TextEditor::Down()
{
    if (!options_.multiLine) {
        return Outcome::Unchanged;
    }
    const Point cell = CaretCell(caret_);
    const int index = cell.y + 1 >= grid_.Rows() ? -1 : IndexAt(cell.x, cell.y + 1);
    // The end of the text is a place for the caret too; the blanks after it are not.
    if (index < 0 || index > length_) {
        return Outcome::Refused;
    }
    caret_ = index;
    return Outcome::Changed;
}

TextEditor::Outcome TextEditor::Click(int column, int row)
{
    if (grid_.Capacity() == 0) {
        return Outcome::Unchanged;
    }
    column = std::clamp(column, 0, grid_.Columns() - 1);
    row = std::clamp(row, 0, grid_.Rows() - 1);
    const int index = IndexAt(column, row);
    caret_ = index < 0 || index > length_ ? length_ : index;
    if (IsSlashPosition(caret_)) {
        --caret_;
    }
    return Outcome::Changed;
}

TextLayout TextEditor::Layout() const
{
    return grid_.Place(Shown(), !options_.password);
}

Point TextEditor::CaretCell(int index) const
{
    const TextLayout layout = Layout();
    if (index < 0 || index >= static_cast<int>(layout.indexCell.size())) {
        return Point{0, 0};
    }
    const int cell = layout.indexCell[static_cast<size_t>(index)];
    if (cell < 0) {
        return Point{0, 0};
    }
    return Point{cell % grid_.Columns(), cell / grid_.Columns()};
}

bool TextEditor::FitsText(int n, const std::string& text) const
{
    if (n > maxLength_) {
        return false;
    }
    if (n <= 0) {
        return true;
    }
    const std::string laid =
        PadRight(text.substr(0, static_cast<size_t>(n)), kBlank, static_cast<size_t>(n));
    return grid_.Place(laid, !options_.password).placed >= n;
}

TextEditor::Outcome TextEditor::Delete()
{
    if (caret_ >= length_) {
        return Outcome::Unchanged;
    }
    if (!options_.memo) {
        buffer_[static_cast<size_t>(caret_)] = kBlank;
        return Outcome::Changed;
    }
    std::string content = Content();
    content.erase(static_cast<size_t>(caret_), 1);
    Store(content, caret_, length_ - 1);
    return Outcome::Changed;
}

TextEditor::Outcome TextEditor::Backspace()
{
    if (caret_ < 1) {
        return Outcome::Refused;
    }
    if (options_.dateMode) {
        return DateBackspace();
    }
    std::string content = Content();
    content.erase(static_cast<size_t>(caret_ - 1), 1);
    Store(content, caret_ - 1, length_ - 1);
    return Outcome::Changed;
}

// Just after a slash the slash goes together with the digit before it; the date is then
// written again with its slashes in their places.
TextEditor::Outcome TextEditor::DateBackspace()
{
    const int from = (caret_ == 3 || caret_ == 6) ? caret_ - 2 : caret_ - 1;
    std::string content = Content();
    content.erase(static_cast<size_t>(from), static_cast<size_t>(caret_ - from));
    content = FormatDate(content);
    Store(content, from, static_cast<int>(content.size()));
    return Outcome::Changed;
}

TextEditor::Outcome TextEditor::LineBreak()
{
    if (!options_.multiLine || caret_ >= maxLength_) {
        return Outcome::Unchanged;
    }
    return Insert(kLineBreak);
}

TextEditor::Outcome TextEditor::Printable(char character)
{
    if (!Acceptable(character) || caret_ >= maxLength_) {
        return Outcome::Refused;
    }
    return options_.multiLine ? Insert(character) : Overwrite(character);
}

bool TextEditor::Acceptable(char character) const
{
    if (!options_.digitsOnly || IsDigit(character)) {
        return true;
    }
    return character == kDecimalPoint && options_.allowDecimalPoint &&
           buffer_.find(kDecimalPoint) == std::string::npos;
}

TextEditor::Outcome TextEditor::Overwrite(char character)
{
    std::string next = buffer_;
    next[static_cast<size_t>(caret_)] = character;
    int nextCaret = caret_ + 1;
    if (IsSlashPosition(nextCaret) && nextCaret < maxLength_) {
        next[static_cast<size_t>(nextCaret)] = kDateSeparator;
        ++nextCaret;
    }
    if (grid_.Place(next + '\0', !options_.password).placed < nextCaret) {
        return Outcome::Refused;
    }
    buffer_ = next;
    caret_ = nextCaret;
    length_ = std::max(length_, nextCaret);
    return Outcome::Changed;
}

TextEditor::Outcome TextEditor::Insert(char character)
{
    std::string content = Content();
    content.insert(static_cast<size_t>(caret_), 1, character);
    const int n = static_cast<int>(content.size());
    if (!FitsText(n, content)) {
        return Outcome::Refused;
    }
    Store(content, caret_ + 1, n);
    return Outcome::Changed;
}

void TextEditor::Store(std::string content, int caret, int length)
{
    content.resize(std::min(content.size(), static_cast<size_t>(maxLength_)));
    buffer_ = PadRight(content, kBlank, static_cast<size_t>(maxLength_));
    length_ = std::clamp(length, 0, static_cast<int>(content.size()));
    caret_ = std::clamp(caret, 0, length_);
}

int TextEditor::IndexAt(int column, int row) const
{
    const int cell = row * grid_.Columns() + column;
    if (column < 0 || row < 0 || cell >= grid_.Capacity()) {
        return -1;
    }
    return Layout().cellIndex[static_cast<size_t>(cell)];
}

bool TextEditor::IsSlashPosition(int index) const
{
    return options_.dateMode && (index == 2 || index == 5);
}

std::string TextEditor::Content() const
{
    return buffer_.substr(0, static_cast<size_t>(length_));
}

}  // namespace tarnbrook
