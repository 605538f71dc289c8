#include "SfxCore.h"

#include "Log.h"

namespace
{
int gEnabled = 0;
}

void CSfxCore::init()
{
    gEnabled = 0;
    Log::print("\nERROR: Bass initalization failed. Sound disabled.");
}

void CSfxCore::freeAllSounds() {}
void CSfxCore::updateEnvSound() {}
int CSfxCore::isEnabled()
{
    return gEnabled;
}
void CSfxCore::pauseOutput() {}
void CSfxCore::resumeOutput() {}
