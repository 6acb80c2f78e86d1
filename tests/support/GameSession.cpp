#include "support/GameSession.h"

#include <X11/Xlib.h>

#include <fstream>

#include "support/WaitFor.h"

namespace testsupport {

namespace {

const std::string kTileFile = std::string(TARNBROOK_SOURCE_DIR) + "/Data/terreno27x27.bin";
// The ticker's label is painted last; below the blue top bar it turns blue only then.
constexpr int kLastPaintedX = 400;
constexpr int kLastPaintedY = 25;
constexpr int kTickerBlue = 0x0000FF;

}  // namespace

GameSession::GameSession(const Preparation& prepare, const std::vector<std::string>& environment)
    : fakes_(folder_.Path())
{
    folder_.CopyDataFolder();
    if (prepare) {
        prepare(folder_);
    }
    game_ = std::make_unique<ChildProcess>(TARNBROOK_BINARY, environment);
}

bool GameSession::WaitUntilShown(int timeoutMs)
{
    return window_.WaitForWindow("Tarnbrook - ", timeoutMs) &&
           WaitFor([this] { return window_.PixelAt(kLastPaintedX, kLastPaintedY) == kTickerBlue; },
                   timeoutMs);
}

std::vector<int> GameSession::Board()
{
    XSync(window_.GetDisplay(), False);
    return window_.ReadBoard(kTileFile);
}

std::vector<int> GameSession::WaitForBoardChange(const std::vector<int>& before, int timeoutMs)
{
    std::vector<int> now = before;
    WaitFor([&] {
        std::vector<int> first = Board();
        if (first == before) {
            return false;
        }
        now = Board();
        return now == first;
    }, timeoutMs);
    return now;
}

void GameSession::ClickStart()
{
    window_.ClickAt(layout::kButtonX + layout::kButtonWidth / 2,
                    layout::kStartY + layout::kButtonHeight / 2);
}

void GameSession::ClickInfo()
{
    window_.ClickAt(layout::kButtonX + layout::kButtonWidth / 2,
                    layout::kInfoY + layout::kButtonHeight / 2);
}

void GameSession::ClickExit()
{
    window_.ClickAt(layout::kButtonX + layout::kButtonWidth / 2,
                    layout::kExitY + layout::kButtonHeight / 2);
}

int GameSession::CountCalls(const std::string& line) const
{
    int count = 0;
    for (const std::string& call : fakes_.Calls()) {
        count += call == line ? 1 : 0;
    }
    return count;
}

std::unique_ptr<GameWindow> GameSession::WaitForDialog(const std::string& title, int timeoutMs)
{
    auto dialog = std::make_unique<GameWindow>();
    if (!dialog->WaitForWindow(title, timeoutMs)) {
        return nullptr;
    }
    return dialog;
}

}  // namespace testsupport
