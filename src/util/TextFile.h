#pragma once

#include <string>
#include <vector>

namespace tarnbrook {

// A text file read and written as whole lines. Nothing stays open between calls: each
// operation opens, works and closes. The flags describe the last operation.
class TextFile {
public:
    explicit TextFile(const std::string& path);

    // Lines split at "\n" (a "\r" before it stays in the line); a last line without "\n" counts.
    // A file that cannot be opened sets Failed() and NotFound() and gives no lines.
    std::vector<std::string> ReadLines();
    // The lines, each followed by "\r\n"; empty when the file cannot be read.
    std::string ReadAll();
    // Replaces the file's content with the lines, each followed by "\n".
    bool WriteLines(const std::vector<std::string>& lines);
    // Adds one line followed by "\n" at the end, creating the file if needed.
    bool AppendLine(const std::string& line);

    // The same splitting over bytes already read.
    static std::vector<std::string> SplitLines(const std::string& bytes);

    bool Failed() const { return failed_; }
    bool NotFound() const { return notFound_; }
    const std::string& Path() const { return path_; }

private:
    bool WriteWithMode(const std::vector<std::string>& lines, const char* mode);

    bool failed_ = false;
    bool notFound_ = false;
    std::string path_;
};

}  // namespace tarnbrook
