#include "game/TileFile.h"

#include "app/Log.h"
#include "util/BinaryFile.h"
#include "util/FileUtils.h"

namespace tarnbrook {

const char* const kTileFilePath = "Data/terreno27x27.bin";

namespace {

bool Refuse(const std::string& path, std::vector<unsigned char>& buffer, int& size)
{
    std::vector<unsigned char>().swap(buffer);
    size = -1;
    WriteLog("Errore loading " + path);
    return false;
}

}  // namespace

bool LoadBinaryFile(const std::string& path, std::vector<unsigned char>& buffer, int& size,
                    int expectedSize)
{
    if (!FileExists(path)) {
        WriteLog(path + ": non trovato");
        return false;
    }
    // A shorter file would leave tiles reading past the buffer; a longer one is not this strip.
    if (FileSize(path) != expectedSize) {
        return Refuse(path, buffer, size);
    }
    BinaryFile file(path, true, false, false);
    buffer.assign(static_cast<size_t>(expectedSize), 0);
    if (file.Failed() || file.ReadAt(0, buffer.data(), buffer.size()) != buffer.size() ||
        file.Failed()) {
        return Refuse(path, buffer, size);
    }
    size = expectedSize;
    return true;
}

std::vector<unsigned long> TileIcon(const unsigned char* strip, int tile)
{
    std::vector<unsigned long> icon{kTileSide, kTileSide};
    for (int y = 0; y < kTileSide; ++y) {
        const unsigned char* rgb = strip + 3 * (y * kTileStripWidth + tile * kTileSide);
        for (int x = 0; x < kTileSide; ++x, rgb += 3) {
            icon.push_back(0xFF000000UL | (static_cast<unsigned long>(rgb[0]) << 16) |
                           (static_cast<unsigned long>(rgb[1]) << 8) | rgb[2]);
        }
    }
    return icon;
}

}  // namespace tarnbrook
