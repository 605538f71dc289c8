// The link file that the game opens at its end ("survey\url.url") on any
// bytes: what goes to the desktop's opener is the address or the file
// itself, never something that the opener could take for a switch.
#include "FuzzFiles.h"
#include "platform/Platform.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::writeBytes("url.url", data, size))
        return 0;
    const std::string target = Platform::shellOpenTarget("url.url");
    if (target.empty())
        return 0;
    if (target[0] == '-' || target.size() > 2047)
        std::abort();
    return 0;
}
