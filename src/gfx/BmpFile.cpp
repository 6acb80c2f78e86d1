#include "gfx/BmpFile.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "gfx/EmbeddedImage.h"
#include "gfx/SourceArray.h"

namespace tarnbrook {

namespace {

// Header fields, by their offset from the start of the file (all little-endian).
constexpr std::size_t kSignatureAt = 0;    // "BM"
constexpr std::size_t kDataOffsetAt = 10;  // where the pixel rows begin
constexpr std::size_t kInfoSizeAt = 14;    // size of the info header, which starts here
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kHeightAt = 22;  // positive: rows stored from the bottom up
constexpr std::size_t kBitCountAt = 28;
constexpr std::size_t kCompressionAt = 30;  // 0: plain pixel rows

constexpr std::size_t kHeaderBytes = 54;  // file header and the smallest info header
constexpr std::int64_t kSmallestInfoHeader = 40;
constexpr std::int64_t kLargestInfoHeader = 124;  // the version 5 header

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Where things are in a file whose header passed every check; each offset + size lies inside
// the bytes read.
struct BmpLayout {
    int width = 0;
    int height = 0;
    std::size_t paletteAt = 0;
    std::size_t paletteEntries = 0;
    std::size_t dataAt = 0;
    std::size_t rowBytes = 0;
    std::size_t endAt = 0;
};

std::int64_t Int32At(const unsigned char* bytes, std::size_t at)
{
    const std::uint32_t value = static_cast<std::uint32_t>(bytes[at]) |
                                (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
                                (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
                                (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
    return static_cast<std::int32_t>(value);
}

int UInt16At(const unsigned char* bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8);
}

bool SidesAcceptable(std::int64_t width, std::int64_t height)
{
    return width >= 1 && width <= kBmpMaxSide && height >= 1 && height <= kBmpMaxSide &&
           width * height <= kBmpMaxPixels;
}

// All arithmetic in 64 bits on values already bounded, so no product can overflow.
std::optional<BmpLayout> CheckHeader(const unsigned char* header, int bitsPerPixel,
                                     std::int64_t fileSize)
{
    const std::int64_t infoSize = Int32At(header, kInfoSizeAt);
    const std::int64_t width = Int32At(header, kWidthAt);
    const std::int64_t height = Int32At(header, kHeightAt);
    const std::int64_t dataAt = Int32At(header, kDataOffsetAt);
    if (header[kSignatureAt] != 'B' || header[kSignatureAt + 1] != 'M' ||
        infoSize < kSmallestInfoHeader || infoSize > kLargestInfoHeader ||
        UInt16At(header, kBitCountAt) != bitsPerPixel || Int32At(header, kCompressionAt) != 0 ||
        !SidesAcceptable(width, height)) {
        return std::nullopt;
    }
    const std::int64_t paletteAt = kInfoSizeAt + infoSize;
    if (dataAt < paletteAt || dataAt - paletteAt > kBmpMaxPaletteBytes) {
        return std::nullopt;
    }
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const std::int64_t endAt = dataAt + rowBytes * height;
    if (endAt > fileSize) {
        return std::nullopt;
    }
    BmpLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.paletteAt = static_cast<std::size_t>(paletteAt);
    layout.paletteEntries = static_cast<std::size_t>((dataAt - paletteAt) / 4);
    layout.dataAt = static_cast<std::size_t>(dataAt);
    layout.rowBytes = static_cast<std::size_t>(rowBytes);
    layout.endAt = static_cast<std::size_t>(endAt);
    return layout;
}

std::int64_t SizeOf(std::FILE* file)
{
    struct stat status;
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) {
        return 0;
    }
    return status.st_size;
}

// Reads the header and everything up to the end of the last pixel row; false when the file is
// missing, is not a picture of bitsPerPixel that this program reads, or ends early.
bool ReadPicture(const std::string& path, int bitsPerPixel, std::vector<unsigned char>& bytes,
                 BmpLayout& layout)
{
    FilePointer file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    unsigned char header[kHeaderBytes];
    if (std::fread(header, 1, kHeaderBytes, file.get()) != kHeaderBytes) {
        return false;
    }
    const std::optional<BmpLayout> checked = CheckHeader(header, bitsPerPixel, SizeOf(file.get()));
    if (!checked) {
        return false;
    }
    layout = *checked;
    bytes.assign(layout.endAt, 0);
    std::memcpy(bytes.data(), header, kHeaderBytes);
    const std::size_t rest = layout.endAt - kHeaderBytes;
    return std::fread(bytes.data() + kHeaderBytes, 1, rest, file.get()) == rest;
}

const unsigned char* FileRow(const std::vector<unsigned char>& bytes, const BmpLayout& layout,
                             int fileRow)
{
    return bytes.data() + layout.dataAt + layout.rowBytes * static_cast<std::size_t>(fileRow);
}

// Palette entries are blue, green, red, unused.
void SetFromPalette(RgbBuffer& rgb, int x, int y, const std::vector<unsigned char>& bytes,
                    const BmpLayout& layout, unsigned index)
{
    const unsigned char* entry = bytes.data() + layout.paletteAt + 4 * index;
    rgb.SetPixel(x, y, entry[2], entry[1], entry[0]);
}

RgbBuffer DecodeTrueColour(const std::vector<unsigned char>& bytes, const BmpLayout& layout)
{
    RgbBuffer rgb(layout.width, layout.height);
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        const unsigned char* source = FileRow(bytes, layout, fileRow);
        const int y = layout.height - 1 - fileRow;
        for (int x = 0; x < layout.width; ++x) {
            const unsigned char* pixel = source + 3 * x;
            rgb.SetPixel(x, y, pixel[2], pixel[1], pixel[0]);
        }
    }
    return rgb;
}

RgbBuffer DecodeEightBit(const std::vector<unsigned char>& bytes, const BmpLayout& layout)
{
    RgbBuffer rgb(layout.width, layout.height);
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        const unsigned char* source = FileRow(bytes, layout, fileRow);
        const int y = layout.height - 1 - fileRow;
        for (int x = 0; x < layout.width; ++x) {
            if (source[x] >= layout.paletteEntries) {
                return RgbBuffer();
            }
            SetFromPalette(rgb, x, y, bytes, layout, source[x]);
        }
    }
    return rgb;
}

bool FourBitIndicesInPalette(const std::vector<unsigned char>& bytes, const BmpLayout& layout)
{
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        const unsigned char* source = FileRow(bytes, layout, fileRow);
        for (int x = 0; x < layout.width; ++x) {
            const unsigned index = (x % 2 == 0) ? (source[x / 2] >> 4) : (source[x / 2] & 0x0F);
            if (index >= layout.paletteEntries) {
                return false;
            }
        }
    }
    return true;
}

