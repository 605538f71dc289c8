// One entry of the sound system's table: a loaded OGG sound, its last
// playback and its loudness table.
#pragma once

#include <vector>

/// One point of a loudness table.
struct CSfxLevel
{
    float time;  ///< seconds from the start of the sound
    float level; ///< 0 (silent) to 1 (loudest)
};

class CSfxSlot
{
public:
    /// Capacity of the name, its terminating zero included.
    static const int kNameSize = 128;

    /// A free slot: no sound, no channel, no table.
    CSfxSlot();
    /// Back to a free slot; the loudness table is emptied too.
    void clear();

    int mUsed;
    /// The device's sample or stream; -1 when the slot is free.
    int mHandle;
    /// The channel of the last playback; -1 when none.
    int mChannel;
    int mLoop;
    /// Environment sounds: 1 fading in, -1 fading out, 0 steady.
    int mEnvState;
    /// Volume group of the last playback; -1 until played.
    int mGroup;
    /// The sound's own volume in percent.
    float mVolume;
    /// The file name with ".ogg".
    char mName[kNameSize];
    bool mStream;
    int mLevelsLoaded;
    /// Loudness over time, in ascending time.
    std::vector<CSfxLevel> mLevels;
    /// Given by the caller of a playback; kept for the caller, unused here.
    int mTag;
};
