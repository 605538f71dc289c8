// The splash picture of the settings dialog (".bmp") on any bytes: refused
// with a reason, or a picture with a pixel for every point.
#include "platform/BmpImage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    Platform::CBmpImage image;
    std::string error;
    if (!Platform::readBmp(bytes, image, error))
    {
        if (error.empty())
            std::abort();
        return 0;
    }
    if (image.width <= 0 || image.height <= 0)
        std::abort();
    if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        std::abort();
    return 0;
}
