#pragma once

#include <string>
#include <vector>

namespace testsupport {

// Bytes of a file, or of one under tests/data (path relative to it); "" when missing.
std::string ReadFile(const std::string& path);
std::string ReadTestData(const std::string& relativePath);

// A picture as ImageMagick lists it with "convert picture txt:-": the header line gives the
// size, every other line one pixel "x,y: (...)  #RRGGBB ...".
struct PixelListing {
    int width = 0, height = 0;
    std::vector<int> colors;  // 0xRRGGBB, row by row from the top

    int At(int x, int y) const { return colors[static_cast<size_t>(y * width + x)]; }
};
PixelListing ParsePixelListing(const std::string& text);

}  // namespace testsupport
