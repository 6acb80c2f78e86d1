#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/FakeCommands.h"
#include "support/GameWindow.h"
#include "support/ScratchFolder.h"

namespace testsupport {

// The real game binary in a scratch folder with a copy of Data/, fake aplay, firefox and
// thunderbird first on PATH, watched and driven through its main window. The game is ended
// when the session goes away, if it has not ended by itself.
class GameSession {
public:
    using Preparation = std::function<void(const ScratchFolder& folder)>;

    // prepare may change the copied Data folder before the game starts.
    explicit GameSession(const Preparation& prepare = nullptr,
                         const std::vector<std::string>& environment = {});

    // Waits until the main window is on the screen with its first paint complete.
    bool WaitUntilShown(int timeoutMs = 15000);

    ScratchFolder& Folder() { return folder_; }
    FakeCommands& Fakes() { return fakes_; }
    ChildProcess& Process() { return *game_; }
    GameWindow& Window() { return window_; }

    // The tiles on the screen, compared with the repository's tile file.
    std::vector<int> Board();
    // Waits until the board on the screen differs from before and stays so for one more read
    // (a flood is drawn square by square); answers the new board, or before on time-out.
    std::vector<int> WaitForBoardChange(const std::vector<int>& before, int timeoutMs = 5000);

    void ClickStart();
    void ClickInfo();
    void ClickExit();
    // The calls of a fake command line such as "aplay Data/beep.wav".
    int CountCalls(const std::string& line) const;
    std::string Log() const { return folder_.Read("log.txt"); }

    // Waits for a top-level window of the game whose title begins with title (a dialog).
    std::unique_ptr<GameWindow> WaitForDialog(const std::string& title, int timeoutMs = 10000);

private:
    ScratchFolder folder_;
    FakeCommands fakes_;
    std::unique_ptr<ChildProcess> game_;
    GameWindow window_;
};

// Positions and colours of the main window's parts, as a player sees them.
namespace layout {
constexpr int kButtonX = 527;
constexpr int kStartY = 140;
constexpr int kInfoY = 170;
constexpr int kExitY = 200;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 28;
constexpr int kTickerY = 10;
constexpr int kTickerHeight = 18;
constexpr int kWidth = 800;
constexpr int kHeight = 600;
}  // namespace layout

// Tiles of the board.
namespace tiles {
constexpr int kCovered = 0;
constexpr int kHazard = 17;
constexpr int kOpen = 18;
}  // namespace tiles

}  // namespace testsupport
