#include "Puzzle.h"

#include "Log.h"
#include "SfxCore.h"

namespace Puzzle
{
void CSoundSet::load(std::initializer_list<const char*> names)
{
    unload();
    for (const char* name : names)
        ids.push_back(CSfxCore::loadSound(name, 1));
}

void CSoundSet::unload()
{
    for (int id : ids)
        if (id >= 0)
            CSfxCore::freeSound(id);
    ids.clear();
}

void CSoundSet::play(int i) const
{
    if (i >= 0 && i < static_cast<int>(ids.size()) && ids[i] >= 0)
        CSfxCore::playSound(ids[i], 1, 0, 0);
}

void repair(int a, int b, int* values, int index, int lo, int hi, int fallback)
{
    const int value = values[index];
    if (value >= lo && value <= hi)
        return;
    Log::print("\nWARNING: saved value [%s] = %d is out of range, %d taken instead",
               CVirtualScript::makeGameArrayKey(a, b, index).c_str(), value, fallback);
    values[index] = fallback;
}
} // namespace Puzzle
