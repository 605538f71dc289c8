#include "00_movies.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "SfxCore.h"
#include "Trace.h"

#include <cstdio>

namespace
{
const int kGroupVoices = 1;

/// Numbered sounds of each location (1 to 6).
const int kSoundsPerLocation[] = {0, 24, 31, 48, 41, 26, 35};

/// Sounds of other locations that a location uses, loaded without a check.
const int kBorrowed2[] = {5025, 5026};
const int kBorrowed3[] = {1006, 1008, 1009, 1021, 1022, 2005, 2006, 2008, 2009,
                          2015, 2018, 2019, 2020, 2021, 2025, 2026, 5015, 5016};
const int kBorrowed4[] = {1021, 1022, 2006, 2008, 2009, 2018, 2019, 2020,
                          2021, 2025, 2026, 3006, 3029, 3030, 1008};
const int kBorrowed5[] = {1008, 1009, 1010, 1011, 1021, 1022, 2006, 2010,
                          2020, 2021, 2025, 2026, 3006, 4004, 4020};
const int kBorrowed6[] = {1021, 2019, 3043, 4004, 5015, 5016};

/// The sounds of cut scenes that 10000 stops.
const int kCutSceneSounds[] = {1023, 1004, 1005, 1020, 2028, 2029, 3024, 3025, 3026,
                               3035, 3041, 3042, 4016, 4019, 4029, 4034, 5002, 5013,
                               5018, 5019, 6008, 6016, 6019, 6025, 6026, 6035};

/// One loop of a location: in which rooms and at which cameras it plays,
/// under which story flag, and how loud.
struct LoopRule
{
    int loc;
    int code;
    int rooms[2];      ///< {0, 0}: any room
    bool onlyInRoom;   ///< switched only while the player is in its room, left as it is elsewhere
    const char* flag;  ///< game variable (or option) that must hold; null: none
    bool flagIsOption;
    bool flagSet;      ///< true: the flag is not 0; false: it is 0
    int camsA[6];      ///< cameras of the first loudness; {0}: any camera
    float loudA;
    int camsB[6];      ///< cameras of the second loudness; {0}: any other camera
    float loudB;       ///< 0: no second loudness
};

/// In the order in which the loops are checked.
const LoopRule kLoopRules[] = {
    {1, 1024, {0, 0}, false, "generator@on", false, true, {1}, 1.0f, {}, 0.0f},
    {3, 3033, {6, 6}, true, "03_06_az_knopka1@used", false, false, {1}, 1.0f, {2, 4, 6}, 0.3f},
    {3, 3044, {2, 2}, false, nullptr, false, false, {0}, 1.0f, {}, 0.0f},
    {3, 3048, {3, 3}, false, nullptr, false, false, {3}, 1.0f, {0}, 0.3f},
    {3, 3045, {5, 5}, false, nullptr, false, false, {2}, 1.0f, {}, 0.0f},
    {3, 3047, {6, 6}, false, "03_globus@click", false, true, {1}, 1.0f, {}, 0.0f},
    {3, 3043, {7, 7}, false, nullptr, false, false, {0}, 1.0f, {}, 0.0f},
    {4, 4039, {2, 2}, false, nullptr, false, false, {1, 3, 8, 11, 17, 18}, 1.0f, {}, 0.0f},
    {4, 4021, {3, 3}, false, "04_03_az_generator@used", false, true, {1}, 1.0f, {}, 0.0f},
    {4, 4023, {3, 3}, false, nullptr, false, false, {2, 3}, 0.5f, {9}, 1.0f},
    {4, 4022, {3, 3}, false, nullptr, false, false, {4}, 0.5f, {}, 0.0f},
    {4, 4024, {3, 3}, false, "04_03_az_printer@used", false, false, {12}, 1.0f, {}, 0.0f},
    {4, 4038, {4, 4}, false, "04_04_az_LazernajaPushka@used", false, true, {3}, 1.0f, {}, 0.0f},
    {4, 4026, {4, 4}, true, "4_21_variable_game_end", false, false, {1}, 1.0f, {8}, 0.3f},
    {4, 4033, {6, 6}, true, "show_girl_video", true, false, {4}, 0.5f, {9}, 1.0f},
    {5, 5001, {2, 2}, false, "fish_game@game_over", true, false, {3, 14}, 0.2f, {9}, 0.5f},
    {5, 5011, {3, 3}, false, "05_03_Osminog@on", false, true, {1}, 1.0f, {}, 0.0f},
    {5, 5012, {3, 3}, false, "05_03_Osminog@on", false, true, {2}, 1.0f, {}, 0.0f},
    {5, 5020, {5, 5}, false, nullptr, false, false, {0}, 1.0f, {}, 0.0f},
    {5, 5022, {5, 5}, false, "05_05_az_ventil@clicked", false, false, {1, 3, 5}, 1.0f, {}, 0.0f},
    {5, 5021, {7, 7}, false, nullptr, false, false, {0}, 1.0f, {}, 0.0f},
    {6, 6011, {2, 2}, false, nullptr, false, false, {1, 2}, 0.5f, {0}, 0.2f},
    {6, 6013, {3, 3}, false, "06_03_az_pila@stoped", false, false, {1, 4}, 0.5f, {0}, 0.2f},
    {6, 6014, {4, 4}, false, "06_04_az_Valun_msz@moved", false, false, {1}, 0.5f, {6}, 1.0f},
    {6, 6024, {7, 7}, false, "larec_swing", false, true, {1}, 1.0f, {}, 0.0f},
    {6, 3043, {4, 8}, false, nullptr, false, false, {0}, 1.0f, {}, 0.0f},
    {6, 6028, {6, 6}, false, nullptr, false, false, {0}, 1.0f, {}, 0.0f},
};

/// Whether cam is among the cameras (a list that starts with 0: any).
bool hasCamera(const int (&cams)[6], int cam)
{
    if (cams[0] == 0)
        return true;
    for (int entry : cams)
        if (entry == cam)
            return true;
    return false;
}
} // namespace

