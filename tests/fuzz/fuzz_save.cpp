// The save file reader on any bytes: it either refuses them and leaves the
// map alone, or reads a map that saves and reads back unchanged.
#include "AppState.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CAppState::VarMap before{{"kept", "yes"}};
    CAppState::VarMap map = before;
    const int result = CAppState::decodeSaveFile(data, size, map);
    if (result != 1)
    {
        if (result != -1 || map != before)
            std::abort();
        return 0;
    }
    // A save replaces carriage returns, so only maps without them must come
    // back byte for byte.
    for (const auto& entry : map)
        if (entry.first.find('\r') != String::npos || entry.second.find('\r') != String::npos)
            return 0;
    std::string bytes;
    if (!CAppState::encodeSaveFile(map, bytes))
        return 0;
    CAppState::VarMap again;
    if (CAppState::decodeSaveFile(bytes.data(), bytes.size(), again) != 1 || again != map)
        std::abort();
    return 0;
}
