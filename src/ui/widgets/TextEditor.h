#pragma once

#include <string>

#include "ui/Point.h"
#include "ui/widgets/TextGrid.h"

namespace tarnbrook {

// The editing rules of a text box, without a display: a blank-padded buffer of maxLength
// characters, the caret and the count of characters entered, changed by typed characters,
// the arrow keys and clicks on the grid. The box shows the buffer in its grid and sounds the
// beep for every refused input.
//
// Single-line text is typed over; multi-line text is inserted and line breaks (13) may be
// typed. Nothing is accepted that the grid cannot show, and the buffer is never written past
// its end.
class TextEditor {
public:
    enum class Outcome {
        Unchanged,  // nothing to do
        Changed,    // the buffer or the caret moved: repaint
        Refused,    // the input was refused: beep
    };

    struct Options {
        bool multiLine = false;
        bool dateMode = false;  // dd/mm/yyyy with the slashes written by the box
        bool digitsOnly = false;
        bool allowDecimalPoint = false;  // with digitsOnly: one "." may be typed
        bool memo = false;               // Delete removes the character instead of blanking it
        bool password = false;           // a line break is shown, not obeyed
    };

    static constexpr int kDefaultMaxLength = 256;
    // The buffer is never made longer than this, whatever is asked: no box shows more than
    // TextGrid::kMaxCells characters anyway.
    static constexpr int kLongestMaxLength = 65535;

    TextEditor();

    Options& GetOptions() { return options_; }
    const Options& GetOptions() const { return options_; }
    void SetGrid(const TextGrid& grid) { grid_ = grid; }
    const TextGrid& GetGrid() const { return grid_; }
    // Re-makes the buffer at the new size (0 to kLongestMaxLength), keeping what fits of the
    // text.
    void SetMaxLength(int value);
    int GetMaxLength() const { return maxLength_; }

    // Fills the buffer with the text (single-line: only what comes before its first line feed)
    // and puts the caret after it.
    void Load(std::string text);
    // The buffer without its trailing white space.
    std::string Text() const;
    // The buffer and its terminating zero, as the grid shows it.
    std::string Shown() const;
    int Caret() const { return caret_; }
    int Length() const { return length_; }

    Outcome Type(char character);
    Outcome Right();
    Outcome Left();
    Outcome Up();
    Outcome Down();
    // A click on the cell in this column and row.
    Outcome Click(int column, int row);

    TextLayout Layout() const;
    // The column and row of the cell showing the index; (0, 0) when none does.
    Point CaretCell(int index) const;
    // Whether the first n characters of the text fit in the grid and the buffer.
    bool FitsText(int n, const std::string& text) const;

private:
    Outcome Delete();
    Outcome Backspace();
    Outcome DateBackspace();
    Outcome LineBreak();
    Outcome Printable(char character);
    bool Acceptable(char character) const;
    Outcome Overwrite(char character);
    Outcome Insert(char character);
    void Store(std::string content, int caret, int length);
    int IndexAt(int column, int row) const;  // -1 when the cell shows nothing
    bool IsSlashPosition(int index) const;
    std::string Content() const;  // the characters entered

    Options options_;
    TextGrid grid_;
    int maxLength_ = kDefaultMaxLength;
    std::string buffer_;  // exactly maxLength_ characters, blank-padded
    int caret_ = 0;
    int length_ = 0;
};

}  // namespace tarnbrook
