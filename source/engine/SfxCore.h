// The program-wide sound system: a table of 256 sound slots (ids 1 to 255
// are handed out), four volume groups, the sixteen environment loops that
// cross-fade under a master level, and loudness tables for lip movement.
//
// Volume groups: group 0 carries the environment loops, which are the
// game's music, and follows "MusicVolume"; groups 1 to 3 carry effects,
// voices and room loops and follow "SoundVolume".
#pragma once

#include "SfxSlot.h"

#include <cstdint>
#include <string>

class CSfxCore
{
public:
    static const int kSlotCount = 256;
    static const int kGroupCount = 4;
    static const int kEnvSoundCount = 16;

    /// Start-up: the device, the volume groups and the environment sounds.
    /// A device that is open already (SoundDevice::initLoopback in tests) is
    /// used as it is.
    static void init();
    /// Frees every loaded sound, the environment sounds too; called at shutdown.
    static void freeAllSounds();
    /// Frees every sound and closes the device; sound is off afterwards.
    static void shutdown();
    /// 1 after a successful start, 0 when sound is off.
    static int isEnabled();
    /// Pause and resume all output (the window lost or regained activity).
    static void pauseOutput();
    static void resumeOutput();

    /// Loads "<name>.ogg": memFlag 1 decodes it into memory, 0 streams it
    /// from its file.  The slot id, or -1.
    static int loadSound(const std::string& name, int memFlag);
    /// Plays the sound from its start in a volume group (0 to 3).
    static void playSound(int id, int group, int loop, int tag);
    /// Stops every playback of the sound.
    static void stopSound(int id);
    /// Stops and frees the sound; the slot becomes free.
    static void freeSound(int id);
    /// Sets the sound's own volume (percent); the channel gets group x own / 10000.
    static void applyVolume(int id, float volume);
    /// Sets a group's volume (percent) and re-applies it to the group's sounds.
    static void setGroupVolume(int group, float volume);
    /// Makes a loaded environment sound the current one: it fades in while
    /// the one before fades out.
    static void addEnvSound(int id, int loop, int tag);
    /// The per-frame cross-fade of the environment sounds and the master level.
    static void updateEnvSound();
    /// The first id whose file name contains the text, else 0.
    static int findSound(const std::string& text);
    /// Loudness (0 to 1) of the sound at a time in seconds; 1 when unknown.
    static float getLevel(int id, float time);
    /// Reads "<file name>.lvl" from the resource group into the table.
    static bool loadLevels(int id);
    /// Writes the table to "<file name>.lvl" in the working folder.
    static void saveLevels(int id);
    /// The bytes of a ".lvl" file: a count, then (level, time) float pairs,
    /// little-endian.  decodeLevels appends the pairs and is false, leaving
    /// the table alone, for bytes that are not such a file.
    static std::string encodeLevels(const std::vector<CSfxLevel>& levels);
    static bool decodeLevels(const uint8_t* data, size_t size, std::vector<CSfxLevel>& levels);
    /// Fills the table from the file or from the decoded sample.
    static void scanLevels(int id);
    /// A voice's length in milliseconds: from its table, else from the OGG
    /// file; -1 when there is no such file or the length cannot be found,
    /// 0 when the file is not Ogg Vorbis.
    static int getSoundLength(const std::string& name);
    /// Checks a voice's OGG file and gives its length (as getSoundLength).
    static int cacheVoice(const std::string& name);
    /// The hero that listens; stored for the scripts, not used here.
    static void setListener(uint32_t handle);

    /// The slot of an id from 0 to 255 (no check).
    static CSfxSlot& slot(int id);

    static int mEnabled;
    /// Percent per group.
    static float mGroupVolume[kGroupCount];
    /// The environment master level, written by the environment script:
    /// the update moves mEnvCurrent towards mEnvTarget at mEnvSpeed per second.
    static float mEnvTarget;
    static float mEnvCurrent;
    static float mEnvSpeed;
    /// Environment sound ids; -1 none.
    static int mCurEnvSound;
    static int mPrevEnvSound;
    static float mFadeInVolume;
    static float mFadeOutVolume;
    /// Slot ids of "00_env_01" to "00_env_16"; -1 for one that did not load.
    static int mEnvSoundIds[kEnvSoundCount];
    /// -1 while start-up loads the environment sounds, 0 after.
    static int mEnvCacheReady;
    static uint32_t mListener;
};
