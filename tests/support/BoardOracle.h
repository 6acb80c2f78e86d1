#pragma once

#include <string>
#include <vector>

namespace testsupport {

// What a board read back from the screen must satisfy, worked out independently of the game:
// 12 columns by 15 rows, the frame around 10 by 13 playable squares.
bool IsInteriorCell(int index);
std::vector<int> NeighbourCells(int index);
int CountTiles(const std::vector<int>& board, int tile);
// Playable squares that are uncovered: numbers 1..8 and open ground.
int CountUncovered(const std::vector<int>& board);

// After the hazards have been revealed (lost or cancelled game): every number equals its
// neighbouring hazards, open ground touches no hazard and no covered square, and only playable
// squares hold hazards. Each violation is described in one line; none means the board agrees.
std::vector<std::string> RuleViolations(const std::vector<int>& board);

// Rows first to last of the board (the top frame row lies partly under the message line).
std::vector<int> BoardRows(const std::vector<int>& board, int first, int last);

}  // namespace testsupport
