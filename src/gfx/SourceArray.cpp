#include "gfx/SourceArray.h"

#include "gfx/EmbeddedImage.h"
#include "util/FileUtils.h"
#include "util/StringUtils.h"
#include "util/TextFile.h"

namespace tarnbrook {

namespace {

void AppendBytes(std::string& text, const std::vector<unsigned char>& bytes, std::size_t first,
                 std::size_t count)
{
    for (std::size_t i = first; i < first + count; ++i) {
        text += "0x" + ByteToHex(bytes[i]) + ",";
    }
    text += "\n";
}

}  // namespace

std::string SourceArrayName(const std::string& path)
{
    std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return ToUpper(name);
}

std::string SourceArrayText(const std::string& name, int width, int height,
                            const std::vector<unsigned char>& embedded)
{
    std::string text = "int w" + name + " = " + std::to_string(width) + ";\n";
    text += "int h" + name + " = " + std::to_string(height) + ";\n\n";
    text += "char img" + name + "[] = {\n";
    AppendBytes(text, embedded, 0, kEmbeddedPaletteBytes);
    const std::size_t rowBytes = EmbeddedRowBytes(width);
    for (int row = 0; row < height; ++row) {
        AppendBytes(text, embedded, kEmbeddedPaletteBytes + rowBytes * row, rowBytes);
    }
    text += "};\n";
    return text;
}

bool WriteSourceArray(const std::string& bmpPath, int width, int height,
                      const std::vector<unsigned char>& embedded)
{
    if (embedded.size() != EmbeddedImageBytes(width, height)) {
        return false;
    }
    const std::string sourcePath = bmpPath + ".c";
    if (FileExists(sourcePath)) {
        RemoveFile(sourcePath);
    }
    TextFile file(sourcePath);
    return file.WriteLines({SourceArrayText(SourceArrayName(bmpPath), width, height, embedded)});
}

}  // namespace tarnbrook
