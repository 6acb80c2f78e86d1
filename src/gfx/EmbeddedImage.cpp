#include "gfx/EmbeddedImage.h"

namespace tarnbrook {

std::size_t EmbeddedRowBytes(int width)
{
    return width > 0 ? (static_cast<std::size_t>(width) + 1) / 2 : 0;
}

std::size_t EmbeddedImageBytes(int width, int height)
{
    const std::size_t rows = height > 0 ? static_cast<std::size_t>(height) : 0;
    return kEmbeddedPaletteBytes + EmbeddedRowBytes(width) * rows;
}

RgbBuffer Convert4BitImage(int width, int height, const unsigned char* data)
{
    RgbBuffer rgb(width, height);
    if (!data || rgb.IsEmpty()) {
        return RgbBuffer();
    }
    const unsigned char* palette = data;
    const std::size_t rowBytes = EmbeddedRowBytes(width);
    for (int sourceRow = 0; sourceRow < height; ++sourceRow) {
        const unsigned char* indices = data + kEmbeddedPaletteBytes + rowBytes * sourceRow;
        const int y = height - 1 - sourceRow;
        for (int x = 0; x < width; ++x) {
            const unsigned char twoPixels = indices[x / 2];
            const int index = (x % 2 == 0) ? (twoPixels >> 4) : (twoPixels & 0x0F);
            const unsigned char* colour = palette + index * 3;
            rgb.SetPixel(x, y, colour[0], colour[1], colour[2]);
        }
    }
    return rgb;
}

RgbBuffer Convert4BitImage(int width, int height, const char* data)
{
    return Convert4BitImage(width, height, reinterpret_cast<const unsigned char*>(data));
}

}  // namespace tarnbrook
