// Windows bitmaps, read by hand: the settings dialog needs nothing more than
// the two uncompressed true-colour forms, and a damaged file must only cost
// the picture.
#include "platform/BmpImage.h"

#include <cstdio>

namespace Platform
{
namespace
{
constexpr int kMaxSide = 8192;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;

uint32_t u32(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
           static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t u16(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
} // namespace

bool readBmp(const std::vector<uint8_t>& b, CBmpImage& image, std::string& error)
{
    image = CBmpImage();
    if (b.size() < 14 + 40 || b[0] != 'B' || b[1] != 'M')
    {
        error = "not a bitmap";
        return false;
    }
    const uint32_t dataOffset = u32(b, 10);
    const uint32_t headerSize = u32(b, 14);
    if (headerSize < 40 || 14 + static_cast<uint64_t>(headerSize) > b.size())
    {
        error = "unsupported bitmap header";
        return false;
    }
    const int32_t width = static_cast<int32_t>(u32(b, 18));
    const int32_t rawHeight = static_cast<int32_t>(u32(b, 22));
    const int bits = u16(b, 28);
    const uint32_t compression = u32(b, 30);
    if (bits != 24 && bits != 32)
    {
        error = "only 24- and 32-bit bitmaps are supported";
        return false;
    }
    if (compression == kBitFields && bits == 32)
    {
        // Bit fields are fine as long as they are the plain byte layout; the
        // masks follow a 40-byte header and sit inside the larger ones.
        if (14 + 40 + 12 > b.size() || u32(b, 54) != 0x00FF0000 || u32(b, 58) != 0x0000FF00 ||
            u32(b, 62) != 0x000000FF)
        {
            error = "unsupported bitmap colour masks";
            return false;
        }
    }
    else if (compression != kRgb)
    {
        error = "compressed bitmaps are not supported";
        return false;
    }
    // A negative height means rows stored from the top.
    if (width <= 0 || width > kMaxSide || rawHeight == 0 || rawHeight < -kMaxSide || rawHeight > kMaxSide)
    {
        error = "bad bitmap size";
        return false;
    }
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    if (dataOffset < 14 + headerSize || dataOffset + stride * static_cast<uint64_t>(height) > b.size())
    {
        error = "bitmap data cut short";
        return false;
    }
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    const size_t bytesPerPixel = static_cast<size_t>(bits / 8);
    for (int y = 0; y < height; ++y)
    {
        const size_t row = dataOffset + static_cast<size_t>(stride) * static_cast<size_t>(topDown ? y : height - 1 - y);
        uint32_t* out = &image.pixels[static_cast<size_t>(y) * static_cast<size_t>(width)];
        for (int x = 0; x < width; ++x)
        {
            const size_t at = row + static_cast<size_t>(x) * bytesPerPixel;
            out[x] = static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 1]) << 8 | b[at];
        }
    }
    return true;
}

bool readBmpFile(const std::string& path, CBmpImage& image, std::string& error)
{
    image = CBmpImage();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
    {
        error = "cannot open the file";
        return false;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
    {
        error = "cannot read the file";
        return false;
    }
    return readBmp(bytes, image, error);
}
} // namespace Platform
