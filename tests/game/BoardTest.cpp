#include "game/Board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <queue>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/BoardView.h"
#include "support/BoardOracle.h"
#include "util/StringUtils.h"

namespace tarnbrook {
namespace {

using testsupport::IsInteriorCell;

std::vector<int> InteriorCells()
{
    std::vector<int> cells;
    for (int cell = 0; cell < 180; ++cell) {
        if (IsInteriorCell(cell)) {
            cells.push_back(cell);
        }
    }
    return cells;
}

// Stands in for the main window: remembers what the rules showed and asked for.
class RecordingView : public BoardView {
public:
    bool IsInterior(int cell) const override { return IsInteriorCell(cell); }
    void SetTile(int cell, int tile) override
    {
        tiles[cell] = tile;
        ++tileChanges;
    }
    void SetScoreText(const std::string& text) override { score = text; }
    void SetLevelText(const std::string& text) override { level = text; }
    void SetRemainingText(const std::string& text) override { remaining = text; }
    void SetMessageText(const std::string& text) override { message = text; }
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void PauseThreeSeconds() override { ++pauses; }
    void GameOver(int finalScore) override { gameOvers.push_back(finalScore); }

    std::array<int, 180> tiles{};
    int tileChanges = 0, pauses = 0;
    std::string score, level, remaining, message;
    std::vector<std::string> sounds;
    std::vector<int> gameOvers;
};

// The rules over a recording view: scripted draws first, then a seeded generator's.
struct Game {
    explicit Game(unsigned seed = 1)
        : generator(seed), board(view, [this](int low, int high) {
              EXPECT_EQ(low, 13);
              EXPECT_EQ(high, 166);
              if (script.empty()) {
                  return low + static_cast<int>(generator() % 154u);
              }
              const int draw = script.front();
              script.pop_front();
              return draw;
          })
    {
        for (int cell = 0; cell < 180; ++cell) {
            view.tiles[cell] = Board::FrameTile(cell);
        }
    }

    int CountTiles(int tile) const
    {
        return static_cast<int>(std::count(view.tiles.begin(), view.tiles.end(), tile));
    }
    // One cell at a time, so that no click lands after the level is already complete.
    void ClickEverySafeCell()
    {
        for (int cell : InteriorCells()) {
            if (board.Tile(cell) == Board::kCoveredTile && !board.IsHazard(cell)) {
                board.CellClicked(cell);
            }
        }
    }
    bool ViewShowsBoard() const
    {
        bool same = true;
        for (int cell = 0; cell < 180; ++cell) {
            same &= view.tiles[cell] == board.Tile(cell);
        }
        return same;
    }
    // What a click that uncovers nothing must leave alone.
    auto State() const
    {
        return std::make_tuple(view.tiles, view.tileChanges, view.sounds, view.pauses, view.message,
                               board.Score(), board.GameRunning());
    }

