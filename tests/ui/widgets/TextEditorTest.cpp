#include <gtest/gtest.h>

#include "ui/widgets/TextEditor.h"

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace tarnbrook {
namespace {

// Steps of a script: characters are typed (\b Backspace, \177 Delete, \r a line break); < > ^ _
// are the arrows; "@cr" clicks column c, row r.

// Options: m multi-line, M memo, d date mode, 9 digits only, . with a decimal point.
TextEditor Editor(int columns, int rows, const std::string& text = "",
                  const std::string& options = "", int maxLength = 256)
{
    TextEditor editor;
    TextEditor::Options& o = editor.GetOptions();
    o.multiLine = options.find('m') != std::string::npos;
    o.memo = options.find('M') != std::string::npos;
    o.dateMode = options.find('d') != std::string::npos;
    o.digitsOnly = options.find('9') != std::string::npos;
    o.allowDecimalPoint = options.find('.') != std::string::npos;
    editor.SetMaxLength(maxLength);
    editor.SetGrid(TextGrid(columns, rows));
    editor.Load(text);
    return editor;
}

TextEditor::Outcome Step(TextEditor& editor, const std::string& script, size_t& at)
{
    switch (const char step = script[at++]) {
    case '<':
        return editor.Left();
    case '>':
        return editor.Right();
    case '^':
        return editor.Up();
    case '_':
        return editor.Down();
    case '@':
        at += 2;
        return editor.Click(script[at - 2] - '0', script[at - 1] - '0');
    default:
        return editor.Type(step);
    }
}

// Checks each step's outcome (c changed, u unchanged, r refused), then text and caret.
void Expect(TextEditor& editor, const std::string& script, const std::string& outcomes,
            const std::string& text, int caret)
{
    SCOPED_TRACE("script \"" + script + "\"");
    std::string got;
    for (size_t at = 0; at < script.size();) {
        got += "ucr"[static_cast<int>(Step(editor, script, at))];
    }
    EXPECT_EQ(got, outcomes);
    EXPECT_EQ(editor.Text(), text);
    EXPECT_EQ(editor.Caret(), caret);
}

std::vector<int> Placed(const std::string& text, int columns, int rows)
{
    return TextGrid(columns, rows).Place(text, true).indexCell;
}

// Characters wrap and stop below the last row; a line break clears the rest of its row.
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
    // A huge grid stops at its cell limit.
    EXPECT_EQ(TextGrid(100, 100).Place(std::string(2000, 'x'), true).cellIndex.size(),
              static_cast<size_t>(TextGrid::kMaxCells));
    EXPECT_EQ(TextGrid(0, 3).Place("abc", true).placed, 0);
    EXPECT_EQ(TextGrid(-4, 3).Capacity(), 0);
}

// Typed over up to the width; Backspace closes the gap, Delete blanks, controls refused. At the
// maximum length Delete writes nothing; a new maximum keeps what fits, an absurd one is capped, a
// negative one holds nothing.
TEST(TextEditor, SingleLineOverwriteBackspaceDeleteAndTheMaximumLength)
{
    TextEditor editor = Editor(5, 1);
    Expect(editor, "abcdef", "cccccr", "abcde", 5);
    Expect(editor, "@10XY", "ccc", "aXYde", 3);
    EXPECT_EQ(editor.Length(), 5);

    editor = Editor(10, 1, "abcd");
    Expect(editor, "@20\b", "cc", "acd", 1);
    Expect(editor, "\177", "c", "a d", 1);
    Expect(editor, "@00\b", "cr", "a d", 0);
    Expect(editor, "\033\r\n\310", "uurr", "a d", 0);

    editor = Editor(10, 1);  // Backspace after trailing blanks stays inside the text
    Expect(editor, "a  \b", "cccc", "a", 2);
    EXPECT_EQ(editor.Length(), 2);
    editor = Editor(10, 3, "", "mM");
    Expect(editor, "a  \bb", "ccccc", "a b", 3);

    editor = Editor(10, 1, "abc", "", 3);
    Expect(editor, "\177d", "ur", "abc", 3);
    EXPECT_EQ(editor.Shown(), std::string("abc\0", 4));
    editor = Editor(10, 1, "abc", "M", 3);
    Expect(editor, "\177@10\177", "ucc", "ac", 1);
    EXPECT_EQ(editor.Length(), 2);

    editor = Editor(20, 1, "abcdefgh");
    editor.SetMaxLength(5);
    Expect(editor, "", "", "abcde", 5);
    EXPECT_EQ(editor.Shown().size(), 6u);
    EXPECT_FALSE(editor.FitsText(6, "abcdef"));
    editor.SetMaxLength(INT_MAX);
    EXPECT_EQ(editor.GetMaxLength(), TextEditor::kLongestMaxLength);
    EXPECT_EQ(editor.Text(), "abcde");
    editor.SetMaxLength(-7);
    EXPECT_EQ(editor.Text(), "");
}

TEST(TextEditor, DateModeWritesTheSlashesAndDigitsOnlyTakesOneDecimalPoint)
{
    TextEditor editor = Editor(12, 1, "", "d9", 10);
    Expect(editor,
           "12032024"
           "5/",
           "ccccccccrr", "12/03/2024", 10);
    Expect(editor, "\b", "c", "12/03/202", 9);
    Expect(editor, "@60\b", "cc", "12/02/02", 4);
    Expect(editor, "<<", "cc", "12/02/02", 1);  // over the slash
    Expect(editor, ">", "c", "12/02/02", 3);
    Expect(editor, "@20", "c", "12/02/02", 1);  // never on a slash

    TextEditor digits = Editor(10, 1, "", "9");
    Expect(digits, "a.", "rr", "", 0);
    TextEditor decimal = Editor(10, 1, "", "9.");
    Expect(decimal, "3.1.", "cccr", "3.1", 3);
}

TEST(TextEditor, ALineFeedEndsSingleLineTextAndMultiLineTextIsInsertedUntilTheGridIsFull)
{
    TextEditor editor = Editor(10, 2, "abc\ndef");
    Expect(editor, ">", "r", "abc", 3);
    EXPECT_EQ(Editor(10, 2, "abc\ndef", "m").Text(), "abc\ndef");

    editor = Editor(3, 2, "ac", "m");
    Expect(editor, "@10b", "cc", "abc", 2);
    Expect(editor, "\r", "c", "ab\rc", 3);  // "c" on the second row
    EXPECT_EQ(std::make_pair(editor.CaretCell(3).x, editor.CaretCell(3).y), std::make_pair(0, 1));
    Expect(editor, "def\r", "ccrr", "ab\rdec", 5);  // "dec" fills the last row
    EXPECT_FALSE(editor.FitsText(7, "ab\rdecf"));
    EXPECT_TRUE(editor.FitsText(6, "ab\rdecf"));
    TextEditor full = Editor(10, 2, "abc", "m", 3);  // a line break at the maximum: ignored
    Expect(full, "\r", "u", "abc", 3);
}

TEST(TextEditor, ArrowsMoveWithinTheTextAndAClickBesideOrBelowItGoesToItsEnd)
{
    TextEditor editor = Editor(4, 3, "ab\rcdef\rg", "m");
    Expect(editor, ">", "r", "ab\rcdef\rg", 9);
    Expect(editor, "^", "c", "ab\rcdef\rg", 4);    // (1, 1): "d"
    Expect(editor, "^^", "cr", "ab\rcdef\rg", 1);  // (1, 0): "b", then the top
    Expect(editor, ">_", "cc", "ab\rcdef\rg", 5);  // from the line break, the first line's end
    Expect(editor, "_", "r", "ab\rcdef\rg", 5);    // below "e" only blanks after the text
    Expect(editor, "@01__", "ccr", "ab\rcdef\rg", 8);
    Expect(editor, "@10<<", "ccr", "ab\rcdef\rg", 0);

    editor = Editor(10, 2, "abc");
    Expect(editor, "@10@70", "cc", "abc", 3);
    Expect(editor, "@10", "c", "abc", 1);
    editor.Click(40, 9);  // outside the grid: the nearest cell
    EXPECT_EQ(editor.Caret(), 3);
    editor = Editor(3, 1, "abc");
    editor.Click(40, 0);
    EXPECT_EQ(editor.Caret(), 2);
    EXPECT_EQ(Editor(0, 1, "abc").Click(0, 0), TextEditor::Outcome::Unchanged);
}

}  // namespace
}  // namespace tarnbrook
