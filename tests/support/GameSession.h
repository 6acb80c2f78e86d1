#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "support/BoardOracle.h"
#include "support/FakeCommands.h"
#include "support/GameWindow.h"
#include "support/ScratchFolder.h"

namespace testsupport {

// Where the main window's parts are.
namespace layout {
constexpr int kButtonX = 527, kStartY = 140, kInfoY = 170, kExitY = 200;
constexpr int kWidth = 800, kHeight = 600;
}  // namespace layout

// A program (the game, or a launcher of it) in a scratch folder with a copy of Data/, which
// prepare may change, and fake aplay, firefox and thunderbird first on PATH; driven through the
// game's main window, ended (SIGTERM, then SIGKILL) with the session.
class GameSession : public GameWindow {
public:
    using Preparation = std::function<void(const ScratchFolder& folder)>;
    // command: the program and its arguments (env(1) changes the environment).
    explicit GameSession(const Preparation& prepare = nullptr,
                         std::vector<std::string> command = {TARNBROOK_BINARY});
    ~GameSession();

    bool WaitUntilShown();  // with the first paint complete
    ScratchFolder& Folder() { return folder_; }
    FakeCommands& Fakes() { return fakes_; }
    bool Running();
    // The exit status; -1 when the program did not end within the bound or died by a signal.
    int WaitForExit(int timeoutMs = 10000);

    // Window coordinates of the top-left pixel of board square i (row-major, 12 per row).
    static int CellX(int index) { return (index % board::kColumns + 1) * board::kCellSize + 178; }
    static int CellY(int index) { return (index / board::kColumns + 1) * board::kCellSize + 90; }
    static const Area& Tile(int tile);  // of the repository's tile file
    std::vector<int> Board();           // each square's tile, board::kUnknown where none matches
    void ClickCell(int index) { ClickAt(CellX(index) + 13, CellY(index) + 13); }
    void ClickButton(int y) { ClickAt(layout::kButtonX + 50, y + 14); }
    std::vector<int> StartGame();  // START, then the board once 130 squares are covered

private:
    ScratchFolder folder_;
    FakeCommands fakes_;
    pid_t pid_ = -1;
    int status_ = -1;
};

}  // namespace testsupport
