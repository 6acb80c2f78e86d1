#include "game/Board.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "game/BoardView.h"
#include "util/StringUtils.h"

namespace tarnbrook {

namespace {

// Frame pieces, by position.
constexpr int kLeftEdge = 9;
constexpr int kRightEdge = 10;
constexpr int kBottomEdge = 11;
constexpr int kTopEdge = 12;
constexpr int kBottomLeft = 13;
constexpr int kBottomRight = 14;
constexpr int kTopLeft = 15;
constexpr int kTopRight = 16;

constexpr int kMaxHazards = 50;
// Hazards are drawn from the first to the last interior index; the frame columns in between
// are rejected.
constexpr int kFirstInterior = Board::kColumns + 1;
constexpr int kLastInterior = Board::kCellCount - Board::kColumns - 2;

// The start-screen logo, "TB" over "GO": X marks a covered cell, from row 2 and column 3.
constexpr int kLogoTop = 2;
constexpr int kLogoLeft = 3;
// clang-format off
const char* const kLogo[] = {
    "XXX.XX.",
    ".X..XXX",
    ".X..X.X",
    ".X..XXX",
    ".......",
    "XXX..X.",
    "X...X.X",
    "X.X.X.X",
    "X.X.X.X",
    "XXX..X.",
};
// clang-format on

int RowOf(int cell)
{
    return cell / Board::kColumns;
}
int ColumnOf(int cell)
{
    return cell % Board::kColumns;
}

}  // namespace

int RandomInRange(int low, int high)
{
    static bool seeded = false;
    if (!seeded) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        seeded = true;
    }
    if (high <= low) {
        return low;
    }
    return low + std::rand() % (high - low + 1);
}

Board::Board(BoardView& view, RandomSource random) : view_(view), random_(std::move(random))
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        tiles_[cell] = FrameTile(cell);
    }
}

bool Board::IsOnBoard(int cell)
{
    return cell >= 0 && cell < kCellCount;
}

bool Board::IsInteriorIndex(int cell)
{
    if (!IsOnBoard(cell)) {
        return false;
    }
    const int row = RowOf(cell);
    const int column = ColumnOf(cell);
    return row > 0 && row < kRows - 1 && column > 0 && column < kColumns - 1;
}

int Board::FrameTile(int cell)
{
    const int row = RowOf(cell);
    const int column = ColumnOf(cell);
    const bool left = column == 0;
    const bool right = column == kColumns - 1;
    if (row == 0) {
        return left ? kTopLeft : right ? kTopRight : kTopEdge;
    }
    if (row == kRows - 1) {
        return left ? kBottomLeft : right ? kBottomRight : kBottomEdge;
    }
    return left ? kLeftEdge : right ? kRightEdge : kOpenTile;
}

int Board::HazardCount(int level)
{
    return std::min(2 * level + 8, kMaxHazards);
}

void Board::SetTile(int cell, int tile)
{
    tiles_[cell] = tile;
    view_.SetTile(cell, tile);
}

void Board::ShowLogo()
{
    int row = kLogoTop;
    for (const char* line : kLogo) {
        for (int column = kLogoLeft; *line; ++line, ++column) {
            if (*line == 'X') {
                SetTile(row * kColumns + column, kCoveredTile);
            }
        }
        ++row;
    }
}

void Board::StartGame()
{
    // A level completed in a cancelled game must not carry its advance into the new game.
    advancePending_ = false;
    level_ = 1;
    score_ = 0;
    PrepareLevel();
    gameRunning_ = true;
}

void Board::CancelGame()
{
    if (!gameRunning_) {
        return;
    }
    gameRunning_ = false;
    if (hazards_.empty()) {
        PlaceHazards(0);  // a frame cell, so every interior cell may take a hazard
    }
    RevealHazards();
}

void Board::AdvanceOnTick()
{
    if (!gameRunning_) {
        return;
    }
    if (levelCompletePending_) {
        levelCompletePending_ = false;
        advancePending_ = true;
    } else if (advancePending_) {
        ++level_;
        RefreshScoreLevel();
        PrepareLevel();
        advancePending_ = false;
    }
}

