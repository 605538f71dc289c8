// Cursor and icon files (".cur", ".ico") on any bytes: refused, or one
// image of a size the game can show with a pixel for every point.
#include "platform/Platform.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Platform::CursorImage image;
    if (!Platform::parseCursorData(data, size, image))
        return 0;
    if (image.width <= 0 || image.height <= 0 || image.width > 256 || image.height > 256)
        std::abort();
    if (image.argb.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        std::abort();
    return 0;
}
