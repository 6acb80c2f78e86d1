#include "util/TextFile.h"

#include <cstdio>

namespace tarnbrook {

TextFile::TextFile(const std::string& path) : path_(path) {}

std::vector<std::string> TextFile::ReadLines()
{
    failed_ = false;
    notFound_ = false;
    std::vector<std::string> lines;
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (!file) {
        failed_ = true;
        notFound_ = true;
        return lines;
    }
    std::string bytes;
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) {
        bytes.append(block, got);
    }
    lines = SplitLines(bytes);
    if (std::ferror(file)) {
        failed_ = true;
    }
    std::fclose(file);
    return lines;
}

std::vector<std::string> TextFile::SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(bytes.substr(start, end - start));
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

std::string TextFile::ReadAll()
{
    const std::vector<std::string> lines = ReadLines();
    std::string text;
    if (failed_) {
        return text;
    }
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool TextFile::WriteLines(const std::vector<std::string>& lines)
{
    return WriteWithMode(lines, "wb");
}

bool TextFile::AppendLine(const std::string& line)
{
    return WriteWithMode({line}, "ab");
}

bool TextFile::WriteWithMode(const std::vector<std::string>& lines, const char* mode)
{
    failed_ = false;
    notFound_ = false;
    std::FILE* file = std::fopen(path_.c_str(), mode);
    if (!file) {
        failed_ = true;
        return false;
    }
    for (const std::string& line : lines) {
        const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size() &&
                             std::fputc('\n', file) != EOF && std::fflush(file) == 0;
        if (!written) {
            failed_ = true;
            break;
        }
    }
    if (std::fclose(file) != 0) {
        failed_ = true;
    }
    return !failed_;
}

}  // namespace tarnbrook
