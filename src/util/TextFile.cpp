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
    std::string line;
    bool pending = false;  // a line has begun but has not met its "\n" yet
    for (int ch = std::fgetc(file); ch != EOF; ch = std::fgetc(file)) {
        if (ch == '\n') {
            lines.push_back(line);
            line.clear();
            pending = false;
        } else {
            line += static_cast<char>(ch);
            pending = true;
        }
    }
    if (pending) {
        lines.push_back(line);
    }
    if (std::ferror(file)) {
        failed_ = true;
    }
    std::fclose(file);
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
