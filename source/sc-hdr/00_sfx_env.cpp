#include "00_sfx_env.h"

#include "Log.h"
#include "Object.h"
#include "SfxCore.h"
#include "Trace.h"

namespace
{
const int kEnvBase = 1000;
const int kRepeatBase = 5000;
const int kCrossFadeMs = 5000;
const float kVolumeRate = 0.4f;
} // namespace

void sc_00_sfx_env::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    calcLens();
    if (getConfigI("game_state") == 0)
        setVarI("sfx_var", kEnvBase + 4);
    const int env = getVarI("sfx_var");
    if (env > 0)
    {
        setSfxEnv(env - kEnvBase);
        plGenerate(env - kEnvBase, 0);
    }
}

void sc_00_sfx_env::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    if (code <= 100)
    {
        CSfxCore::mEnvTarget = static_cast<float>(code) / 100.0f;
        CSfxCore::mEnvSpeed = CSfxCore::mEnvTarget >= CSfxCore::mEnvCurrent ? kVolumeRate : -kVolumeRate;
        return;
    }
    int doNotMix = 0;
    if (code > kRepeatBase)
    {
        code -= kRepeatBase - kEnvBase;
        doNotMix = 1;
    }
    const int env = getVarI("sfx_var");
    Log::print("======= %d %d", env, code);
    if (env == code)
        return;
    setVarI("sfx_var", code);
    setSfxEnv(code - kEnvBase);
    plGenerate(code - kEnvBase, doNotMix);
}

void sc_00_sfx_env::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    setSfxEnv(plGoNext());
}

void sc_00_sfx_env::calcLens()
{
    TQ_TRACE(" calcLens()");
    static const float lengths[kTrackCount] = {60000, 37000, 95500, 105000, 108000, 52700,
                                               106100, 45400, 68000, 13100, 99800, 44600};
    for (int i = 0; i < kTrackCount; ++i)
        mLens[i] = lengths[i];
}

int sc_00_sfx_env::plGetFamily(int tr)
{
    if (tr < 5)
        return tr + 4;
    if (tr < 9)
        return tr - 4;
    return tr;
}

int sc_00_sfx_env::getRandomNotNumbers(int min, int max, const int* i1, int count)
{
    int r = min;
    for (int draw = 0; draw < 100; ++draw)
    {
        r = randomInt() % (max - min + 1) + min;
        bool taken = false;
        for (int i = 0; i < count && !taken; ++i)
            taken = i1[i] == r;
        if (!taken)
            break;
    }
    return r;
}

void sc_00_sfx_env::plGenerate(int base_track, int do_not_mix_tracks)
{
    TQ_TRACE(" plGenerate(int base_track, int do_not_mix_tracks)");
    for (int& entry : mPl)
        entry = base_track;
    if (do_not_mix_tracks)
        return;
    mPl[1] = plGetFamily(base_track);
    for (int i = 2; i <= 7; ++i)
        mPl[i] = getRandomNotNumbers(1, 8, mPl, i);
    mPl[8] = base_track;
    mPl[9] = plGetFamily(base_track);
    mPlIndex = 0;
    plPrint();
}

int sc_00_sfx_env::plGoNext()
{
    mPlIndex = (mPlIndex + 1) % kListSize;
    return plGetCurrent();
}

int sc_00_sfx_env::plGetCurrent()
{
    return mPl[mPlIndex];
}

void sc_00_sfx_env::plPrint()
{
    Log::print("\n\n* * * PLAY LIST * * *");
    for (int i = 0; i < kListSize; ++i)
        Log::print("\n%d. track = %d", i, mPl[i]);
}

void sc_00_sfx_env::setSfxEnv(int track)
{
    TQ_TRACE(" setSfxEnv(int track)");
    // Tracks are numbered from 1; codes of 101 to 1000 give none at all.
    if (track >= 100 || track < 1)
        return;
    if (track != mCurTrack && track <= CSfxCore::kEnvSoundCount)
    {
        // The sound of a track is found by its number: a sound that failed
        // to load at start-up shifts the slots of the ones after it.  The
        // track loops, so that a repeated track (which is not restarted)
        // goes on until the list moves on.
        const int id = CSfxCore::mEnvSoundIds[track - 1];
        if (id != -1)
            CSfxCore::addEnvSound(id, 1, 0);
    }
    Log::print("\n\nsetSfxEnv(%d)", track);
    mCurTrack = track;
    // Tracks without a known length play on until the next change.
    if (track > kTrackCount)
        return;
    mInterval = static_cast<int>(mLens[track - 1]) - kCrossFadeMs;
    if (mInterval < 0)
        mInterval = 0;
    CObject::createTimer(gObjectCollector.get(getOwner()), static_cast<uint32_t>(mInterval), 1, nullptr);
}
