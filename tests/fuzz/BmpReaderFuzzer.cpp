// libFuzzer target for the three BMP readers: every input is written to a file of its own
// scratch folder and read as a 24-, 8- and 4-bit picture. A reader may refuse the input, but
// what it returns must be a whole picture within the size limits.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "gfx/BmpFile.h"

namespace {

std::string scratchFolder;

void RemoveScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder, ignored);
}

const std::string& InputPath()
{
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "bmp-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        scratchFolder = pattern;
        std::atexit(RemoveScratchFolder);
        return pattern + "/input.bmp";
    }();
    return path;
}

void CheckWhole(const tarnbrook::RgbBuffer& rgb)
{
    if (rgb.IsEmpty()) {
        return;
    }
    const long pixels = static_cast<long>(rgb.Width()) * rgb.Height();
    if (rgb.Width() > tarnbrook::kBmpMaxSide || rgb.Height() > tarnbrook::kBmpMaxSide ||
        pixels > tarnbrook::kBmpMaxPixels || rgb.ByteCount() != static_cast<size_t>(pixels) * 3) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = InputPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::abort();
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) {
        std::abort();
    }
    CheckWhole(tarnbrook::ReadBmp24(path));
    CheckWhole(tarnbrook::ReadBmp8(path));
    CheckWhole(tarnbrook::ReadBmp4(path));
    return 0;
}
