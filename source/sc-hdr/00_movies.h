// The script registered as "00_movies.sc": the voices and room loops of a
// location.  On creation it loads every sound of the current location into
// a cache; a room script or a play-thread task plays a cached sound once by
// sending its code (location x 1000 + number), and every notification makes
// the script decide from the place and the story state which loops of the
// location are heard and how loud.  Loops fade in and out on the script's
// frame tick.  It also lowers the music of "00_sfx_env" in some rooms.
#pragma once

#include "CodeScript.h"

class sc_00_movies : public virtual CodeScript
{
public:
    static const int kCacheSize = 300;
    static const int kStopAll = 10000;

    /// Loudness states of a cached sound.
    enum
    {
        MODE_SILENT = 0,
        MODE_FADE = 1,     ///< moving towards its target loudness
        MODE_PLAYING = 2,
        MODE_FADE_OUT = 3, ///< fading out to silence
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_movies(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// Fills the cache and starts the frame tick.
    void ON_CREATE() override;
    /// Frees the cache.
    void ON_DESTROY() override;
    /// A code below 10000 plays that sound once; every code re-checks the
    /// loops; 10000 then stops the sounds of the cut scenes at once.
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;
    /// The frame tick: fading loops move on.
    void ON_TIME(int id) override;

    /// Loads the sounds of the location in "cur_loc" into the cache.
    void initVoiceCache();
    /// Loads the sound of a code into the next cache entry.
    void addVoiceToCache(int param);
    /// Frees every cached sound.
    void freeCache();
    /// The cache index of a code, or -1.
    int getId(int param);
    /// Plays the sound once.
    void playSound(int param);
    /// Starts the sound looping from silence when it is silent, and aims it
    /// at volume_rez at spd per second.
    void playSoundSlow(int param, float spd, float volume_rez);
    /// Aims the sound at volume_rez at spd per second without starting it.
    void setSoundVolume(int param, float spd, float volume_rez);
    /// Stops the sound at once.
    void stopSound(int param);
    /// Fades the sound out at spd per second.
    void stopSoundSlow(int param, float spd);
    /// Tells "00_sfx_env" the music loudness (0 to 1).
    void setMusicVolume(float volume);
    /// Starts, re-aims or fades out the loops of the location for the
    /// current room, camera and story state.
    void checkRooms();

    // The cache, in parallel arrays; mCount entries are in use.
    int mCode[kCacheSize];     ///< the sound's code; -1 when empty
    int mId[kCacheSize];       ///< the sound system's id; -1 when loading failed
    float mVolume[kCacheSize]; ///< current loudness 0..1 while fading
    float mTarget[kCacheSize]; ///< loudness to fade to
    float mSpeed[kCacheSize];  ///< loudness per second
    int mMode[kCacheSize];     ///< MODE_*
    int mCount = 0;
    int mLoc = 0;    ///< location read at creation
    int mTimer = -1; ///< the frame tick's timer

private:
    /// The cache index of a code whose sound loaded, or -1.
    int loadedIndex(int param);
};
