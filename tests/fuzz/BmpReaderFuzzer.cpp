// libFuzzer target for the three BMP readers: every input is written to a file of this process,
// read as a 24-, 8- and 4-bit picture. A reader may refuse the input, but what it returns must
// be a whole picture within the size limits.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "gfx/BmpFile.h"

namespace {

void CheckWhole(const tarnbrook::RgbBuffer& rgb)
{
    const long pixels = static_cast<long>(rgb.Width()) * rgb.Height();
    if (!rgb.IsEmpty() &&
        (rgb.Width() > tarnbrook::kBmpMaxSide || rgb.Height() > tarnbrook::kBmpMaxSide ||
         pixels > tarnbrook::kBmpMaxPixels || rgb.ByteCount() != static_cast<size_t>(pixels) * 3)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path =
        std::filesystem::temp_directory_path() / ("bmp-fuzz-" + std::to_string(getpid()) + ".bmp");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::abort();
    }
    CheckWhole(tarnbrook::ReadBmp24(path));
    CheckWhole(tarnbrook::ReadBmp8(path));
    CheckWhole(tarnbrook::ReadBmp4(path));
    std::remove(path.c_str());
    std::remove((path + ".c").c_str());  // the 4-bit reader's source-array export
    return 0;
}
