#include "util/BinaryFile.h"

#include <sys/types.h>

namespace tarnbrook {

namespace {

const char* OpenMode(bool read, bool write, bool append)
{
    if (read) {
        return "rb";
    }
    if (write) {
        return "w+b";
    }
    if (append) {
        return "a+b";
    }
    return "r+b";
}

}  // namespace

BinaryFile::BinaryFile() = default;

BinaryFile::BinaryFile(const std::string& path, bool read, bool write, bool append)
{
    Open(path, read, write, append);
}

BinaryFile::~BinaryFile()
{
    Close();
}

bool BinaryFile::Open(const std::string& path, bool read, bool write, bool append)
{
    Close();
    failed_ = false;
    stream_ = std::fopen(path.c_str(), OpenMode(read, write, append));
    if (!stream_) {
        return Fail();
    }
    return true;
}

size_t BinaryFile::ReadAt(long long offset, void* buffer, size_t count)
{
    if (failed_ || !stream_) {
        return 0;
    }
    if (fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) != 0) {
        Fail();
        return 0;
    }
    const size_t read = std::fread(buffer, 1, count, stream_);
    if (std::ferror(stream_)) {
        Fail();
    }
    return read;
}

bool BinaryFile::WriteAt(long long offset, const void* buffer, size_t count)
{
    if (!stream_) {
        return Fail();
    }
    if (fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) != 0) {
        return Fail();
    }
    return WriteHere(buffer, count);
}

bool BinaryFile::Write(const void* buffer, size_t count)
{
    // A write after a read must pass through a positioning call; this one stays in place.
    if (!stream_ || fseeko(stream_, 0, SEEK_CUR) != 0) {
        return Fail();
    }
    return WriteHere(buffer, count);
}

bool BinaryFile::AtEnd()
{
    return !stream_ || std::feof(stream_);
}

void BinaryFile::Close()
{
    if (stream_) {
        if (std::fclose(stream_) != 0) {
            failed_ = true;
        }
        stream_ = nullptr;
    }
}

bool BinaryFile::WriteHere(const void* buffer, size_t count)
{
    // Flushed at once so that a full disk shows up here, not silently at Close.
    if (std::fwrite(buffer, 1, count, stream_) != count || std::fflush(stream_) != 0) {
        return Fail();
    }
    return true;
}

bool BinaryFile::Fail()
{
    failed_ = true;
    return false;
}

}  // namespace tarnbrook
