// "options.ini" on any bytes, read and written the way every start does it:
// a store that changes nothing leaves the file byte for byte as it was, a
// changed option reads back as set, and every other option reads back as
// the game held it (a value only read, and so perhaps cut, is never written).
#include "AppState.h"
#include "FuzzFiles.h"

#include <cstdint>
#include <cstdlib>

namespace
{
void startUp(CAppState& state)
{
    state.setDefaultOptions();
    state.loadOptions();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (fuzz::useLocalUserFolder(), true);
    (void)ready;
    CAppState state;
    const std::string path = state.getSaveFolderA("options.ini", true);
    if (!fuzz::writeBytes(path, data, size))
        return 0;
    startUp(state);
    for (const auto& entry : state.mOptions)
        if (entry.second.value.size() > 63)
            std::abort();
    state.saveOptions();
    const std::string stored = fuzz::readBytes(path);
    state.saveOptions();
    if (fuzz::readBytes(path) != stored)
        std::abort();

    state.mOptions["SoundVolume"].value = "42";
    state.saveOption("SoundVolume");
    CAppState again;
    startUp(again);
    for (const auto& entry : state.mOptions)
    {
        auto it = again.mOptions.find(entry.first);
        if (it == again.mOptions.end() || it->second.value != entry.second.value)
            std::abort();
    }
    return 0;
}
