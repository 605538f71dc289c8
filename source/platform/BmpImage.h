// Reading the splash picture of the settings dialog: Windows bitmaps
// (".bmp") with 24 or 32 bits a pixel and no compression.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Platform
{
/// A picture in memory, rows from the top, one 0xRRGGBB word a pixel.
struct CBmpImage
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

/// Reads an uncompressed 24- or 32-bit bitmap, stored bottom-up or top-down.
/// False with the reason in error for anything else or a damaged file.
bool readBmpFile(const std::string& path, CBmpImage& image, std::string& error);
/// The same from bytes already in memory.
bool readBmp(const std::vector<uint8_t>& bytes, CBmpImage& image, std::string& error);
} // namespace Platform
