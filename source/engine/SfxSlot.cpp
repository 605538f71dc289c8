#include "SfxSlot.h"

CSfxSlot::CSfxSlot()
{
    clear();
}

void CSfxSlot::clear()
{
    mUsed = 0;
    mHandle = -1;
    mChannel = -1;
    mLoop = 0;
    mEnvState = 0;
    mGroup = -1;
    mVolume = 0.0f;
    mName[0] = '\0';
    mStream = false;
    mLevelsLoaded = 0;
    mLevels.clear();
    mTag = 0;
}
