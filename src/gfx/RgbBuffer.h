#pragma once

#include <cstddef>
#include <vector>

namespace tarnbrook {

// A picture as red, green, blue bytes per pixel, rows from top to bottom without padding.
// A default-constructed buffer is the empty result of a failed read or decode.
class RgbBuffer {
public:
    RgbBuffer() = default;
    RgbBuffer(int width, int height);  // all black; empty when a side is not positive

    bool IsEmpty() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::size_t ByteCount() const { return pixels_.size(); }

    const unsigned char* Data() const { return pixels_.data(); }
    unsigned char* Data() { return pixels_.data(); }

    // The three bytes of pixel (x, y); the caller keeps x and y inside the picture.
    const unsigned char* Pixel(int x, int y) const { return pixels_.data() + Offset(x, y); }
    unsigned char* Pixel(int x, int y) { return pixels_.data() + Offset(x, y); }
    void SetPixel(int x, int y, unsigned char red, unsigned char green, unsigned char blue);
    int PixelColor(int x, int y) const;  // as 0xRRGGBB

private:
    std::size_t Offset(int x, int y) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)) *
               3;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> pixels_;
};

}  // namespace tarnbrook
