// Reading Windows cursor and icon files: a directory of images, each a
// device-independent bitmap of twice the image's height (colours, then the
// transparency mask).  Only the first image is used.
#include "platform/Platform.h"

#include <fstream>
#include <iterator>

namespace Platform
{
namespace
{
uint16_t u16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t u32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

const int kMaxSide = 256;
} // namespace

bool parseCursorData(const unsigned char* data, size_t size, CursorImage& image)
{
    if (!data || size < 6 + 16)
        return false;
    const uint16_t type = u16(data + 2);
    if (u16(data) != 0 || (type != 1 && type != 2) || u16(data + 4) == 0)
        return false;
    const unsigned char* entry = data + 6;
    const uint32_t bytes = u32(entry + 8);
    const uint32_t offset = u32(entry + 12);
    if (offset > size || bytes > size - offset || bytes < 40)
        return false;
    const unsigned char* bmp = data + offset;
    if (bmp[0] == 0x89 && bmp[1] == 'P')
        return false; // PNG images inside cursors are not supported

    const uint32_t headerSize = u32(bmp);
    const int32_t width = static_cast<int32_t>(u32(bmp + 4));
    const int32_t doubleHeight = static_cast<int32_t>(u32(bmp + 8));
    const uint16_t bpp = u16(bmp + 14);
    const uint32_t compression = u32(bmp + 16);
    uint32_t colours = u32(bmp + 32);
    if (headerSize < 40 || headerSize > bytes || compression != 0)
        return false;
    if (width <= 0 || width > kMaxSide || doubleHeight <= 0 || doubleHeight > 2 * kMaxSide ||
        doubleHeight % 2 != 0)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return false;
    const int height = doubleHeight / 2;

    size_t at = headerSize;
    std::vector<uint32_t> palette;
    if (bpp <= 8)
    {
        const uint32_t maxColours = 1u << bpp;
        if (colours == 0 || colours > maxColours)
            colours = maxColours;
        if (at + 4ull * colours > bytes)
            return false;
        for (uint32_t i = 0; i < colours; ++i)
            palette.push_back(u32(bmp + at + 4 * i) & 0xFFFFFFu);
        palette.resize(maxColours, 0);
        at += 4ull * colours;
    }
    const size_t colourRow = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    const size_t maskRow = ((static_cast<size_t>(width) + 31) / 32) * 4;
    const size_t colourBytes = colourRow * height;
    if (at + colourBytes > bytes)
        return false;
    // Some writers leave the mask out of 32-bit images, which carry alpha.
    const bool hasMask = at + colourBytes + maskRow * height <= bytes;
    if (!hasMask && bpp != 32)
        return false;

    image.width = width;
    image.height = height;
    image.hotX = type == 2 ? u16(entry + 4) : 0;
    image.hotY = type == 2 ? u16(entry + 6) : 0;
    if (image.hotX >= width)
        image.hotX = width - 1;
    if (image.hotY >= height)
        image.hotY = height - 1;
    image.argb.assign(static_cast<size_t>(width) * height, 0);

    bool anyAlpha = false;
    for (int y = 0; y < height; ++y)
    {
        // Rows are stored bottom-up.
        const unsigned char* row = bmp + at + colourRow * (height - 1 - y);
        for (int x = 0; x < width; ++x)
        {
            uint32_t pixel = 0;
            switch (bpp)
            {
            case 1: pixel = palette[(row[x / 8] >> (7 - x % 8)) & 1]; break;
            case 4: pixel = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 15]; break;
            case 8: pixel = palette[row[x]]; break;
            case 24: pixel = row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16); break;
            case 32:
                pixel = u32(row + 4 * x);
                anyAlpha = anyAlpha || (pixel >> 24) != 0;
                break;
            }
            image.argb[static_cast<size_t>(y) * width + x] = pixel;
        }
    }
    if (bpp == 32 && anyAlpha)
        return true;
    const unsigned char* mask = bmp + at + colourBytes;
    for (int y = 0; y < height; ++y)
    {
        const unsigned char* row = hasMask ? mask + maskRow * (height - 1 - y) : nullptr;
        for (int x = 0; x < width; ++x)
        {
            const bool transparent = row && ((row[x / 8] >> (7 - x % 8)) & 1);
            uint32_t& pixel = image.argb[static_cast<size_t>(y) * width + x];
            pixel = transparent ? 0 : (pixel & 0xFFFFFFu) | 0xFF000000u;
        }
    }
    return true;
}

bool readCursorFile(const std::string& path, CursorImage& image)
{
    std::ifstream in(normalisePath(path), std::ios::binary);
    if (!in)
        return false;
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return parseCursorData(data.data(), data.size(), image);
}
} // namespace Platform
