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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarnbrook;
    static const std::string path =
        std::filesystem::temp_directory_path() / ("bmp-fuzz-" + std::to_string(getpid()) + ".bmp");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::abort();
    }
    for (RgbBuffer (*read)(const std::string&) : {ReadBmp24, ReadBmp8, ReadBmp4}) {
        const RgbBuffer rgb = read(path);
        const long pixels = static_cast<long>(rgb.Width()) * rgb.Height();
        if (!rgb.IsEmpty() && (rgb.Width() > kBmpMaxSide || rgb.Height() > kBmpMaxSide ||
                               pixels > kBmpMaxPixels || rgb.ByteCount() != pixels * 3ul)) {
            std::abort();
        }
    }
    std::remove(path.c_str());
    std::remove((path + ".c").c_str());  // the 4-bit reader's source-array export
    return 0;
}
