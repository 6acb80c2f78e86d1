#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace tarnbrook {

// A file opened for binary access with explicit offsets. The stream lives from a successful
// Open to Close or destruction; Failed() reports the last failed operation.
class BinaryFile {
public:
    BinaryFile();
    // Opens at once (see Open).
    BinaryFile(const std::string& path, bool read, bool write, bool append);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // read: input only. write (without read): input and output, truncated or created.
    // append (neither of the others): input and output, writes go to the end, created if missing.
    // None of the three: input and output on an existing file.
    bool Open(const std::string& path, bool read, bool write, bool append);
    // Reads up to count bytes from offset; returns how many were read. Reading past the end is
    // not a failure. Does nothing (0) once the file failed or is closed.
    size_t ReadAt(long long offset, void* buffer, size_t count);
    bool WriteAt(long long offset, const void* buffer, size_t count);
    // Writes at the current position.
    bool Write(const void* buffer, size_t count);
    // True once a read reached the end, and when no file is open.
    bool AtEnd();
    void Close();
    bool Failed() const { return failed_; }
    bool IsClosed() const { return stream_ == nullptr; }

private:
    bool WriteHere(const void* buffer, size_t count);
    bool Fail();

    std::FILE* stream_ = nullptr;
    bool failed_ = false;
};

}  // namespace tarnbrook
