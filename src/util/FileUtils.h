#pragma once

#include <string>
#include <vector>

namespace tarnbrook {

// Path and file helpers over byte strings; relative paths start at the working directory.
// Nothing throws: failures come back as false, 0 or an empty result.

bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
// True when the folder exists afterwards; false when something that is not a folder is in the way.
bool MakeFolder(const std::string& path);
// Size in bytes, 0 when the file cannot be examined.
long long FileSize(const std::string& path);

char PathSeparator();
// Appends "/" unless the path is empty or ends in "/", ":" or a back-slash.
std::string AddTrailingSeparator(const std::string& path);
// Turns the back-slashes of the argument itself into "/", then returns everything up to and
// including the last "/" (or else the last ":"); empty when there is neither.
std::string ExtractFolder(std::string& path);
// The same on a copy, for constant or temporary paths.
std::string ExtractFolder(const std::string& path);
// What follows the folder part; the whole path when there is none.
std::string ExtractFileName(const std::string& path);

// Appends suffix (given in lower case) unless the text already ends in it, ignoring case.
// An empty text or suffix is left alone; a suffix at least as long as the text is appended.
std::string AddSuffixIfMissing(const std::string& text, const std::string& suffix);
// Copies a non-empty file whole; true only when every step succeeded.
bool CopyFile(const std::string& source, const std::string& destination);
// Every byte exclusive-or'ed into 16 bytes at its offset modulo 16, as 32 upper-case hex digits.
// An unreadable file gives 32 zeros.
std::string FileDigest(const std::string& path);
// What ReadRegularFile found.
enum class FileRead { kRead, kMissing, kRefused };
// Reads a whole regular file of at most maxBytes into bytes. Opening never waits (a FIFO or a
// device answers at once); anything but a regular file, a bigger file or a failed read is
// refused, and bytes stays empty.
FileRead ReadRegularFile(const std::string& path, size_t maxBytes, std::string& bytes);
// Names of the regular files in the folder, in directory order. A folder that cannot be
// opened gives no names and a log line.
std::vector<std::string> ListFiles(const std::string& folder);

}  // namespace tarnbrook
