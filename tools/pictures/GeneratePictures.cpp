// Draws the main window's four built-in pictures as 16-colour (4-bit) BMP files on the window's
// teal background. Usage: generate_pictures OUTPUT_FOLDER. The game's own 4-bit reader then turns
// each file into the source array that is compiled in.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "../common/ByteOutput.h"

namespace {

using tarnbrook::PutLittleEndian;
using tarnbrook::WriteBytes;

// clang-format off
enum Colour : uint8_t {
    kBlack, kTeal, kBlue, kNavy, kYellow, kOchre, kWhite, kGreen,
    kRed, kOrange, kGrey, kSilver, kCharcoal, kBrown, kPaleYellow, kDarkTeal
};
// clang-format on

const uint32_t kPalette[16] = {
    0x000000, 0x00C0C0, 0x0000FF, 0x000080, 0xFFFF00, 0xC0A000, 0xFFFFFF, 0x00A000,
    0xFF0000, 0xFF8000, 0x808080, 0xC0C0C0, 0x404040, 0x804000, 0xFFFF80, 0x008080,
};

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), pixels_(width * height, kTeal)
    {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint8_t At(int x, int y) const { return pixels_[y * width_ + x]; }

    void Set(int x, int y, Colour colour)
    {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            pixels_[y * width_ + x] = colour;
        }
    }

    void Fill(int x, int y, int w, int h, Colour colour)
    {
        for (int row = y; row < y + h; ++row) {
            for (int column = x; column < x + w; ++column) {
                Set(column, row, colour);
            }
        }
    }

    void Disc(int cx, int cy, int radius, Colour colour)
    {
        for (int y = -radius; y <= radius; ++y) {
            for (int x = -radius; x <= radius; ++x) {
                if (x * x + y * y <= radius * radius) {
                    Set(cx + x, cy + y, colour);
                }
            }
        }
    }

private:
    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

// The banner's letters on a 5 x 7 grid.
struct Glyph {
    char letter;
    const char* rows[7];
};

const Glyph kGlyphs[] = {
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'b', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####."}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'k', {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."}},
};

const Glyph* FindGlyph(char letter)
{
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr;
}

// Each grid square becomes scaleX x scaleY pixels, with a navy shadow one pixel down and right.
void DrawWord(Canvas& canvas, const std::string& word, int x, int y, int scaleX, int scaleY)
{
    const int advance = 6 * scaleX;
    for (Colour colour : {kNavy, kBlue}) {
        const int offset = colour == kNavy ? 1 : 0;
        for (size_t i = 0; i < word.size(); ++i) {
            const Glyph* glyph = FindGlyph(word[i]);
            for (int row = 0; glyph && row < 7; ++row) {
                for (int column = 0; column < 5; ++column) {
                    if (glyph->rows[row][column] == '#') {
                        canvas.Fill(x + static_cast<int>(i) * advance + column * scaleX + offset,
                                    y + row * scaleY + offset, scaleX, scaleY, colour);
                    }
                }
            }
        }
    }
}

// A yellow bar with a black middle, the brick of every stack.
const int kBrickWidth = 16;
const int kBrickHeight = 6;

void DrawBrick(Canvas& canvas, int x, int y)
{
    canvas.Fill(x, y, kBrickWidth, kBrickHeight, kYellow);
    canvas.Fill(x + 3, y + 2, kBrickWidth - 6, kBrickHeight - 4, kBlack);
    canvas.Fill(x, y + kBrickHeight - 1, kBrickWidth, 1, kOchre);
}

void DrawBomb(Canvas& canvas, int cx, int cy)
{
    canvas.Disc(cx, cy, 9, kBlack);
    canvas.Disc(cx - 3, cy - 3, 2, kGrey);
    canvas.Fill(cx + 5, cy - 11, 4, 4, kCharcoal);
    const int fuse[][2] = {{9, -12}, {10, -13}, {11, -14}, {12, -14}, {13, -15}, {14, -16}};
    for (const auto& point : fuse) {
        canvas.Set(cx + point[0], cy + point[1], kBrown);
    }
    canvas.Disc(cx + 15, cy - 17, 2, kOrange);
    canvas.Set(cx + 15, cy - 17, kPaleYellow);
    canvas.Set(cx + 18, cy - 19, kYellow);
    canvas.Set(cx + 12, cy - 20, kYellow);
    canvas.Set(cx + 18, cy - 15, kYellow);
}

