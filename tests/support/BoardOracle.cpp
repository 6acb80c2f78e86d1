#include "support/BoardOracle.h"

#include <algorithm>

namespace testsupport {

using namespace board;

bool IsInteriorCell(int index)
{
    const int row = index / kColumns;
    const int column = index % kColumns;
    return row >= 1 && row <= kRows - 2 && column >= 1 && column <= kColumns - 2;
}

std::vector<int> NeighbourCells(int index)
{
    std::vector<int> cells;
    const int row = index / kColumns;
    const int column = index % kColumns;
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            if ((r != row || c != column) && r >= 0 && r < kRows && c >= 0 && c < kColumns) {
                cells.push_back(r * kColumns + c);
            }
        }
    }
    return cells;
}

int CountTiles(const std::vector<int>& board, int tile)
{
    return static_cast<int>(std::count(board.begin(), board.end(), tile));
}

int CountUncovered(const std::vector<int>& board)
{
    int count = 0;
    for (int i = 0; i < kCells; ++i) {
        const int tile = board[static_cast<size_t>(i)];
        count += IsInteriorCell(i) && ((tile >= 1 && tile <= 8) || tile == kOpen);
    }
    return count;
}

int WronglyShown(const std::vector<int>& board)
{
    int wrong = 0;
    for (int i = 0; i < kCells; ++i) {
        const int tile = board[static_cast<size_t>(i)];
        int hazards = 0;
        for (int n : NeighbourCells(i)) {
            hazards += board[static_cast<size_t>(n)] == kHazard;
        }
        const bool miscounted = tile >= 1 && tile <= 8 && tile != hazards;
        wrong += IsInteriorCell(i) && (tile == kUnknown || miscounted);
    }
    return wrong;
}

}  // namespace testsupport
