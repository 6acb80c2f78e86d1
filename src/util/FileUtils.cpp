#include "util/FileUtils.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/Log.h"
#include "util/BinaryFile.h"
#include "util/StringUtils.h"

namespace tarnbrook {

namespace {

const size_t kDigestBlock = 10240;
const size_t kDigestBytes = 16;

bool IsRegularFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool FileExists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

bool RemoveFile(const std::string& path)
{
    return std::remove(path.c_str()) == 0;
}

bool MakeFolder(const std::string& path)
{
    if (FileExists(path)) {
        return IsFolder(path);
    }
    return mkdir(path.c_str(), 0777) == 0;
}

long long FileSize(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        return 0;
    }
    return static_cast<long long>(info.st_size);
}

char PathSeparator()
{
    return '/';
}

std::string AddTrailingSeparator(const std::string& path)
{
    if (path.empty()) {
        return path;
    }
    const char last = path.back();
    if (last == '/' || last == ':' || last == '\\') {
        return path;
    }
    return path + PathSeparator();
}

std::string ExtractFolder(std::string& path)
{
    path = ReplaceChar(path, '\\', '/');
    size_t end = path.rfind('/');
    if (end == std::string::npos) {
        end = path.rfind(':');
    }
    if (end == std::string::npos) {
        return std::string();
    }
    return path.substr(0, end + 1);
}

std::string ExtractFolder(const std::string& path)
{
    std::string copy = path;
    return ExtractFolder(copy);
}

std::string ExtractFileName(const std::string& path)
{
    return path.substr(ExtractFolder(path).size());
}

std::string AddSuffixIfMissing(const std::string& text, const std::string& suffix)
{
    if (text.empty() || suffix.empty()) {
        return text;
    }
    if (suffix.size() >= text.size()) {
        return text + suffix;
    }
    if (ToLower(text.substr(text.size() - suffix.size())) == suffix) {
        return text;
    }
    return text + suffix;
}

bool CopyFile(const std::string& source, const std::string& destination)
{
    const long long size = FileSize(source);
    if (size <= 0) {
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    {
        BinaryFile input(source, true, false, false);
        if (input.Failed() || input.ReadAt(0, bytes.data(), bytes.size()) != bytes.size()) {
            return false;
        }
    }
    BinaryFile output(destination, false, true, false);
    return !output.Failed() && output.WriteAt(0, bytes.data(), bytes.size());
}

std::string FileDigest(const std::string& path)
{
    unsigned char digest[kDigestBytes] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) {
        unsigned char block[kDigestBlock];
        size_t offset = 0;
        size_t read;
        while ((read = std::fread(block, 1, sizeof block, file)) > 0) {
            for (size_t i = 0; i < read; ++i, ++offset) {
                digest[offset % kDigestBytes] ^= block[i];
            }
        }
        std::fclose(file);
    }
    std::string text;
    for (unsigned char byte : digest) {
        text += ByteToHex(byte);
    }
    return text;
}

FileRead ReadRegularFile(const std::string& path, size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return errno == ENOENT ? FileRead::kMissing : FileRead::kRefused;
    }
    struct stat info;
    bool complete = fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    // One byte more than allowed tells a file that is too big, whatever its size said.
    std::string read(complete ? maxBytes + 1 : 0, '\0');
    size_t total = 0;
    while (complete && total < read.size()) {
        const ssize_t got = ::read(descriptor, &read[total], read.size() - total);
        if (got == 0) {
            break;
        }
        if (got < 0 && errno != EINTR) {
            complete = false;
        }
        total += got > 0 ? static_cast<size_t>(got) : 0;
    }
    close(descriptor);
    if (!complete || total > maxBytes) {
        return FileRead::kRefused;
    }
    read.resize(total);
    bytes = std::move(read);
    return FileRead::kRead;
}

std::vector<std::string> ListFiles(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (!directory) {
        WriteLog(folder + " accesso negato!");
        return names;
    }
    const std::string prefix = AddTrailingSeparator(folder);
    while (const dirent* entry = readdir(directory)) {
        if (IsRegularFile(prefix + entry->d_name)) {
            names.push_back(entry->d_name);
        }
    }
    closedir(directory);
    return names;
}

}  // namespace tarnbrook
