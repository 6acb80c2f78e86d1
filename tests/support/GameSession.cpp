#include "support/GameSession.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/TileFile.h"
#include "support/TestData.h"
#include "support/WaitFor.h"

namespace testsupport {

GameSession::GameSession(const Preparation& prepare, std::vector<std::string> command)
    : fakes_(folder_.Path())
{
    folder_.CopyDataFolder();
    if (prepare) {
        prepare(folder_);
    }
    std::vector<char*> arguments;
    for (std::string& word : command) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
}

GameSession::~GameSession()
{
    for (int signal : {SIGTERM, SIGKILL}) {
        if (Running()) {
            kill(pid_, signal);
            WaitForExit(3000);
        }
    }
}

bool GameSession::Running()
{
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return pid_ > 0;
}

int GameSession::WaitForExit(int timeoutMs)
{
    return WaitFor([this] { return !Running(); }, timeoutMs) ? status_ : -1;
}

bool GameSession::WaitUntilShown()
{
    // The ticker's label is painted last; below the blue top bar it turns blue only then.
    return WaitForWindow("Tarnbrook - ", 15000) &&
           WaitFor([this] { return PixelAt(400, 25) == 0x0000FF; }, 15000);
}

const Area& GameSession::Tile(int tile)
{
    static const std::vector<Area> tiles = [] {
        const std::string bytes =
            ReadFile(std::string(TARNBROOK_SOURCE_DIR) + "/" + tarnbrook::kTileFilePath);
        std::vector<Area> all(tarnbrook::kTileCount, Area{board::kCellSize, board::kCellSize, {}});
        for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
            const size_t tile = i / 3 % tarnbrook::kTileStripWidth / board::kCellSize;
            all[tile].pixels.push_back((static_cast<unsigned char>(bytes[i]) << 16) |
                                       (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                                       static_cast<unsigned char>(bytes[i + 2]));
        }
        return all;
    }();
    return tiles[static_cast<size_t>(tile)];
}

std::vector<int> GameSession::Board()
{
    constexpr int side = board::kCellSize;
    const Area shown = Shown(CellX(0), CellY(0), board::kColumns * side, board::kRows * side);
    std::vector<int> tiles(board::kCells, board::kUnknown);
    for (int i = 0; i < board::kCells && !shown.pixels.empty(); ++i) {
        const Area square = shown.Crop(CellX(i) - CellX(0), CellY(i) - CellY(0), side, side);
        for (int tile = 0; tile < tarnbrook::kTileCount; ++tile) {
            tiles[i] = square == Tile(tile) ? tile : tiles[i];
        }
    }
    return tiles;
}

std::vector<int> GameSession::StartGame()
{
    ClickButton(layout::kStartY);
    std::vector<int> tiles;
    WaitFor([&] { return CountTiles(tiles = Board(), board::kCovered) == 130; });
    return tiles;
}

}  // namespace testsupport
