#pragma once

// Byte-level output shared by the data generators (header-only: each generator is one file).

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tarnbrook {

// Appends the low `bytes` bytes of value, least significant first.
inline void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// Writes the bytes as the whole file; false when it could not be written completely.
template <typename Byte>
bool WriteBytes(const std::string& path, const std::vector<Byte>& bytes)
{
    static_assert(sizeof(Byte) == 1, "bytes only");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace tarnbrook
