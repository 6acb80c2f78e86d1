#include "support/BoardOracle.h"

#include <algorithm>

#include "support/GameSession.h"

namespace testsupport {

namespace {

constexpr int kColumns = GameWindow::kColumns;
constexpr int kRows = GameWindow::kRows;

bool IsNumber(int tile)
{
    return tile >= 1 && tile <= 8;
}

std::string Describe(int index, const std::string& what)
{
    return "row " + std::to_string(index / kColumns) + " column " +
           std::to_string(index % kColumns) + ": " + what;
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
    for (size_t i = 0; i < board.size(); ++i) {
        const int tile = board[i];
        count += IsInteriorCell(static_cast<int>(i)) && (IsNumber(tile) || tile == tiles::kOpen);
    }
    return count;
}

std::vector<std::string> RuleViolations(const std::vector<int>& board)
{
    std::vector<std::string> violations;
    for (int i = 0; i < kColumns * kRows; ++i) {
        const int tile = board[static_cast<size_t>(i)];
        if (!IsInteriorCell(i)) {
            if (tile == tiles::kHazard || tile == tiles::kCovered) {
                violations.push_back(Describe(i, "the frame shows a board tile"));
            }
            continue;
        }
        int hazards = 0;
        int covered = 0;
        for (int n : NeighbourCells(i)) {
            hazards += board[static_cast<size_t>(n)] == tiles::kHazard;
            covered += IsInteriorCell(n) && board[static_cast<size_t>(n)] == tiles::kCovered;
        }
        if (IsNumber(tile) && tile != hazards) {
            violations.push_back(Describe(i, "shows " + std::to_string(tile) + " next to " +
                                                 std::to_string(hazards) + " hazards"));
        }
        if (tile == tiles::kOpen && (hazards > 0 || covered > 0)) {
            violations.push_back(Describe(i, "open ground next to a hazard or a covered square"));
        }
        if (tile == GameWindow::kUnknownTile) {
            violations.push_back(Describe(i, "matches no tile"));
        }
    }
    return violations;
}

std::vector<int> BoardRows(const std::vector<int>& board, int first, int last)
{
    return std::vector<int>(board.begin() + first * kColumns, board.begin() + (last + 1) * kColumns);
}

}  // namespace testsupport
