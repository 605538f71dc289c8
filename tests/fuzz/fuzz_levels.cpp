// Loudness tables (".lvl") on any bytes: refused without touching the
// table, or read into pairs that write back as the very bytes read.
#include "SfxCore.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<CSfxLevel> levels{{0.5f, 1.0f}};
    if (!CSfxCore::decodeLevels(data, size, levels))
    {
        if (levels.size() != 1)
            std::abort();
        return 0;
    }
    levels.erase(levels.begin());
    const std::string again = CSfxCore::encodeLevels(levels);
    if (again.size() > size || std::memcmp(again.data(), data, again.size()) != 0)
        std::abort();
    return 0;
}
