// "loc.cfg" on any bytes: every setting is an option that lives only in
// memory, and whatever "opt_name" says, the user's folder stays one folder
// under "Harbolt Studios".
#include "AppState.h"
#include "FuzzFiles.h"
#include "platform/Platform.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (fuzz::useLocalUserFolder(), true);
    (void)ready;
    if (!fuzz::writeBytes("loc.cfg", data, size))
        return 0;
    CAppState state;
    state.loadLocConfig("loc.cfg");
    for (const auto& entry : state.mOptions)
        if (entry.second.persistent != 0)
            std::abort();
    const std::string base = Platform::appDataFolder() + "/Harbolt Studios/";
    const std::string folder = state.getUserFolderA();
    if (folder.compare(0, base.size(), base) != 0)
        std::abort();
    const std::string title = folder.substr(base.size());
    if (title.empty() || title == "." || title == ".." || title.find('/') != std::string::npos)
        std::abort();
    return 0;
}