void sc_00_movies::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    initVoiceCache();
    mTimer = CObject::createTimer(gObjectCollector.get(getOwner()), 1, -1, nullptr);
}

void sc_00_movies::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    freeCache();
}

void sc_00_movies::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code < kStopAll)
        playSound(code);
    checkRooms();
    if (code == kStopAll)
        for (int sound : kCutSceneSounds)
            stopSound(sound);
}

void sc_00_movies::ON_TIME(int id)
{
    if (id != mTimer)
        return;
    const float dt = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    for (int i = 0; i < mCount; ++i)
    {
        if (mMode[i] == MODE_FADE_OUT)
        {
            mVolume[i] -= dt * mSpeed[i];
            if (mVolume[i] <= 0.0f)
            {
                mVolume[i] = 0.0f;
                if (mId[i] != -1)
                    CSfxCore::stopSound(mId[i]);
                mMode[i] = MODE_SILENT;
            }
        }
        else if (mMode[i] == MODE_FADE)
        {
            if (mVolume[i] < mTarget[i])
            {
                mVolume[i] += dt * mSpeed[i];
                if (mVolume[i] >= mTarget[i])
                {
                    mVolume[i] = mTarget[i];
                    mMode[i] = MODE_PLAYING;
                }
            }
            else
            {
                mVolume[i] -= dt * mSpeed[i];
                if (mVolume[i] < mTarget[i])
                {
                    mVolume[i] = mTarget[i];
                    mMode[i] = MODE_PLAYING;
                }
            }
        }
        else
            continue;
        if (mId[i] != -1)
            CSfxCore::applyVolume(mId[i], static_cast<float>(static_cast<int>(mVolume[i] * 100.0f)));
    }
}

void sc_00_movies::initVoiceCache()
{
    TQ_TRACE(" initVoiceCache()");
    mCount = 0;
    for (int i = 0; i < kCacheSize; ++i)
    {
        mCode[i] = -1;
        mId[i] = -1;
        mMode[i] = MODE_SILENT;
        mVolume[i] = 0.0f;
        mTarget[i] = 1.0f;
        mSpeed[i] = 0.0f;
    }
    mLoc = getVarI("cur_loc");
    const int sounds = mLoc >= 1 && mLoc <= 6 ? kSoundsPerLocation[mLoc] : 0;
    char name[32];
    for (int n = 1; n <= sounds; ++n)
    {
        std::snprintf(name, sizeof(name), "%02d_%02d.ogg", mLoc, n);
        if (resourceExists(name))
            addVoiceToCache(mLoc * 1000 + n);
    }
    for (int n = 1; n <= 2; ++n)
    {
        std::snprintf(name, sizeof(name), "00_%02d.ogg", n);
        if (resourceExists(name))
            addVoiceToCache(n);
    }
    const int* borrowed = nullptr;
    size_t count = 0;
    switch (mLoc)
    {
    case 2: borrowed = kBorrowed2; count = sizeof(kBorrowed2) / sizeof(int); break;
    case 3: borrowed = kBorrowed3; count = sizeof(kBorrowed3) / sizeof(int); break;
    case 4: borrowed = kBorrowed4; count = sizeof(kBorrowed4) / sizeof(int); break;
    case 5: borrowed = kBorrowed5; count = sizeof(kBorrowed5) / sizeof(int); break;
    case 6: borrowed = kBorrowed6; count = sizeof(kBorrowed6) / sizeof(int); break;
    default: break;
    }
    for (size_t i = 0; i < count; ++i)
        addVoiceToCache(borrowed[i]);
}

void sc_00_movies::addVoiceToCache(int param)
{
    TQ_TRACE(" addVoiceToCache(int param)");
    char name[32];
    std::snprintf(name, sizeof(name), "%02d_%02d", param / 1000, param % 1000);
    // The largest location needs 68 entries; one more than the cache holds
    // is refused rather than written past its end.
    if (mCount >= kCacheSize)
    {
        Log::print("\nERROR: Add sound %s to cache failed! The cache is full.", name);
        return;
    }
    const int i = mCount;
    mCode[i] = param;
    mId[i] = CSfxCore::loadSound(name, 1);
    if (mId[i] == -1)
        Log::print("\nERROR: Add sound %s to cache failed!", name);
    else
        CSfxCore::cacheVoice(name);
    mVolume[i] = 0.0f;
    mTarget[i] = 1.0f;
    mMode[i] = MODE_SILENT;
    ++mCount;
}

