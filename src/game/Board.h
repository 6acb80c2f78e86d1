#pragma once

#include <array>
#include <functional>
#include <vector>

namespace tarnbrook {

class BoardView;

// An integer in [low, high] from the C generator, which is seeded from the clock at the first
// call of the process.
int RandomInRange(int low, int high);

// The rules of the game on a board of 12 columns by 15 rows: a fixed frame around 10 by 13
// playable cells, some of which hide a hazard. Cells are numbered row by row from 0 to 179.
// The board holds the tile of every cell and tells its view whenever one changes.
class Board {
public:
    static constexpr int kColumns = 12;
    static constexpr int kRows = 15;
    static constexpr int kCellCount = kColumns * kRows;
    static constexpr int kInteriorCount = (kColumns - 2) * (kRows - 2);

    static constexpr int kCoveredTile = 0;  // 1..8: hazards among the neighbours
    static constexpr int kHazardTile = 17;
    static constexpr int kOpenTile = 18;  // no neighbouring hazard; also the start screen

    static constexpr const char* kBeepSound = "Data/beep.wav";
    static constexpr const char* kExplosionSound = "Data/Explosion.wav";

    // Draws an integer in [low, high]; tests replace it with a scripted one.
    using RandomSource = std::function<int(int low, int high)>;

    explicit Board(BoardView& view, RandomSource random = RandomInRange);
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    static bool IsInteriorIndex(int cell);
    // The tile a cell shows before the first game: a frame piece or open ground.
    static int FrameTile(int cell);
    static int HazardCount(int level);

    // Covers the cells that spell the start-screen logo.
    void ShowLogo();

    void StartGame();
    // Ends a running game without ranking it and shows where the hazards were.
    void CancelGame();
    // The level advance of the periodic tick: the next level appears on the second tick after
    // "Level completed!". Does nothing while no game runs.
    void AdvanceOnTick();
    // A click on cell: uncovers it and its flood, then updates the remaining counter; nothing
    // while a completed level waits for its advance.
    void CellClicked(int cell);

    // Shows the score and level texts.
    void RefreshScoreLevel();
    std::vector<int> GetNeighbours(int cell) const;
    bool IsHazard(int cell) const;

    int Tile(int cell) const { return tiles_[cell]; }
    int Level() const { return level_; }
    int Score() const { return score_; }
    const std::vector<int>& Hazards() const { return hazards_; }
    bool GameRunning() const { return gameRunning_; }
    bool LevelCompletePending() const { return levelCompletePending_; }

private:
    static bool IsOnBoard(int cell);
    void PrepareLevel();
    void PlaceHazards(int excluded);
    void RevealHazards();
    void UncoverCell(std::vector<int>& stack, int cell, bool quiet);
    void CheckLevelComplete();
    void SetTile(int cell, int tile);
    void UncoverSafeCell(std::vector<int>& stack, int cell, bool quiet);
    void EndGame();
    // From "Level completed!" until the next level appears.
    bool LevelCompleted() const;
    int CountCoveredSafeCells() const;

    BoardView& view_;
    RandomSource random_;
    std::array<int, kCellCount> tiles_;
    int level_ = 0;
    int score_ = 0;
    std::vector<int> hazards_;  // in the order they were placed
    bool gameRunning_ = false;
    bool firstUncoverPending_ = false;
    bool levelCompletePending_ = false;
    bool advancePending_ = false;
};

}  // namespace tarnbrook
