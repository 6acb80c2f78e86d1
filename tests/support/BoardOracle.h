#pragma once

#include <vector>

namespace testsupport {

// The board as a player sees it, worked out independently of the game: 12 columns by 15 rows
// of 27-pixel squares, the frame around 10 by 13 playable squares.
namespace board {
constexpr int kColumns = 12;
constexpr int kRows = 15;
constexpr int kCells = kColumns * kRows;
constexpr int kCellSize = 27;
constexpr int kCovered = 0;
constexpr int kHazard = 17;
constexpr int kOpen = 18;
constexpr int kUnknown = -1;  // a square that matches no tile
}  // namespace board

bool IsInteriorCell(int index);
std::vector<int> NeighbourCells(int index);
int CountTiles(const std::vector<int>& board, int tile);
// Playable squares that are uncovered: numbers 1..8 and open ground.
int CountUncovered(const std::vector<int>& board);
// Playable squares that match no tile or whose number is not the count of hazards around them.
int WronglyShown(const std::vector<int>& board);

}  // namespace testsupport