void sc_00_movies::freeCache()
{
    TQ_TRACE(" freeCache()");
    for (int i = 0; i < mCount; ++i)
    {
        if (mId[i] != -1)
            CSfxCore::freeSound(mId[i]);
        mId[i] = -1;
        mCode[i] = -1;
        mMode[i] = MODE_SILENT;
    }
    mCount = 0;
}

int sc_00_movies::getId(int param)
{
    for (int i = 0; i < mCount; ++i)
        if (mCode[i] == param)
            return i;
    return -1;
}

int sc_00_movies::loadedIndex(int param)
{
    const int i = getId(param);
    return i != -1 && mId[i] != -1 ? i : -1;
}

void sc_00_movies::playSound(int param)
{
    TQ_TRACE(" playSound(int param)");
    const int i = loadedIndex(param);
    if (i == -1)
        return;
    CSfxCore::playSound(mId[i], kGroupVoices, 0, 0);
    mMode[i] = MODE_PLAYING;
}

void sc_00_movies::playSoundSlow(int param, float spd, float volume_rez)
{
    TQ_TRACE(" playSoundSlow(int param, float spd, float volume_rez)");
    const int i = loadedIndex(param);
    if (i == -1)
        return;
    if (mMode[i] == MODE_SILENT)
    {
        CSfxCore::stopSound(mId[i]);
        CSfxCore::applyVolume(mId[i], 0.0f);
        CSfxCore::playSound(mId[i], kGroupVoices, 1, 0);
    }
    mTarget[i] = volume_rez;
    mSpeed[i] = spd;
    mMode[i] = MODE_FADE;
}

void sc_00_movies::setSoundVolume(int param, float spd, float volume_rez)
{
    TQ_TRACE(" setSoundVolume(int param, float spd, float volume_rez)");
    const int i = loadedIndex(param);
    if (i == -1)
        return;
    mTarget[i] = volume_rez;
    mSpeed[i] = spd;
    mMode[i] = MODE_FADE;
}

void sc_00_movies::stopSound(int param)
{
    TQ_TRACE(" stopSound(int param)");
    const int i = loadedIndex(param);
    if (i == -1)
        return;
    if (mMode[i] != MODE_SILENT)
        CSfxCore::stopSound(mId[i]);
    mMode[i] = MODE_SILENT;
}

void sc_00_movies::stopSoundSlow(int param, float spd)
{
    TQ_TRACE(" stopSoundSlow(int param, float spd)");
    // A silent sound has nothing to fade; marking it as fading out would
    // make a start in the same frame take it for a playing loop and only
    // re-aim it, so that it would never sound.
    const int i = loadedIndex(param);
    if (i == -1 || mMode[i] == MODE_SILENT)
        return;
    mSpeed[i] = spd;
    mMode[i] = MODE_FADE_OUT;
}

void sc_00_movies::setMusicVolume(float volume)
{
    TQ_TRACE(" setMusicVolume(float volume)");
    sendNotifyByName("00_sfx_env", static_cast<int>(volume * 100.0f), 0);
}

void sc_00_movies::checkRooms()
{
    TQ_TRACE(" checkRooms()");
    const int room = getVarI("cur_room");
    const int cam = getVarI("cur_cam");
    const int loc = getVarI("cur_loc");
    for (const LoopRule& rule : kLoopRules)
    {
        if (rule.loc != loc)
            continue;
        const bool inRoom = rule.rooms[0] == 0 || room == rule.rooms[0] || room == rule.rooms[1];
        if (rule.onlyInRoom && !inRoom)
            continue;
        bool on = inRoom;
        if (on && rule.flag)
        {
            const int value = rule.flagIsOption ? getConfigI(rule.flag) : getVarI(rule.flag);
            on = rule.flagSet ? value != 0 : value == 0;
        }
        float loudness = 0.0f;
        if (on && hasCamera(rule.camsA, cam))
            loudness = rule.loudA;
        else if (on && rule.loudB > 0.0f && hasCamera(rule.camsB, cam))
            loudness = rule.loudB;
        if (loudness > 0.0f)
            playSoundSlow(rule.code, 1.0f, loudness);
        else
            stopSoundSlow(rule.code, 1.0f);
    }

    float music = 1.0f;
    if (loc == 5)
    {
        rttSetAutoUpdated("05_game_rtt", room == 2 && (cam == 3 || cam == 9));
        setSoundVolume(5010, 1.0f, room == 3 && cam == 1 ? 1.0f : 0.0f);
        const bool pond = room == 2 && (cam == 3 || cam == 9 || cam == 14) && getConfigI("fish_game@game_over") == 0;
        if (pond || room == 4 || room == 5 || room == 7)
            music = 0.1f;
    }
    else if (loc == 6)
        setSoundVolume(6012, 1.0f, room == 2 && cam == 2 ? 1.0f : 0.0f);
    setMusicVolume(music);
}
