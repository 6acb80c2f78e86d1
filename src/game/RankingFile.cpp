#include "game/RankingFile.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

#include "util/FileUtils.h"
#include "util/StringUtils.h"
#include "util/TextFile.h"
#include "util/WellKnownFolders.h"

namespace tarnbrook {

namespace {

const char* const kFileName = "Classifica.txt";
const char* const kTemporarySuffix = ".tmp";
constexpr size_t kMaxLines = 10;
constexpr size_t kScoreDigits = 8;
constexpr size_t kNameWidth = 12;

std::string MakeFolderIn(const std::string& parent, const std::string& name)
{
    const std::string folder = AddTrailingSeparator(parent) + name;
    return MakeFolder(folder) ? folder : std::string();
}

bool FlushToDisk(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_RDONLY);
    if (descriptor < 0) {
        return false;
    }
    const bool flushed = fsync(descriptor) == 0;
    close(descriptor);
    return flushed;
}

// The new lines go to a temporary file that takes the old file's place only once it is
// complete and on disk: a crash or a full disk leaves the old ranking or the new one, never
// a mix or nothing.
bool ReplaceFile(const std::string& folder, const std::vector<std::string>& lines)
{
    const std::string target = folder + kFileName;
    const std::string temporary = target + kTemporarySuffix;
    TextFile file(temporary);
    if (!file.WriteLines(lines) || !FlushToDisk(temporary) ||
        std::rename(temporary.c_str(), target.c_str()) != 0) {
        RemoveFile(temporary);
        return false;
    }
    FlushToDisk(folder);  // makes the rename itself durable
    return true;
}

}  // namespace

RankingFile::RankingFile(const std::string& folderName) : folderName_(folderName) {}

std::string RankingFile::Entry(const std::string& playerName, int level)
{
    return PadRight(playerName, ' ', kNameWidth) + " Level " + IntToString(level);
}

std::string RankingFile::RankingFolder() const
{
    const std::string game = MakeFolderIn(DataFolder(), folderName_);
    if (game.empty()) {
        return game;
    }
    const std::string scores = MakeFolderIn(game, "Score");
    return scores.empty() ? scores : AddTrailingSeparator(scores);
}

std::vector<std::string> RankingFile::ReadLines()
{
    error_ = false;
    const std::string folder = RankingFolder();
    if (folder.empty()) {
        error_ = true;
        return {};
    }
    const std::string path = folder + kFileName;
    if (!FileExists(path)) {
        return {};
    }
    // The file is there, so failing to open it is an error too, not a missing ranking.
    TextFile file(path);
    std::vector<std::string> lines = file.ReadLines();
    error_ = file.Failed();
    return lines;
}

bool RankingFile::Save(std::vector<std::string> lines)
{
    error_ = false;
    // Byte order, unsigned, a prefix after the longer line: what std::string compares.
    std::sort(lines.begin(), lines.end(), std::greater<std::string>());
    if (lines.size() > kMaxLines) {
        lines.resize(kMaxLines);
    }
    const std::string folder = RankingFolder();
    error_ = folder.empty() || !ReplaceFile(folder, lines);
    return !error_;
}

bool RankingFile::AddEntry(int score, const std::string& entry)
{
    std::vector<std::string> lines = ReadLines();
    if (error_) {
        return false;
    }
    std::string digits = IntToString(score, '0', static_cast<int>(kScoreDigits));
    if (digits.size() > kScoreDigits) {
        digits = digits.substr(digits.size() - kScoreDigits);
    }
    lines.push_back(digits + " " + entry);
    return Save(std::move(lines));
}

}  // namespace tarnbrook
