#include "support/GameSession.h"

#include <fstream>
#include <iterator>

#include "support/WaitFor.h"

namespace testsupport {

namespace {

constexpr int kTileCount = 19;

std::vector<Area> ReadTiles()
{
    std::ifstream in(std::string(TARNBROOK_SOURCE_DIR) + "/Data/terreno27x27.bin", std::ios::binary);
    const std::string sheet((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr int side = board::kCellSize;
    std::vector<Area> tiles(kTileCount, Area{side, side, {}});
    for (int tile = 0; tile < kTileCount && sheet.size() == kTileCount * side * side * 3; ++tile) {
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const auto* rgb = reinterpret_cast<const unsigned char*>(
                    &sheet[(static_cast<size_t>(y) * kTileCount * side + tile * side + x) * 3]);
                tiles[tile].pixels.push_back((rgb[0] << 16) | (rgb[1] << 8) | rgb[2]);
            }
        }
    }
    return tiles;
}

}  // namespace

GameSession::GameSession(const Preparation& prepare, const std::vector<std::string>& environment)
    : GameSession(TARNBROOK_BINARY,
                  [&prepare](const ScratchFolder& folder) {
                      folder.CopyDataFolder();
                      if (prepare) {
                          prepare(folder);
                      }
                  },
                  environment)
{
}

GameSession::GameSession(const std::string& program, const Preparation& prepare,
                         const std::vector<std::string>& environment)
    : fakes_(folder_.Path())
{
    if (prepare) {
        prepare(folder_);
    }
    game_ = std::make_unique<ChildProcess>(program, environment);
}

bool GameSession::WaitUntilShown(int timeoutMs)
{
    // The ticker's label is painted last; below the blue top bar it turns blue only then.
    return window_.WaitForWindow("Tarnbrook - ", timeoutMs) &&
           WaitFor([this] { return window_.PixelAt(400, 25) == 0x0000FF; }, timeoutMs);
}

const Area& GameSession::Tile(int tile)
{
    static const std::vector<Area> tiles = ReadTiles();
    return tiles[static_cast<size_t>(tile)];
}

std::vector<int> GameSession::Board()
{
    constexpr int side = board::kCellSize;
    const Area shown = window_.Shown(CellX(0), CellY(0), board::kColumns * side, board::kRows * side);
    std::vector<int> tiles(board::kCells, board::kUnknown);
    for (int i = 0; i < board::kCells && !shown.pixels.empty(); ++i) {
        const Area square = shown.Crop(CellX(i) - CellX(0), CellY(i) - CellY(0), side, side);
        for (int tile = 0; tile < kTileCount && tiles[i] == board::kUnknown; ++tile) {
            tiles[i] = square == Tile(tile) ? tile : board::kUnknown;
        }
    }
    return tiles;
}

std::vector<int> GameSession::WaitForBoardChange(const std::vector<int>& before, int timeoutMs)
{
    std::vector<int> now = before;
    WaitFor([&] {
        const std::vector<int> first = Board();
        now = first == before ? before : Board();
        return first != before && now == first;
    }, timeoutMs);
    return now;
}

void GameSession::ClickCell(int index)
{
    window_.ClickAt(CellX(index) + board::kCellSize / 2, CellY(index) + board::kCellSize / 2);
}

std::unique_ptr<GameWindow> GameSession::WaitForDialog(const std::string& title, int timeoutMs)
{
    auto dialog = std::make_unique<GameWindow>();
    return dialog->WaitForWindow(title, timeoutMs) ? std::move(dialog) : nullptr;
}

}  // namespace testsupport
