// Helpers of the fuzz targets whose readers take a file name: the bytes go
// into a file of the target's working folder first.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fuzz
{
inline bool writeBytes(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

inline std::string readBytes(const std::string& path)
{
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

/// Makes a folder of the working folder the user's data folder, so that the
/// player's real options and saves are never touched.
inline void useLocalUserFolder()
{
    char cwd[4096];
    if (!getcwd(cwd, sizeof(cwd)))
        std::abort();
    setenv("XDG_DATA_HOME", (std::string(cwd) + "/fuzz-home").c_str(), 1);
}
} // namespace fuzz
