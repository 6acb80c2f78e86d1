#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

namespace tarnbrook {

// The pictures of the check box's tick box and of the option box's marks. Each is drawn below
// as a letter map, one letter per pixel from the top row down, and turned into the embedded
// 16-colour format (palette, then rows of two pixels a byte from the bottom row up) when the
// program is compiled. The map is the source: change a letter and the picture follows.

constexpr int kMarkSize = 20;
constexpr std::size_t kMarkPaletteBytes = 16 * 3;
constexpr std::size_t kMarkRowBytes = kMarkSize / 2;
constexpr std::size_t kMarkPictureBytes = kMarkPaletteBytes + kMarkRowBytes * kMarkSize;

using LetterMap = std::array<const char*, kMarkSize>;
using MarkPicture = std::array<unsigned char, kMarkPictureBytes>;

// D dark grey, K darker grey, L light, W white, G grey edge; I the interior and M the mark
// change with the state; "." is black, which the option marks are drawn without.
// clang-format off
inline constexpr LetterMap kTickBoxMap = {{
    "DDDDDDDDDDDDDDDDDDDW",
    "DKKKKKKKKKKKKKKKKKLW",
    "DKIIIIIIIIIIIIIIIILW",
    "DKIIIIIIIIIIIIIIIILW",
    "DKIIIIIIIIIIIIIIIILW",
    "DKIIIIIIIIIIIIIIIILW",
    "DKIIIIIIIIIIIIMMIILW",
    "DKIIIIIIIIIIIMMMIILW",
    "DKIIIMMIIIIIMMMIIILW",
    "DKIIIMMMIIIMMMIIIILW",
    "DKIIIIMMMIMMMIIIIILW",
    "DKIIIIIMMMMMIIIIIILW",
    "DKIIIIIIMMMIIIIIIILW",
    "DKIIIIIIIMIIIIIIIILW",
    "DKIIIIIIIIIIIIIIIILW",
    "DKIIIIIIIIIIIIIIIILW",
    "DKIIIIIIIIIIIIIIIILW",
    "DKIIIIIIIIIIIIIIIILW",
    "DLLLLLLLLLLLLLLLLLLW",
    "WWWWWWWWWWWWWWWWWWWW",
}};

inline constexpr LetterMap kOptionMarkMap = {{
    "....................",
    "....................",
    ".......DDDDDD.......",
    "......DDKKKKDD......",
    ".....DKKIIIIKKD.....",
    "....DKIIIIIIIILG....",
    "...DDKIIMMMMIILGG...",
    "...DKIIMMMMMMIILG...",
    "...DKIIMMMMMMIILG...",
    "...DKIIMMMMMMIILG...",
    "...DKIIMMMMMMIILG...",
    "...DDKIIMMMMIILGG...",
    "....DKIIIIIIIILG....",
    ".....DLLIIIILLG.....",
    "......GGLLLLGG......",
    ".......GGGGGG.......",
    "....................",
    "....................",
    "....................",
    "....................",
}};
// clang-format on

struct LetterColor {
    char letter;
    int color;  // 0xRRGGBB
};
// Palette index i holds the colour of letter i.
using MarkPalette = std::array<LetterColor, 8>;

constexpr MarkPalette MarkPaletteFor(int interior, int mark)
{
    return {{{'.', 0x000000},
             {'D', 0x848484},
             {'K', 0x424242},
             {'L', 0xD6D6CE},
             {'W', 0xFFFFFF},
             {'G', 0x9B9B9B},
             {'I', interior},
             {'M', mark}}};
}

// Compiling a map with a letter the palette lacks stops the build here.
constexpr unsigned char PaletteIndex(const MarkPalette& palette, char letter)
{
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i].letter == letter) {
            return static_cast<unsigned char>(i);
        }
    }
    throw std::logic_error("letter without a colour in a mark map");
}

constexpr MarkPicture EmbedLetterMap(const LetterMap& map, const MarkPalette& palette)
{
    MarkPicture bytes{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        bytes[3 * i] = static_cast<unsigned char>((palette[i].color >> 16) & 0xFF);
        bytes[3 * i + 1] = static_cast<unsigned char>((palette[i].color >> 8) & 0xFF);
        bytes[3 * i + 2] = static_cast<unsigned char>(palette[i].color & 0xFF);
    }
    for (std::size_t row = 0; row < kMarkSize; ++row) {
        const char* letters = map[kMarkSize - 1 - row];
        for (std::size_t column = 0; column < kMarkSize; column += 2) {
            const unsigned char left = PaletteIndex(palette, letters[column]);
            const unsigned char right = PaletteIndex(palette, letters[column + 1]);
            bytes[kMarkPaletteBytes + row * kMarkRowBytes + column / 2] =
                static_cast<unsigned char>(left << 4 | right);
        }
    }
    return bytes;
}

// The embedded pictures of the four states.
const unsigned char* TickBoxPicture(bool enabled, bool checked);
const unsigned char* OptionMarkPicture(bool enabled, bool selected);

}  // namespace tarnbrook
