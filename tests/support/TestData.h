#pragma once

#include <string>
#include <vector>

namespace testsupport {

// Bytes of a file, or of one under tests/data (path relative to it); "" when missing.
std::string ReadFile(const std::string& path);
std::string ReadTestData(const std::string& relativePath);

// The colours of a picture as ImageMagick lists it ("convert picture txt:-"), row by row from
// the top: one "x,y: (...)  #RRGGBB ..." line per pixel, after a header line.
std::vector<int> ListedColours(const std::string& listing);

}  // namespace testsupport
