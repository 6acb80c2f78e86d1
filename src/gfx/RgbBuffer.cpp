#include "gfx/RgbBuffer.h"

namespace tarnbrook {

RgbBuffer::RgbBuffer(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0);
}

void RgbBuffer::SetPixel(int x, int y, unsigned char red, unsigned char green, unsigned char blue)
{
    unsigned char* pixel = Pixel(x, y);
    pixel[0] = red;
    pixel[1] = green;
    pixel[2] = blue;
}

int RgbBuffer::PixelColor(int x, int y) const
{
    const unsigned char* pixel = Pixel(x, y);
    return (pixel[0] << 16) | (pixel[1] << 8) | pixel[2];
}

}  // namespace tarnbrook
