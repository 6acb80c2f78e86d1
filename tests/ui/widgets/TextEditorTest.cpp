#include <gtest/gtest.h>

#include <climits>

#include "ui/widgets/TextEditor.h"

#include <string>
#include <utility>
#include <vector>

namespace tarnbrook {
namespace {

using Outcome = TextEditor::Outcome;

const char kDelete = 127;
const char kBackspace = 8;
const char kReturn = 13;

// An editor on a grid of the given columns and rows holding the text.
TextEditor Editor(int columns, int rows, const std::string& text = "", int maxLength = 256)
{
    TextEditor editor;
    editor.SetMaxLength(maxLength);
    editor.SetGrid(TextGrid(columns, rows));
    editor.Load(text);
    return editor;
}

// Types the characters and answers the outcome of each.
std::vector<Outcome> Type(TextEditor& editor, const std::string& characters)
{
    std::vector<Outcome> outcomes;
    for (char character : characters) {
        outcomes.push_back(editor.Type(character));
    }
    return outcomes;
}

using Cell = std::pair<int, int>;

Cell CellOf(const TextEditor& editor, int index)
{
    const Point cell = editor.CaretCell(index);
    return Cell{cell.x, cell.y};
}

std::vector<int> Placed(const std::string& text, int columns, int rows)
{
    return TextGrid(columns, rows).Place(text, true).indexCell;
}

// Characters wrap at the row end and stop below the last row; a line break clears the rest
// of its row.
TEST(TextGrid, CharactersWrapAndLineBreaksClearTheRestOfTheirRow)
{
    EXPECT_EQ(Placed("abcdefg", 3, 2), (std::vector<int>{0, 1, 2, 3, 4, 5, -1}));
    const TextLayout layout = TextGrid(3, 2).Place("a\rbcd\re", true);
    EXPECT_EQ(layout.cellIndex, (std::vector<int>{0, 1, 1, 2, 3, 4}));
    // After the full row "bcd" the break has no cell and opens the third row, which is gone.
    EXPECT_EQ(layout.indexCell, (std::vector<int>{0, 1, 3, 4, 5, -1, -1}));
    EXPECT_EQ(layout.placed, 6);
    // In a password box a line break is a character like any other.
    EXPECT_EQ(TextGrid(3, 1).Place("a\rb", false).cellIndex, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Placed("\r\r\r", 2, 2), (std::vector<int>{0, 2, -1}));
}

TEST(TextGrid, AHugeGridStopsAtItsCellLimit)
{
    const TextGrid grid(100, 100);
    EXPECT_EQ(grid.Capacity(), TextGrid::kMaxCells);
    const TextLayout layout = grid.Place(std::string(2000, 'x'), true);
    EXPECT_EQ(layout.placed, TextGrid::kMaxCells);
    EXPECT_EQ(layout.cellIndex.size(), static_cast<size_t>(TextGrid::kMaxCells));
    EXPECT_EQ(TextGrid(0, 3).Place("abc", true).placed, 0);
    EXPECT_EQ(TextGrid(-4, 3).Capacity(), 0);
}

TEST(TextEditor, SingleLineTextIsTypedOverAndTheWidthIsItsLimit)
{
    TextEditor editor = Editor(5, 1);
    EXPECT_EQ(Type(editor, "abcde"), std::vector<Outcome>(5, Outcome::Changed));
    EXPECT_EQ(editor.Type('f'), Outcome::Refused);
    EXPECT_EQ(editor.Caret(), 5);
    EXPECT_EQ(editor.Length(), 5);
    EXPECT_EQ(editor.Text(), "abcde");

    EXPECT_EQ(editor.Click(1, 0), Outcome::Changed);
    EXPECT_EQ(Type(editor, "XY"), std::vector<Outcome>(2, Outcome::Changed));
    EXPECT_EQ(editor.Text(), "aXYde");
    EXPECT_EQ(editor.Caret(), 3);
    EXPECT_EQ(editor.Length(), 5);  // typing over does not lengthen the text
}

TEST(TextEditor, BackspaceClosesTheGapAndDeleteBlanks)
{
    TextEditor editor = Editor(10, 1, "abcd");
    editor.Click(2, 0);
    EXPECT_EQ(editor.Type(kBackspace), Outcome::Changed);
    EXPECT_EQ(editor.Text(), "acd");
    EXPECT_EQ(editor.Caret(), 1);
    EXPECT_EQ(editor.Length(), 3);
    EXPECT_EQ(editor.Type(kDelete), Outcome::Changed);
    EXPECT_EQ(editor.Text(), "a d");
    EXPECT_EQ(editor.Caret(), 1);
    EXPECT_EQ(editor.Length(), 3);
    editor.Click(0, 0);
    EXPECT_EQ(editor.Type(kBackspace), Outcome::Refused);
    EXPECT_EQ(editor.Text(), "a d");
}

TEST(TextEditor, EditingAfterTrailingBlanksStaysInsideTheText)
{
    TextEditor editor = Editor(10, 1);
    Type(editor, "a  ");
    EXPECT_EQ(editor.Text(), "a");
    EXPECT_EQ(editor.Type(kBackspace), Outcome::Changed);
    EXPECT_EQ(editor.Caret(), 2);
    EXPECT_EQ(editor.Length(), 2);

    TextEditor memo = Editor(10, 3);
    memo.GetOptions().multiLine = true;
    memo.GetOptions().memo = true;
    Type(memo, "a  ");
    EXPECT_EQ(memo.Type(kBackspace), Outcome::Changed);
    EXPECT_EQ(memo.Type('b'), Outcome::Changed);
    EXPECT_EQ(memo.Text(), "a b");
}

TEST(TextEditor, DeleteAtTheEndOfAFullBufferWritesNothing)
{
    TextEditor editor = Editor(10, 1, "abc", 3);
    EXPECT_EQ(editor.Caret(), 3);
    EXPECT_EQ(editor.Type(kDelete), Outcome::Unchanged);
    EXPECT_EQ(editor.Type('d'), Outcome::Refused);
    EXPECT_EQ(editor.Shown(), std::string("abc\0", 4));
    editor.GetOptions().memo = true;
    EXPECT_EQ(editor.Type(kDelete), Outcome::Unchanged);
    editor.Click(1, 0);
    EXPECT_EQ(editor.Type(kDelete), Outcome::Changed);
    EXPECT_EQ(editor.Text(), "ac");
    EXPECT_EQ(editor.Caret(), 1);
    EXPECT_EQ(editor.Length(), 2);
}

TEST(TextEditor, DateModeWritesTheSlashesAndBackspaceTakesThemWithTheDigitBefore)
{
    TextEditor editor = Editor(12, 1, "", 10);
    editor.GetOptions().dateMode = true;
    editor.GetOptions().digitsOnly = true;
    Type(editor, "12032024");
    EXPECT_EQ(editor.Text(), "12/03/2024");
    EXPECT_EQ(editor.Length(), 10);
    EXPECT_EQ(editor.Type('5'), Outcome::Refused);
    EXPECT_EQ(editor.Type('/'), Outcome::Refused);

    EXPECT_EQ(editor.Type(kBackspace), Outcome::Changed);
    EXPECT_EQ(editor.Text(), "12/03/202");
    editor.Click(6, 0);
    EXPECT_EQ(editor.Type(kBackspace), Outcome::Changed);
    EXPECT_EQ(editor.Text(), "12/02/02");
    EXPECT_EQ(editor.Caret(), 4);
    EXPECT_EQ(editor.Length(), 8);
    EXPECT_EQ(editor.Left(), Outcome::Changed);
    EXPECT_EQ(editor.Left(), Outcome::Changed);  // over the slash
    EXPECT_EQ(editor.Caret(), 1);
    EXPECT_EQ(editor.Right(), Outcome::Changed);
    EXPECT_EQ(editor.Caret(), 3);
    editor.Click(2, 0);
    EXPECT_EQ(editor.Caret(), 1);  // never on a slash
}

TEST(TextEditor, DigitsOnlyTakesOneDecimalPoint)
{
    TextEditor editor = Editor(10, 1);
    editor.GetOptions().digitsOnly = true;
    EXPECT_EQ(editor.Type('a'), Outcome::Refused);
    EXPECT_EQ(editor.Type('.'), Outcome::Refused);
    editor.GetOptions().allowDecimalPoint = true;
    EXPECT_EQ(Type(editor, "3.1"), std::vector<Outcome>(3, Outcome::Changed));
    EXPECT_EQ(editor.Type('.'), Outcome::Refused);
    EXPECT_EQ(editor.Text(), "3.1");
}

TEST(TextEditor, ControlCharactersAreRefusedAndEscapeIgnored)
{
    TextEditor editor = Editor(10, 1, "ab");
    EXPECT_EQ(editor.Type(27), Outcome::Unchanged);
    EXPECT_EQ(editor.Type(kReturn), Outcome::Unchanged);  // single-line
    EXPECT_EQ(editor.Type(10), Outcome::Refused);
    EXPECT_EQ(editor.Type(static_cast<char>(200)), Outcome::Refused);
    EXPECT_EQ(editor.Text(), "ab");
    EXPECT_EQ(editor.Caret(), 2);
}

TEST(TextEditor, ALineFeedEndsSingleLineText)
{
    TextEditor editor = Editor(10, 2, "abc\ndef");
    EXPECT_EQ(editor.Text(), "abc");
    EXPECT_EQ(editor.Length(), 3);
    EXPECT_EQ(editor.Right(), Outcome::Refused);
    editor.GetOptions().multiLine = true;
    editor.Load("abc\ndef");
    EXPECT_EQ(editor.Text(), "abc\ndef");
    EXPECT_EQ(editor.Length(), 7);
}

TEST(TextEditor, MultiLineTextIsInsertedUntilTheGridIsFull)
{
    TextEditor editor = Editor(3, 2, "ac");
    editor.GetOptions().multiLine = true;
    editor.Click(1, 0);
    EXPECT_EQ(editor.Type('b'), Outcome::Changed);
    EXPECT_EQ(editor.Text(), "abc");
    EXPECT_EQ(editor.Caret(), 2);
    EXPECT_EQ(editor.Type(kReturn), Outcome::Changed);  // "ab", then "c" on the second row
    EXPECT_EQ(CellOf(editor, editor.Caret()), (Cell{0, 1}));
    EXPECT_EQ(Type(editor, "de"), std::vector<Outcome>(2, Outcome::Changed));
    EXPECT_EQ(editor.Type('f'), Outcome::Refused);  // "dec" fills the last row
    EXPECT_EQ(editor.Type(kReturn), Outcome::Refused);
    EXPECT_EQ(editor.Text(), "ab\rdec");
    EXPECT_FALSE(editor.FitsText(7, "ab\rdecf"));
    EXPECT_TRUE(editor.FitsText(6, "ab\rdecf"));
}

TEST(TextEditor, ArrowsMoveWithinTheTextAndTheRows)
{
    TextEditor editor = Editor(4, 3, "ab\rcdef\rg");
    editor.GetOptions().multiLine = true;
    editor.Load("ab\rcdef\rg");
    EXPECT_EQ(editor.Caret(), 9);
    EXPECT_EQ(editor.Right(), Outcome::Refused);
    EXPECT_EQ(CellOf(editor, 9), (Cell{1, 2}));
    EXPECT_EQ(editor.Up(), Outcome::Changed);  // (1, 1): "d"
    EXPECT_EQ(editor.Caret(), 4);
    EXPECT_EQ(editor.Up(), Outcome::Changed);  // (1, 0): "b"
    EXPECT_EQ(editor.Caret(), 1);
    EXPECT_EQ(editor.Up(), Outcome::Refused);
    editor.Right();
    EXPECT_EQ(editor.Caret(), 2);  // on the line break, the end of the first line
    EXPECT_EQ(editor.Down(), Outcome::Changed);
    EXPECT_EQ(editor.Caret(), 5);
    EXPECT_EQ(editor.Down(), Outcome::Refused);  // below "e" only blanks after the text
    editor.Click(0, 1);
    EXPECT_EQ(editor.Down(), Outcome::Changed);
    EXPECT_EQ(editor.Caret(), 8);
    EXPECT_EQ(editor.Down(), Outcome::Refused);  // the last row
    editor.Click(0, 0);
    EXPECT_EQ(editor.Left(), Outcome::Refused);
    EXPECT_EQ(editor.Caret(), 0);
}

TEST(TextEditor, AClickBesideOrBelowTheTextPutsTheCaretAtItsEnd)
{
    TextEditor editor = Editor(10, 2, "abc");
    EXPECT_EQ(editor.Click(1, 0), Outcome::Changed);
    EXPECT_EQ(editor.Caret(), 1);
    editor.Click(7, 0);
    EXPECT_EQ(editor.Caret(), 3);
    editor.Click(1, 0);
    editor.Click(40, 9);  // outside the grid: the nearest cell
    EXPECT_EQ(editor.Caret(), 3);
    EXPECT_EQ(Editor(0, 1, "abc").Click(0, 0), Outcome::Unchanged);
}

TEST(TextEditor, ANewSizeKeepsWhatFitsOfTheText)
{
    TextEditor editor = Editor(20, 1, "abcdefgh");
    editor.SetMaxLength(5);
    EXPECT_EQ(editor.Text(), "abcde");
    EXPECT_EQ(editor.Caret(), 5);
    EXPECT_EQ(editor.Length(), 5);
    EXPECT_EQ(editor.Shown().size(), 6u);
    EXPECT_TRUE(editor.FitsText(5, "abcde"));
    EXPECT_FALSE(editor.FitsText(6, "abcdef"));
    // An absurd length allocates no absurd buffer; a negative one holds nothing.
    editor.SetMaxLength(INT_MAX);
    EXPECT_EQ(editor.GetMaxLength(), TextEditor::kLongestMaxLength);
    EXPECT_EQ(editor.Text(), "abcde");
    editor.SetMaxLength(-7);
    EXPECT_EQ(editor.GetMaxLength(), 0);
    EXPECT_EQ(editor.Text(), "");
}

}  // namespace
}  // namespace tarnbrook
