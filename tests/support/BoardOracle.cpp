#include "support/BoardOracle.h"

#include <algorithm>

namespace testsupport {

using namespace board;

namespace {

bool IsNumber(int tile)
{
    return tile >= 1 && tile <= 8;
}

}  // namespace

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
    for (int i = 0; i < static_cast<int>(board.size()); ++i) {
        const int tile = board[static_cast<size_t>(i)];
        count += IsInteriorCell(i) && (IsNumber(tile) || tile == kOpen);
    }
    return count;
}

std::vector<std::string> RuleViolations(const std::vector<int>& board)
{
    std::vector<std::string> violations;
    const auto violation = [&](int index, const std::string& what) {
        violations.push_back("row " + std::to_string(index / kColumns) + " column " +
                             std::to_string(index % kColumns) + ": " + what);
    };
    for (int i = 0; i < kCells; ++i) {
        const int tile = board[static_cast<size_t>(i)];
        if (!IsInteriorCell(i)) {
            if (tile == kHazard || tile == kCovered) {
                violation(i, "the frame shows a board tile");
            }
            continue;
        }
        int hazards = 0;
        int covered = 0;
        for (int n : NeighbourCells(i)) {
            hazards += board[static_cast<size_t>(n)] == kHazard;
            covered += IsInteriorCell(n) && board[static_cast<size_t>(n)] == kCovered;
        }
        if (IsNumber(tile) && tile != hazards) {
            violation(i, "shows " + std::to_string(tile) + " next to " + std::to_string(hazards) + " hazards");
        }
        if (tile == kOpen && (hazards > 0 || covered > 0)) {
            violation(i, "open ground next to a hazard or a covered square");
        }
        if (tile == kUnknown) {
            violation(i, "matches no tile");
        }
    }
    return violations;
}

}  // namespace testsupport
