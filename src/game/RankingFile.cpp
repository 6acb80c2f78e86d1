#include "game/RankingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>

#include "app/Log.h"
#include "util/FileUtils.h"
#include "util/FolderLock.h"
#include "util/StringUtils.h"
#include "util/TextFile.h"
#include "util/WellKnownFolders.h"

namespace tarnbrook {

namespace {

const char* const kFileName = "Classifica.txt";
const char* const kTemporarySuffix = ".tmp";
const char* const kLockedRead = "Classifica bloccata, lettura annullata ";
const char* const kLockedSave = "Classifica bloccata, salvataggio annullato ";
constexpr size_t kMaxLines = 10;
constexpr size_t kMaxBytes = 64 * 1024;  // far above ten lines: a bigger file is not a ranking
constexpr size_t kScoreDigits = 8;
constexpr size_t kNameWidth = 12;

std::string MakeFolderIn(const std::string& parent, const std::string& name)
{
    const std::string folder = AddTrailingSeparator(parent) + name;
    return MakeFolder(folder) ? folder : std::string();
}

bool FlushToDisk(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool flushed = fsync(descriptor) == 0;
    close(descriptor);
    return flushed;
}

bool WriteAll(int descriptor, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t written = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno != EINTR) {
            return false;
        }
        done += written > 0 ? static_cast<size_t>(written) : 0;
    }
    return true;
}

bool MayWrite(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    close(descriptor);
    return true;
}

// Whatever an interrupted save left under the temporary name goes first: a file, a link (not
// what it points to) or an empty folder. The new one is made exclusively and never through a
// link, so nothing but the ranking is ever written. -1 when it cannot be made.
int CreateTemporary(const std::string& path)
{
    if (unlink(path.c_str()) != 0 && errno == EISDIR) {
        rmdir(path.c_str());
    }
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

// Without a temporary file (a folder the user may not write) the file is rewritten where it is.
bool WriteInPlace(const std::string& target, const std::string& bytes)
{
    const int descriptor =
        open(target.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return false;
    }
    const bool written = WriteAll(descriptor, bytes) &&
                         ftruncate(descriptor, static_cast<off_t>(bytes.size())) == 0 &&
                         fsync(descriptor) == 0;
    return close(descriptor) == 0 && written;
}

// The new lines go to a temporary file that takes the old file's place, with the old file's
// mode, only once it is complete and on disk: a crash or a full disk leaves the old ranking
// or the new one, never a mix or nothing. A file the user may not write is not replaced.
bool ReplaceFile(const std::string& folder, const std::string& bytes)
{
    const std::string target = folder + kFileName;
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !MayWrite(target)) {
        return false;
    }
    const std::string temporary = target + kTemporarySuffix;
    const int descriptor = CreateTemporary(temporary);
    if (descriptor < 0) {
        return WriteInPlace(target, bytes);
    }
    bool done = WriteAll(descriptor, bytes) &&
                (!exists || fchmod(descriptor, existing.st_mode & 07777) == 0) &&
                fsync(descriptor) == 0;
    done = close(descriptor) == 0 && done && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!done) {
        unlink(temporary.c_str());
        return false;
    }
    FlushToDisk(folder);  // makes the rename itself durable
    return true;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += '\n';
    }
    return bytes;
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
    const std::string folder = RankingFolder();
    if (folder.empty()) {
        Fail("Errore lettura ");
        return {};
    }
    FolderLock lock(folder, false);
    if (lock.Busy()) {
        Fail(kLockedRead);
        return {};
    }
    return ReadFrom(folder);
}

bool RankingFile::Save(std::vector<std::string> lines)
{
    const std::string folder = RankingFolder();
    if (folder.empty()) {
        return Fail("Errore salvataggio ");
    }
    FolderLock lock(folder, true);
    if (lock.Busy()) {
        return Fail(kLockedSave);
    }
    return WriteTo(folder, std::move(lines));
}

bool RankingFile::AddEntry(int score, const std::string& entry)
{
    const std::string folder = RankingFolder();
    if (folder.empty()) {
        return Fail("Errore salvataggio ");
    }
    // Read, add and write as one step: a game saving meanwhile waits, and both results stay.
    FolderLock lock(folder, true);
    if (lock.Busy()) {
        return Fail(kLockedSave);
    }
    std::vector<std::string> lines = ReadFrom(folder);
    if (error_) {
        return false;
    }
    std::string digits = IntToString(score, '0', static_cast<int>(kScoreDigits));
    if (digits.size() > kScoreDigits) {
        digits = digits.substr(digits.size() - kScoreDigits);
    }
    lines.push_back(digits + " " + entry);
    return WriteTo(folder, std::move(lines));
}

std::string RankingFile::FilePath() const
{
    return AddTrailingSeparator(DataFolder()) + folderName_ + "/Score/" + kFileName;
}

bool RankingFile::Fail(const char* what)
{
    error_ = true;
    WriteLog(what + FilePath());
    return false;
}

// A missing file is an empty ranking; one that is there but cannot be read is an error.
std::vector<std::string> RankingFile::ReadFrom(const std::string& folder)
{
    error_ = false;
    std::string bytes;
    if (ReadRegularFile(folder + kFileName, kMaxBytes, bytes) == FileRead::kRefused) {
        Fail("Errore lettura ");
    }
    return TextFile::SplitLines(bytes);
}

bool RankingFile::WriteTo(const std::string& folder, std::vector<std::string> lines)
{
    error_ = false;
    // Byte order, unsigned, a prefix after the longer line: what std::string compares.
    std::sort(lines.begin(), lines.end(), std::greater<std::string>());
    if (lines.size() > kMaxLines) {
        lines.resize(kMaxLines);
    }
    return ReplaceFile(folder, Join(lines)) || Fail("Errore salvataggio ");
}

}  // namespace tarnbrook
