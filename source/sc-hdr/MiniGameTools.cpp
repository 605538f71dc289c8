#include "MiniGameTools.h"

#include "Log.h"
#include "SfxCore.h"
#include "Trace.h"

namespace MiniGame
{
namespace
{
const int kEffectsGroup = 1;
}

void CSounds::load(std::initializer_list<const char*> names)
{
    TQ_TRACE(" load(std::initializer_list<const char *> names)");
    unload();
    for (const char* name : names)
        mIds.push_back(CSfxCore::loadSound(name, 1));
}

void CSounds::unload()
{
    TQ_TRACE(" unload()");
    // A sound that did not load has no slot to free.
    for (int id : mIds)
        if (id > 0)
            CSfxCore::freeSound(id);
    mIds.clear();
}

void CSounds::play(int i) const
{
    TQ_TRACE(" play(int i)");
    if (i >= 0 && i < static_cast<int>(mIds.size()) && mIds[i] > 0)
        CSfxCore::playSound(mIds[i], kEffectsGroup, 0, 0);
}

void warnDamagedState(int a, int b)
{
    TQ_TRACE(" warnDamagedState(int a, int b)");
    Log::print("\nWARNING: saved state %d_%d of the mini-game is damaged, a new game is drawn", a, b);
}
} // namespace MiniGame
