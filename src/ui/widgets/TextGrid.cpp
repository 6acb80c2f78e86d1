#include "ui/widgets/TextGrid.h"

#include <algorithm>
#include <cstdint>

namespace tarnbrook {

namespace {
const char kLineBreak = 13;
}

TextGrid::TextGrid(int columns, int rows) : columns_(std::max(columns, 0)), rows_(std::max(rows, 0))
{
    const std::int64_t cells = static_cast<std::int64_t>(columns_) * rows_;
    capacity_ = static_cast<int>(std::min<std::int64_t>(cells, kMaxCells));
}

TextLayout TextGrid::Place(const std::string& characters, bool breakLines) const
{
    TextLayout layout;
    layout.cellIndex.assign(static_cast<size_t>(capacity_), -1);
    layout.indexCell.assign(characters.size(), -1);
    int column = 0;
    int row = 0;
    for (size_t i = 0; i < characters.size(); ++i) {
        const bool lineBreak = breakLines && characters[i] == kLineBreak;
        if (!lineBreak && column >= columns_) {
            column = 0;
            ++row;
        }
        const int cell = row * columns_ + std::min(column, columns_);
        if (row >= rows_ || cell > capacity_ || (!lineBreak && cell == capacity_)) {
            break;
        }
        const int index = static_cast<int>(i);
        layout.placed = index + 1;
        if (lineBreak) {
            // A break at the end of a full row clears nothing and has no cell of its own.
            const int rowEnd = std::min((row + 1) * columns_, capacity_);
            std::fill(layout.cellIndex.begin() + cell, layout.cellIndex.begin() + rowEnd, index);
            layout.indexCell[i] = cell < rowEnd ? cell : -1;
            column = 0;
            ++row;
        } else {
            layout.cellIndex[static_cast<size_t>(cell)] = index;
            layout.indexCell[i] = cell;
            ++column;
        }
    }
    return layout;
}

}  // namespace tarnbrook
