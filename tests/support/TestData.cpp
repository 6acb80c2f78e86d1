#include "support/TestData.h"

#include <fstream>
#include <iterator>

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

std::vector<int> ListedColours(const std::string& listing)
{
    std::vector<int> colours;
    for (size_t at = listing.find('\n'); (at = listing.find('#', at)) != std::string::npos; ++at) {
        colours.push_back(std::stoi(listing.substr(at + 1, 6), nullptr, 16));
    }
    return colours;
}

}  // namespace testsupport
