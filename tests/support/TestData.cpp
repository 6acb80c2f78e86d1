#include "support/TestData.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace testsupport {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ReadTestData(const std::string& relativePath)
{
    return ReadFile(std::string(TARNBROOK_TEST_DATA) + "/" + relativePath);
}

PixelListing ParsePixelListing(const std::string& text)
{
    PixelListing listing;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    std::sscanf(line.c_str(), "# ImageMagick pixel enumeration: %d,%d", &listing.width,
                &listing.height);
    listing.colors.assign(static_cast<size_t>(listing.width * listing.height), -1);
    int x = -1, y = -1;
    unsigned color = 0;
    while (std::getline(lines, line)) {
        const size_t hash = line.find('#');
        if (std::sscanf(line.c_str(), "%d,%d:", &x, &y) != 2 || hash == std::string::npos ||
            std::sscanf(line.c_str() + hash, "#%6x", &color) != 1 || x < 0 || y < 0 ||
            x >= listing.width || y >= listing.height) {
            return PixelListing();
        }
        listing.colors[static_cast<size_t>(y * listing.width + x)] = static_cast<int>(color);
    }
    return listing;
}

}  // namespace testsupport