    RecordingView view;
    std::deque<int> script;
    std::mt19937 generator;
    Board board;
};

// What a click must open, worked out breadth first, independently of the rules.
std::set<int> ReferenceFlood(int start, const std::vector<int>& hazards)
{
    const std::set<int> hazard(hazards.begin(), hazards.end());
    std::set<int> opened;
    for (std::queue<int> pending({start}); !pending.empty(); pending.pop()) {
        const int cell = pending.front();
        if (!IsInteriorCell(cell) || hazard.count(cell) || !opened.insert(cell).second) {
            continue;
        }
        const std::vector<int> around = testsupport::NeighbourCells(cell);
        if (std::none_of(around.begin(), around.end(), [&](int n) { return hazard.count(n); })) {
            for (int n : around) {
                pending.push(n);
            }
        }
    }
    return opened;
}

// Clicks while "Level completed!" is pending, on a covered hazard too, change nothing: no second
// announcement, no pause, no sound, no explosion. A game cancelled between the two ticks starts
// again on level 1.
TEST(BoardRules, EveryLevelStartsSafeWithItsHazardCountAndAdvancesOnTheSecondTick)
{
    Game game;
    game.board.StartGame();
    EXPECT_EQ(game.view.remaining, "-120");
    int expectedScore = 0;
    for (int level = 1; level <= 22; ++level) {
        const int hazards = std::min(2 * level + 8, 50);
        ASSERT_EQ(game.view.level, "Level: " + PadLeft(std::to_string(level), '0', 2));
        EXPECT_EQ(game.view.remaining, std::to_string(-(130 - hazards)));
        EXPECT_EQ(game.view.message, "");
        EXPECT_EQ(game.CountTiles(Board::kCoveredTile), 130);

        // The first draws name the clicked cell, frame columns and a repeat: all must be refused.
        const int first = InteriorCells()[(level * 37) % 130];
        game.script = {first, 23, 24, 35, 36, first, 50, 50};
        game.board.CellClicked(first);

        const std::vector<int> placed = game.board.Hazards();
        EXPECT_EQ(static_cast<int>(placed.size()), hazards);
        EXPECT_EQ(std::set<int>(placed.begin(), placed.end()).size(), placed.size());
        EXPECT_TRUE(std::all_of(placed.begin(), placed.end(), IsInteriorCell));
        EXPECT_EQ(std::count(placed.begin(), placed.end(), first), 0);
        EXPECT_EQ(placed.front(), 50);
        EXPECT_TRUE(game.board.GameRunning());

        game.ClickEverySafeCell();
        expectedScore += 130 - hazards;
        EXPECT_EQ(game.board.Score(), expectedScore);
        EXPECT_EQ(game.view.remaining, "0");
        EXPECT_EQ(game.view.message, "Level completed!");
        EXPECT_EQ(game.view.pauses, level);

        const auto before = game.State();
        game.board.CellClicked(placed.back());
        game.board.AdvanceOnTick();
        EXPECT_EQ(game.board.Level(), level);
        game.board.CellClicked(placed.back());
        EXPECT_TRUE(game.State() == before);
        game.board.AdvanceOnTick();
        EXPECT_EQ(game.board.Level(), level + 1);
    }
    EXPECT_TRUE(game.view.gameOvers.empty());
    EXPECT_TRUE(game.ViewShowsBoard());

    game.board.CellClicked(13);
    game.ClickEverySafeCell();
    ASSERT_TRUE(game.board.LevelCompletePending());
    game.board.AdvanceOnTick();
    game.board.CancelGame();
    game.board.StartGame();
    game.board.AdvanceOnTick();
    game.board.AdvanceOnTick();
    EXPECT_EQ(game.board.Level(), 1);
    EXPECT_EQ(game.view.level + game.view.remaining, "Level: 01-120");
    EXPECT_EQ(game.board.Score(), 0);
}

// Frame pieces, neighbours, and each click's flood against a breadth-first search.
TEST(BoardRules, FrameNeighboursAndFloodFollowTheSquaresAroundEachCell)
{
    for (const auto& [cell, tile] : std::vector<std::pair<int, int>>{
             {0, 15}, {11, 16}, {168, 13}, {179, 14}, {12, 9}, {23, 10}, {1, 12}, {169, 11}}) {
        EXPECT_EQ(Board::FrameTile(cell), tile) << cell;
    }
    EXPECT_FALSE(Board::IsInteriorIndex(-1) || Board::IsInteriorIndex(180));
    Game first;
    for (int cell = 0; cell < 180; ++cell) {
        EXPECT_EQ(Board::IsInteriorIndex(cell), IsInteriorCell(cell)) << cell;
        const std::vector<int> found = first.board.GetNeighbours(cell);
        const std::vector<int> expected = testsupport::NeighbourCells(cell);
        EXPECT_EQ(std::set<int>(found.begin(), found.end()),
                  std::set<int>(expected.begin(), expected.end()))
            << cell;
    }
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Game game(seed);
        const int clicked = InteriorCells()[(seed * 53) % 130];
        game.board.StartGame();
        game.board.CellClicked(clicked);

        const std::set<int> expected = ReferenceFlood(clicked, game.board.Hazards());
        std::set<int> uncovered;
        for (int cell : InteriorCells()) {
            if (game.board.Tile(cell) != Board::kCoveredTile) {
                uncovered.insert(cell);
            }
        }
        ASSERT_EQ(uncovered, expected) << "seed " << seed;
        EXPECT_EQ(game.view.score, "Score: " + PadLeft(std::to_string(expected.size()), '0', 5));
        EXPECT_EQ(game.view.sounds, std::vector<std::string>{"Data/beep.wav"});
        for (int cell : expected) {
            int touching = 0;
            for (int n : testsupport::NeighbourCells(cell)) {
                touching += game.board.IsHazard(n) ? 1 : 0;
            }
            EXPECT_EQ(game.board.Tile(cell), touching ? touching : Board::kOpenTile);
        }
        EXPECT_TRUE(game.ViewShowsBoard());
    }
}

// A hazard explodes once and reveals all; a cancel shows the hazards silently.
TEST(BoardRules, ClicksThatUncoverNothingOnlyRefreshTheCounterAndAHazardOrACancelRevealsAll)
{
    Game game;
    game.board.RefreshScoreLevel();
    EXPECT_EQ(game.view.score + game.view.level, "Score: 00000Level: 00");
    game.board.ShowLogo();
    EXPECT_EQ(game.CountTiles(Board::kCoveredTile), 35);
    EXPECT_EQ(game.view.tiles[2 * 12 + 6], Board::kOpenTile);

    const auto expectOnlyCounter = [&](int cell, const std::string& counter) {
        const auto before = game.State();
        game.view.remaining.clear();
        game.board.CellClicked(cell);
        EXPECT_EQ(game.view.remaining, counter) << "cell " << cell;
        EXPECT_TRUE(game.State() == before) << "cell " << cell;
    };
    // Before the first game: the logo's covered cells count as remaining.
    for (int cell : {2 * 12 + 3, 0, 40}) {
        expectOnlyCounter(cell, "-35");
    }
    EXPECT_TRUE(game.board.Hazards().empty());
    game.board.CancelGame();  // no game yet: nothing to show
    EXPECT_EQ(game.CountTiles(Board::kHazardTile), 0);

    game.script = {14, 15, 16, 17, 18, 19, 20, 21, 22, 34};  // first row but 13, and one more
    game.board.StartGame();
    game.board.CellClicked(13 + 12 * 12);  // far from the hazards: opens a region
    const std::string counter = game.view.remaining;
    for (int cell : {0, 179, 13 + 12 * 12, -1, 180}) {
        expectOnlyCounter(cell, counter);
    }
    const int score = game.board.Score();
    game.view.sounds.clear();
    game.board.CellClicked(14);
    EXPECT_EQ(game.view.sounds, std::vector<std::string>{"Data/Explosion.wav"});
    EXPECT_EQ(game.CountTiles(Board::kHazardTile), 10);
    for (int cell : game.board.Hazards()) {
        EXPECT_EQ(game.board.Tile(cell), Board::kHazardTile);
    }
    EXPECT_EQ(game.view.gameOvers, std::vector<int>{score});
    EXPECT_EQ(game.board.Score(), score);
    EXPECT_EQ(game.view.message, "The end!");
    ASSERT_FALSE(game.board.GameRunning());
    expectOnlyCounter(13, counter);

    Game cancelled;
    cancelled.board.StartGame();
    cancelled.board.CancelGame();
    EXPECT_FALSE(cancelled.board.GameRunning());
    EXPECT_EQ(cancelled.CountTiles(Board::kHazardTile), 10);
    EXPECT_EQ(cancelled.board.Hazards().size(), 10u);
    EXPECT_TRUE(cancelled.view.gameOvers.empty() && cancelled.view.sounds.empty());
    cancelled.board.StartGame();
    EXPECT_EQ(cancelled.CountTiles(Board::kHazardTile), 0);
    EXPECT_EQ(cancelled.CountTiles(Board::kCoveredTile), 130);
}

TEST(BoardRules, DrawsCoverTheWholeRange)
{
    std::set<int> seen;
    for (int draw = 0; draw < 5000; ++draw) {
        seen.insert(RandomInRange(13, 166));
    }
    EXPECT_EQ(*seen.begin(), 13);
    EXPECT_EQ(*seen.rbegin(), 166);
}

}  // namespace
}  // namespace tarnbrook