void DrawFlag(Canvas& canvas, int x, int y)
{
    canvas.Fill(x, y, 1, 16, kCharcoal);
    canvas.Fill(x + 1, y, 4, 9, kGreen);
    canvas.Fill(x + 5, y, 4, 9, kWhite);
    canvas.Fill(x + 9, y, 4, 9, kRed);
}

void DrawBanner(Canvas& canvas, bool withFlag)
{
    DrawWord(canvas, "Tarnbrook", 4, 13, 2, 3);
    DrawBomb(canvas, 124, 32);
    for (int row = 0; row < 3; ++row) {
        DrawBrick(canvas, 142 + (row % 2) * 4, 42 - row * kBrickHeight);
    }
    if (withFlag) {
        DrawFlag(canvas, 184, 33);
    }
}

// Rows of bricks, each higher row shorter from the left: a staircase at the lower right.
void DrawStaircase(Canvas& canvas)
{
    const int rows = canvas.Height() / kBrickHeight;
    for (int row = 0; row < rows; ++row) {
        const int y = canvas.Height() - (row + 1) * kBrickHeight;
        const int shift = (row % 2) * (kBrickWidth / 2);
        for (int x = row * 10 + shift; x + kBrickWidth <= canvas.Width(); x += kBrickWidth) {
            DrawBrick(canvas, x, y);
        }
    }
}

// A column of bricks, every other row moved right by half a brick.
void DrawStaggeredColumn(Canvas& canvas)
{
    const int rows = canvas.Height() / kBrickHeight;
    for (int row = 0; row < rows; ++row) {
        const int shift = (row % 2) * (kBrickWidth / 2);
        for (int x = 2 + shift; x + kBrickWidth <= 2 + shift + 3 * kBrickWidth; x += kBrickWidth) {
            DrawBrick(canvas, x, row * kBrickHeight);
        }
    }
}

// An uncompressed 4-bit BMP: rows bottom-up, two pixels a byte (left one in the high nibble),
// each row padded to four bytes.
std::vector<uint8_t> EncodeBmp4(const Canvas& canvas)
{
    const int rowBytes = ((canvas.Width() + 1) / 2 + 3) / 4 * 4;
    const uint32_t dataOffset = 14 + 40 + 16 * 4;
    const uint32_t dataSize = static_cast<uint32_t>(rowBytes * canvas.Height());
    std::vector<uint8_t> out{'B', 'M'};
    PutLittleEndian(out, dataOffset + dataSize, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, dataOffset, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<uint32_t>(canvas.Width()), 4);
    PutLittleEndian(out, static_cast<uint32_t>(canvas.Height()), 4);
    PutLittleEndian(out, 1, 2);  // planes
    PutLittleEndian(out, 4, 2);  // bits per pixel
    PutLittleEndian(out, 0, 4);  // no compression
    PutLittleEndian(out, dataSize, 4);
    PutLittleEndian(out, 2835, 4);  // 72 dpi
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 16, 4);
    for (uint32_t colour : kPalette) {
        PutLittleEndian(out, colour & 0xFFFFFF, 4);  // blue, green, red, unused
    }
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            row[static_cast<size_t>(x / 2)] |=
                static_cast<uint8_t>(x % 2 ? canvas.At(x, y) : canvas.At(x, y) << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool WriteBmp(const std::string& path, const Canvas& canvas)
{
    return WriteBytes(path, EncodeBmp4(canvas));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    Canvas banner(200, 50);
    DrawBanner(banner, true);
    Canvas aboutBanner(163, 50);
    DrawBanner(aboutBanner, false);
    Canvas staircase(160, 96);
    DrawStaircase(staircase);
    Canvas column(96, 96);
    DrawStaggeredColumn(column);

    const bool ok = WriteBmp(folder + "banner.bmp", banner) &&
                    WriteBmp(folder + "aboutbanner.bmp", aboutBanner) &&
                    WriteBmp(folder + "staircase.bmp", staircase) &&
                    WriteBmp(folder + "column.bmp", column);
    if (!ok) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
