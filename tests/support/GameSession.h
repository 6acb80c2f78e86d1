#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/BoardOracle.h"
#include "support/ChildProcess.h"
#include "support/FakeCommands.h"
#include "support/GameWindow.h"
#include "support/ScratchFolder.h"

namespace testsupport {

// Positions of the main window's parts, as a player sees them.
namespace layout {
constexpr int kButtonX = 527;
constexpr int kStartY = 140;
constexpr int kInfoY = 170;
constexpr int kExitY = 200;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 28;
constexpr int kWidth = 800;
constexpr int kHeight = 600;
}  // namespace layout

// The real game binary in a scratch folder with a copy of Data/, fake aplay, firefox and
// thunderbird first on PATH, watched and driven through its main window. The game is ended
// when the session goes away, if it has not ended by itself.
class GameSession {
public:
    using Preparation = std::function<void(const ScratchFolder& folder)>;

    // prepare may change the copied Data folder before the game starts.
    explicit GameSession(const Preparation& prepare = nullptr,
                         const std::vector<std::string>& environment = {});
    // Another program that starts the game (an installed launcher), with no Data/ copied. It
    // starts in the scratch folder, or in the working folder prepare changes to.
    GameSession(const std::string& program, const Preparation& prepare,
                const std::vector<std::string>& environment);

    // Waits until the main window is on the screen with its first paint complete.
    bool WaitUntilShown();

    ScratchFolder& Folder() { return folder_; }
    FakeCommands& Fakes() { return fakes_; }
    ChildProcess& Process() { return *game_; }
    GameWindow& Window() { return window_; }
    std::string Log() const { return folder_.Read("log.txt"); }

    // Window coordinates of the top-left pixel of board cell i (row-major, 12 per row).
    static int CellX(int index) { return (index % board::kColumns + 1) * board::kCellSize + 178; }
    static int CellY(int index) { return (index / board::kColumns + 1) * board::kCellSize + 90; }
    // A tile of the repository's tile file.
    static const Area& Tile(int tile);
    // The tile each square shows, or board::kUnknown where it matches none.
    std::vector<int> Board();
    // Waits until the board on the screen differs from before and stays so for one more read
    // (a flood is drawn square by square); answers the new board, or before on time-out.
    std::vector<int> WaitForBoardChange(const std::vector<int>& before);

    void ClickCell(int index) { window_.ClickAt(CellX(index) + 13, CellY(index) + 13); }
    void ClickStart() { window_.ClickAt(layout::kButtonX + 50, layout::kStartY + 14); }
    void ClickInfo() { window_.ClickAt(layout::kButtonX + 50, layout::kInfoY + 14); }
    void ClickExit() { window_.ClickAt(layout::kButtonX + 50, layout::kExitY + 14); }
    // Waits for a top-level window of the game whose title begins with title (a dialog).
    std::unique_ptr<GameWindow> WaitForDialog(const std::string& title, int timeoutMs = 10000);

private:
    ScratchFolder folder_;
    FakeCommands fakes_;
    std::unique_ptr<ChildProcess> game_;
    GameWindow window_;
};

}  // namespace testsupport