void Board::PrepareLevel()
{
    firstUncoverPending_ = true;
    levelCompletePending_ = false;
    hazards_.clear();
    RefreshScoreLevel();
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (view_.IsInterior(cell)) {
            SetTile(cell, kCoveredTile);
        }
    }
    view_.SetMessageText("");
    view_.SetRemainingText(IntToString(-(kInteriorCount - HazardCount(level_))));
}

void Board::PlaceHazards(int excluded)
{
    hazards_.clear();
    const size_t wanted = static_cast<size_t>(HazardCount(level_));
    while (hazards_.size() < wanted) {
        const int cell = random_(kFirstInterior, kLastInterior);
        if (cell != excluded && IsInteriorIndex(cell) && !IsHazard(cell)) {
            hazards_.push_back(cell);
        }
    }
}

std::vector<int> Board::GetNeighbours(int cell) const
{
    std::vector<int> neighbours;
    if (!IsOnBoard(cell)) {
        return neighbours;
    }
    const int row = RowOf(cell);
    const int column = ColumnOf(cell);
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            const bool itself = r == row && c == column;
            if (!itself && r >= 0 && r < kRows && c >= 0 && c < kColumns) {
                neighbours.push_back(r * kColumns + c);
            }
        }
    }
    return neighbours;
}

bool Board::IsHazard(int cell) const
{
    return std::find(hazards_.begin(), hazards_.end(), cell) != hazards_.end();
}

void Board::RevealHazards()
{
    for (int cell : hazards_) {
        SetTile(cell, kHazardTile);
    }
}

void Board::UncoverCell(std::vector<int>& stack, int cell, bool quiet)
{
    if (!IsOnBoard(cell) || !view_.IsInterior(cell)) {
        return;
    }
    if (tiles_[cell] != kCoveredTile || levelCompletePending_ || !gameRunning_) {
        return;
    }
    if (firstUncoverPending_) {
        PlaceHazards(cell);
        firstUncoverPending_ = false;
    }
    if (IsHazard(cell)) {
        if (!quiet) {
            view_.PlaySound(kExplosionSound);
        }
        RevealHazards();
        EndGame();
        return;
    }
    UncoverSafeCell(stack, cell, quiet);
}

void Board::UncoverSafeCell(std::vector<int>& stack, int cell, bool quiet)
{
    if (!quiet) {
        view_.PlaySound(kBeepSound);
    }
    ++score_;
    RefreshScoreLevel();
    const std::vector<int> neighbours = GetNeighbours(cell);
    const auto touching =
        std::count_if(neighbours.begin(), neighbours.end(), [this](int n) { return IsHazard(n); });
    if (touching > 0) {
        SetTile(cell, static_cast<int>(touching));
        return;
    }
    SetTile(cell, kOpenTile);
    stack.insert(stack.end(), neighbours.begin(), neighbours.end());
}

void Board::EndGame()
{
    gameRunning_ = false;
    view_.SetMessageText("The end!");
    view_.GameOver(score_);
}

void Board::CellClicked(int cell)
{
    // A completed level is announced and paused for once; until it advances, clicks change
    // nothing (the hazards still covered stay covered).
    if (LevelCompleted()) {
        return;
    }
    // An explicit stack instead of recursion; a cell pushed twice is skipped once uncovered.
    std::vector<int> stack{cell};
    bool quiet = false;  // only the clicked cell makes a sound
    while (!stack.empty()) {
        const int next = stack.back();
        stack.pop_back();
        UncoverCell(stack, next, quiet);
        quiet = true;
    }
    CheckLevelComplete();
}

bool Board::LevelCompleted() const
{
    return gameRunning_ && (levelCompletePending_ || advancePending_);
}

int Board::CountCoveredSafeCells() const
{
    int count = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (view_.IsInterior(cell) && tiles_[cell] == kCoveredTile && !IsHazard(cell)) {
            ++count;
        }
    }
    return count;
}

void Board::CheckLevelComplete()
{
    const int remaining = CountCoveredSafeCells();
    view_.SetRemainingText(IntToString(-remaining));
    if (remaining == 0) {
        view_.SetMessageText("Level completed!");
        levelCompletePending_ = true;
        view_.PauseThreeSeconds();
    }
}

void Board::RefreshScoreLevel()
{
    view_.SetScoreText("Score: " + IntToString(score_, '0', 5));
    view_.SetLevelText("Level: " + IntToString(level_, '0', 2));
}

}  // namespace tarnbrook
