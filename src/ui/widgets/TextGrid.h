#pragma once

#include <string>
#include <vector>

namespace tarnbrook {

// Where the characters of a text box land in its grid of cells.
struct TextLayout {
    std::vector<int> cellIndex;  // per cell: the index of the character shown there, -1 none
    std::vector<int> indexCell;  // per character: its cell (a line break: the first cell it
                                 // clears), -1 when it has none
    int placed = 0;              // characters 0 to placed - 1 fit in the grid
};

// The fixed grid of a text box, filled row by row without scrolling. A character takes one
// cell and wraps at the end of a row; a line break (13) takes no cell of its own but clears the
// rest of its row, and the next character starts the next row. A character that would fall
// below the last row does not fit, and neither does anything after it.
class TextGrid {
public:
    // A grid never has more cells than this, however large the box.
    static constexpr int kMaxCells = 1600;

    TextGrid() = default;
    TextGrid(int columns, int rows);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int Capacity() const { return capacity_; }

    // Lays out the characters; with breakLines false a line break is a character like any other.
    TextLayout Place(const std::string& characters, bool breakLines) const;

private:
    int columns_ = 0;
    int rows_ = 0;
    int capacity_ = 0;  // columns x rows, at most kMaxCells
};

}  // namespace tarnbrook
