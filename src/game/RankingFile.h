#pragma once

#include <string>
#include <vector>

namespace tarnbrook {

// The ten best results, one line each, in Data/<folder name>/Score/Classifica.txt:
// the score in eight digits, a blank, then the entry text (see Entry). Lines are kept in
// descending byte order, which is descending order of score. Nothing is held between calls:
// every operation reads or writes the file anew, under a lock on its folder, so that games
// saving at once take turns; when another process keeps the lock for about two seconds, the
// operation is given up (no lines, or no save), with the error flag and a log line. Only a small
// regular file is read; anything else counts as unreadable, is logged and is never overwritten.
// A failed save writes one log line.
class RankingFile {
public:
    explicit RankingFile(const std::string& folderName);

    // The entry text of a result: the name padded to 12 characters, " Level " and the level.
    static std::string Entry(const std::string& playerName, int level);

    // The folder of the file, ending in "/", created on the way; empty when that fails.
    std::string RankingFolder() const;
    // The lines in file order; none, without error, when there is no file yet.
    std::vector<std::string> ReadLines();
    // Sorts the lines, keeps the ten greatest and writes them; true on success.
    bool Save(std::vector<std::string> lines);
    // Adds the line of a result. An existing file that cannot be read is left as it is.
    bool AddEntry(int score, const std::string& entry);
    bool HasError() const { return error_; }

private:
    std::string FilePath() const;
    bool Fail(const char* what);
    std::vector<std::string> ReadFrom(const std::string& folder);
    bool WriteTo(const std::string& folder, std::vector<std::string> lines);

    std::string folderName_;
    bool error_ = false;
};

}  // namespace tarnbrook
