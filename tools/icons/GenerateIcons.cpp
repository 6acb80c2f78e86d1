// Writes the game's icon as PNG files of 16 to 256 pixels (16x16.png, ...) into OUTPUT_FOLDER.
// The picture is the revealed hazard of the board's tile file, the same tile the main window
// gives the window manager, scaled by area averaging. The PNG encoder keeps the pixels in
// stored (uncompressed) deflate blocks, so the bytes depend on nothing but the tile.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../common/ByteOutput.h"
#include "game/Board.h"
#include "game/TileFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

const int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

void PutBigEndian(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

uint32_t Crc32(const Bytes& bytes, size_t from)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

uint32_t Adler32(const Bytes& bytes)
{
    uint32_t a = 1, b = 0;
    for (uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutChunk(Bytes& png, const char* type, const Bytes& data)
{
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    const size_t typeStart = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian(png, Crc32(png, typeStart));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
Bytes Zlib(const Bytes& raw)
{
    Bytes out{0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t length = std::min<size_t>(65535, raw.size() - offset);
        out.push_back(offset + length == raw.size() ? 1 : 0);
        tarnbrook::PutLittleEndian(out, static_cast<uint32_t>(length), 2);
        tarnbrook::PutLittleEndian(out, static_cast<uint32_t>(~length & 0xFFFF), 2);
        out.insert(out.end(), raw.begin() + static_cast<long>(offset),
                   raw.begin() + static_cast<long>(offset + length));
        offset += length;
    } while (offset < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

// rgb holds side x side pixels, three bytes each, rows from the top.
Bytes Png(int side, const Bytes& rgb)
{
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(side));
    PutBigEndian(header, static_cast<uint32_t>(side));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    Bytes rows;
    for (int y = 0; y < side; ++y) {
        rows.push_back(0);  // filter type None
        rows.insert(rows.end(), rgb.begin() + 3 * y * side, rgb.begin() + 3 * (y + 1) * side);
    }
    PutChunk(png, "IDAT", Zlib(rows));
    PutChunk(png, "IEND", {});
    return png;
}

// How much of source pixel s (of count) falls in target pixel t (of side), in units of
// 1 / (count x side) of a source pixel's width.
int Overlap(int s, int t, int count, int side)
{
    const int from = std::max(s * side, t * count);
    const int to = std::min((s + 1) * side, (t + 1) * count);
    return std::max(0, to - from);
}

// The icon (width, height, 0xAARRGGBB pixels) scaled to side x side by area averaging.
Bytes Scale(const std::vector<unsigned long>& icon, int side)
{
    const int count = static_cast<int>(icon[0]);
    const long total = static_cast<long>(count) * count;
    Bytes rgb;
    for (int ty = 0; ty < side; ++ty) {
        for (int tx = 0; tx < side; ++tx) {
            long sums[3] = {0, 0, 0};
            for (int sy = 0; sy < count; ++sy) {
                for (int sx = 0; sx < count; ++sx) {
                    const long weight = static_cast<long>(Overlap(sx, tx, count, side)) *
                                        Overlap(sy, ty, count, side);
                    const unsigned long pixel = icon[2 + static_cast<size_t>(sy * count + sx)];
                    for (int c = 0; c < 3; ++c) {
                        sums[c] += weight * static_cast<long>((pixel >> (16 - 8 * c)) & 0xFF);
                    }
                }
            }
            for (long sum : sums) {
                rgb.push_back(static_cast<uint8_t>((sum + total / 2) / total));
            }
        }
    }
    return rgb;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TILE_FILE OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const Bytes strip((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (strip.size() != static_cast<size_t>(tarnbrook::kTileFileBytes)) {
        std::fprintf(stderr, "%s: not a tile file of %d bytes\n", argv[1],
                     tarnbrook::kTileFileBytes);
        return 1;
    }
    const std::vector<unsigned long> icon =
        tarnbrook::TileIcon(strip.data(), tarnbrook::Board::kHazardTile);
    for (int side : kSizes) {
        const std::string path =
            std::string(argv[2]) + "/" + std::to_string(side) + "x" + std::to_string(side) + ".png";
        if (!tarnbrook::WriteBytes(path, Png(side, Scale(icon, side)))) {
            std::perror(path.c_str());
            return 1;
        }
    }
    return 0;
}