// The picture in the embedded 16-colour format: palette as red, green, blue (entries the file
// lacks stay black), then the file rows in file order without their padding.
std::vector<unsigned char> ToEmbedded(const std::vector<unsigned char>& bytes,
                                      const BmpLayout& layout)
{
    std::vector<unsigned char> embedded(EmbeddedImageBytes(layout.width, layout.height), 0);
    for (std::size_t i = 0; i < kEmbeddedPaletteEntries && i < layout.paletteEntries; ++i) {
        const unsigned char* entry = bytes.data() + layout.paletteAt + 4 * i;
        embedded[3 * i] = entry[2];
        embedded[3 * i + 1] = entry[1];
        embedded[3 * i + 2] = entry[0];
    }
    const std::size_t rowBytes = EmbeddedRowBytes(layout.width);
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        std::memcpy(embedded.data() + kEmbeddedPaletteBytes + rowBytes * fileRow,
                    FileRow(bytes, layout, fileRow), rowBytes);
    }
    return embedded;
}

}  // namespace

RgbBuffer ReadBmp24(const std::string& path)
{
    std::vector<unsigned char> bytes;
    BmpLayout layout;
    if (!ReadPicture(path, 24, bytes, layout)) {
        return RgbBuffer();
    }
    return DecodeTrueColour(bytes, layout);
}

RgbBuffer ReadBmp8(const std::string& path)
{
    std::vector<unsigned char> bytes;
    BmpLayout layout;
    if (!ReadPicture(path, 8, bytes, layout)) {
        return RgbBuffer();
    }
    return DecodeEightBit(bytes, layout);
}

RgbBuffer ReadBmp4(const std::string& path)
{
    std::vector<unsigned char> bytes;
    BmpLayout layout;
    if (!ReadPicture(path, 4, bytes, layout) || !FourBitIndicesInPalette(bytes, layout)) {
        return RgbBuffer();
    }
    const std::vector<unsigned char> embedded = ToEmbedded(bytes, layout);
    WriteSourceArray(path, layout.width, layout.height, embedded);
    return Convert4BitImage(layout.width, layout.height, embedded.data());
}

bool ReadBmpInfo(const std::string& path, int& width, int& height, int& dataOffset)
{
    FilePointer file(std::fopen(path.c_str(), "rb"));
    unsigned char header[kHeaderBytes];
    if (!file || std::fread(header, 1, kHeaderBytes, file.get()) != kHeaderBytes) {
        return false;
    }
    dataOffset = static_cast<int>(Int32At(header, kDataOffsetAt));
    width = static_cast<int>(Int32At(header, kWidthAt));
    height = static_cast<int>(Int32At(header, kHeightAt));
    return true;
}

}  // namespace tarnbrook
