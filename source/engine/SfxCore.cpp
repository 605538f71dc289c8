// The sound system on the platform's sound device.
#include "SfxCore.h"

#include "Application.h"
#include "Log.h"
#include "platform/FileIO.h"
#include "platform/Platform.h"
#include "platform/SoundDevice.h"

#include <OgreConfigFile.h>
#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>

int CSfxCore::mEnabled = 0;
float CSfxCore::mGroupVolume[CSfxCore::kGroupCount] = {};
float CSfxCore::mEnvTarget = 1.0f;
float CSfxCore::mEnvCurrent = 1.0f;
float CSfxCore::mEnvSpeed = 0.0f;
int CSfxCore::mCurEnvSound = -1;
int CSfxCore::mPrevEnvSound = -1;
float CSfxCore::mFadeInVolume = 0.0f;
float CSfxCore::mFadeOutVolume = 0.0f;
int CSfxCore::mEnvSoundIds[CSfxCore::kEnvSoundCount] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                                         -1, -1, -1, -1, -1, -1, -1, -1};
int CSfxCore::mEnvCacheReady = 0;
uint32_t CSfxCore::mListener = 0;

namespace
{
const int kFrequency = 44100;
const char* const kResourceGroup = "General";
// An environment fade runs from 0 to 100 in five seconds of game time.
const float kEnvFadePerSecond = 20.0f;
// Long frames (a loading step, a stall) move fades as if they were short.
const float kMaxFrameSeconds = 0.03f;
const float kScanWindowSeconds = 0.1f;
const float kScanThreshold = 0.01f;

SoundDevice::Handle toDevice(int handle)
{
    return handle > 0 ? static_cast<SoundDevice::Handle>(handle) : 0;
}

// -1 means "no sound" and passes silently; anything else that holds no
// sound is logged, so that a script's bad id shows in the log.
bool isUsable(int id)
{
    if (id == -1)
        return false;
    if (id < 0 || id >= CSfxCore::kSlotCount)
    {
        Log::print("\nSFX_CORE: Id is out of range!");
        return false;
    }
    if (!CSfxCore::slot(id).mUsed)
    {
        Log::print("\nSFX_CORE: Id is already fried!");
        return false;
    }
    return true;
}

int optionInt(const char* key)
{
    const CAppState::OptionsMap& options = gApp.mAppState.mOptions;
    auto it = options.find(key);
    return it == options.end() ? 0 : std::atoi(it->second.value.c_str());
}

bool resourceExists(const std::string& name)
{
    Ogre::ResourceGroupManager* groups = Ogre::ResourceGroupManager::getSingletonPtr();
    if (!groups)
        return false;
    try
    {
        return groups->resourceExists(kResourceGroup, name);
    }
    catch (const Ogre::Exception&)
    {
        return false;
    }
}

// The whole file from the resource group; false when it cannot be read.
bool readResource(const std::string& name, std::vector<uint8_t>& bytes)
{
    try
    {
        Ogre::DataStreamPtr stream =
            Ogre::ResourceGroupManager::getSingleton().openResource(name, kResourceGroup);
        if (!stream)
            return false;
        bytes.clear();
        uint8_t buffer[16384];
        size_t got = 0;
        while ((got = stream->read(buffer, sizeof(buffer))) > 0)
            bytes.insert(bytes.end(), buffer, buffer + got);
        return true;
    }
    catch (const Ogre::Exception&)
    {
        return false;
    }
}

uint32_t readU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

float readFloat(const uint8_t* p)
{
    const uint32_t bits = readU32(p);
    float value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

void appendU32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void appendFloat(std::string& out, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    appendU32(out, bits);
}

// A stream from the first "FileSystem" location of "resources.cfg" that
// holds the file.
SoundDevice::Handle openStream(const std::string& fileName)
{
    Ogre::ConfigFile config;
    try
    {
        config.load("resources.cfg", "\t:=", true);
    }
    catch (const Ogre::Exception&)
    {
        return 0;
    }
    for (const auto& section : config.getSettingsBySection())
        for (const auto& setting : section.second)
        {
            if (setting.first != "FileSystem")
                continue;
            const std::string path = Platform::normalisePath(setting.second + "\\" + fileName);
            if (SoundDevice::Handle stream = SoundDevice::streamCreateFile(path))
                return stream;
        }
    return 0;
}

void clearCore()
{
    CSfxCore::mEnvTarget = 1.0f;
    CSfxCore::mEnvCurrent = 1.0f;
    CSfxCore::mEnvSpeed = 0.0f;
    CSfxCore::mCurEnvSound = -1;
    CSfxCore::mPrevEnvSound = -1;
    CSfxCore::mFadeInVolume = 0.0f;
    CSfxCore::mFadeOutVolume = 0.0f;
    for (int& id : CSfxCore::mEnvSoundIds)
        id = -1;
}
} // namespace

CSfxSlot& CSfxCore::slot(int id)
{
    // Never freed: the application object frees sounds from its destructor,
    // which may run after this file's static objects are gone.
    static CSfxSlot* const table = new CSfxSlot[kSlotCount];
    return table[id];
}

void CSfxCore::init()
{
    // A second start-up (the set-up runs again after a failure) begins clean.
    if (mEnabled)
        freeAllSounds();
    mEnabled = 0;
    // Group 0 plays the environment loops, the game's music; groups 1 to 3
    // play effects, voices and room loops.  The options menu sets them the
    // same way.
    const int music = optionInt("MusicVolume");
    const int sound = optionInt("SoundVolume");
    mGroupVolume[0] = static_cast<float>(music);
    for (int group = 1; group < kGroupCount; ++group)
        mGroupVolume[group] = static_cast<float>(sound);
    clearCore();

    // A device that is open already (a loopback one in tests) is used as it is.
    const bool device = gApp.mSound && (SoundDevice::isInitialised() || SoundDevice::init(kFrequency));
    if (!device)
    {
        Log::print("\nERROR: Bass initalization failed. Sound disabled.");
        return;
    }
    mEnabled = 1;
    for (int id = 0; id < kSlotCount; ++id)
        slot(id).clear();
    mEnvCacheReady = -1;
    for (int i = 0; i < kEnvSoundCount; ++i)
    {
        char name[16];
        std::snprintf(name, sizeof(name), "00_env_%02d", i + 1);
        mEnvSoundIds[i] = loadSound(name, 0);
    }
    mEnvCacheReady = 0;
}

void CSfxCore::freeAllSounds()
{
    for (int id = 1; id < kSlotCount; ++id)
        if (slot(id).mUsed)
            freeSound(id);
}

void CSfxCore::shutdown()
{
    freeAllSounds();
    SoundDevice::shutdown();
    mEnabled = 0;
}

int CSfxCore::isEnabled()
{
    return mEnabled;
}

void CSfxCore::pauseOutput()
{
    if (mEnabled)
        SoundDevice::pause();
}

void CSfxCore::resumeOutput()
{
    if (mEnabled)
        SoundDevice::start();
}

int CSfxCore::loadSound(const std::string& name, int memFlag)
{
    if (!mEnabled)
        return -1;
    int id = 1;
    while (id < kSlotCount && slot(id).mUsed)
        ++id;
    if (id == kSlotCount)
    {
        Log::print("\nSFX_CORE: No free slot for %s!", name.c_str());
        return -1;
    }

    // The environment sounds stay loaded: scripts that ask for one share it.
    if (mEnvCacheReady == 0 && name.find("00_env") != std::string::npos && name.size() > 7)
    {
        const int number = std::atoi(name.c_str() + 7);
        if (number >= 1 && number <= kEnvSoundCount)
        {
            Log::print("\nSFX_CORE: Use env cache for %s file", name.c_str());
            return mEnvSoundIds[number - 1];
        }
    }

    const std::string fileName = name + ".ogg";
    if (fileName.size() >= static_cast<size_t>(CSfxSlot::kNameSize))
    {
        Log::print("\nSFX_CORE: Sound name %s is too long!", name.c_str());
        return -1;
    }

    SoundDevice::Handle handle = 0;
    if (memFlag == 1)
    {
        std::vector<uint8_t> bytes;
        if (!resourceExists(fileName))
        {
            Log::print("\nSFX_CORE: File %s doesn't exist!", fileName.c_str());
            return -1;
        }
        if (readResource(fileName, bytes))
            handle = SoundDevice::sampleLoad(bytes.data(), bytes.size(), 1);
    }
    else
        handle = openStream(fileName);
    if (!handle)
    {
        Log::print("\nSFX_CORE: Couldn't load file %s! Error code: %d", fileName.c_str(),
                   static_cast<int>(SoundDevice::lastError()));
        return -1;
    }

    CSfxSlot& s = slot(id);
    s.clear();
    std::memcpy(s.mName, fileName.c_str(), fileName.size() + 1);
    s.mHandle = static_cast<int>(handle);
    s.mStream = memFlag != 1;
    if (name.find('_') == std::string::npos)
        scanLevels(id);
    s.mUsed = 1;
    s.mChannel = -1;
    s.mLoop = 0;
    s.mGroup = -1;
    s.mVolume = 100.0f;
    s.mEnvState = 0;
    Log::print("\nSFX_CORE: Sound %s loaded (id: %d)", name.c_str(), id);
    return id;
}

void CSfxCore::playSound(int id, int group, int loop, int tag)
{
    if (!mEnabled || !isUsable(id))
        return;
    if (group < 0 || group >= kGroupCount)
    {
        Log::print("\nSFX_CORE: Group %d is out of range!", group);
        return;
    }
    CSfxSlot& s = slot(id);
    if (s.mChannel != -1)
        SoundDevice::channelStop(toDevice(s.mChannel));
    const SoundDevice::Handle channel =
        s.mStream ? toDevice(s.mHandle) : SoundDevice::sampleGetChannel(toDevice(s.mHandle));
    if (!channel)
    {
        Log::print("\nSFX_CORE: No channel for %s! Error code: %d", s.mName,
                   static_cast<int>(SoundDevice::lastError()));
        s.mChannel = -1;
        return;
    }
    s.mChannel = static_cast<int>(channel);
    s.mGroup = group;
    s.mTag = tag;
    s.mLoop = loop;
    // Loop flag and volume before the start: the first moments must not be
    // heard at full loudness, and a stream played once must not keep the
    // loop flag of an earlier playback.
    SoundDevice::channelSetLoop(channel, loop != 0);
    setGroupVolume(group, mGroupVolume[group]);
    SoundDevice::channelPlay(channel);
}

void CSfxCore::stopSound(int id)
{
    if (!mEnabled || !isUsable(id))
        return;
    CSfxSlot& s = slot(id);
    if (!s.mStream)
        SoundDevice::sampleStop(toDevice(s.mHandle));
    if (s.mChannel != -1)
        SoundDevice::channelStop(toDevice(s.mChannel));
    s.mChannel = -1;
}

void CSfxCore::freeSound(int id)
{
    if (!mEnabled || !isUsable(id))
        return;
    stopSound(id);
    CSfxSlot& s = slot(id);
    if (s.mStream)
        SoundDevice::streamFree(toDevice(s.mHandle));
    else
        SoundDevice::sampleFree(toDevice(s.mHandle));
    s.clear();
    // Nothing may go on pointing at the slot: the next sound loaded into it
    // is another one.
    for (int& envId : mEnvSoundIds)
        if (envId == id)
            envId = -1;
    if (mCurEnvSound == id)
        mCurEnvSound = -1;
    if (mPrevEnvSound == id)
        mPrevEnvSound = -1;
}

void CSfxCore::applyVolume(int id, float volume)
{
    if (!mEnabled || !isUsable(id))
        return;
    CSfxSlot& s = slot(id);
    s.mVolume = volume;
    if (s.mGroup < 0 || s.mGroup >= kGroupCount || s.mChannel == -1)
        return;
    SoundDevice::channelSetVolume(toDevice(s.mChannel), mGroupVolume[s.mGroup] * volume / 10000.0f);
}

void CSfxCore::setGroupVolume(int group, float volume)
{
    if (!mEnabled)
        return;
    if (group < 0 || group >= kGroupCount)
    {
        Log::print("\nSFX_CORE: Group %d is out of range!", group);
        return;
    }
    mGroupVolume[group] = volume;
    for (int id = 1; id < kSlotCount; ++id)
    {
        CSfxSlot& s = slot(id);
        if (s.mUsed && s.mGroup == group)
            applyVolume(id, s.mVolume);
    }
}

void CSfxCore::addEnvSound(int id, int loop, int tag)
{
    if (id == mCurEnvSound)
        return;
    if (mCurEnvSound != -1 && (mCurEnvSound < 0 || mCurEnvSound > kEnvSoundCount))
    {
        Log::print("mERROR: CurEnvSound damaged (value=%d)!", mCurEnvSound);
        return;
    }
    // Environment sounds take the first slots at start-up: any other id
    // would be taken for one of them by the update.
    if (id != -1 && (id < 0 || id > kEnvSoundCount))
    {
        Log::print("\nSFX_CORE: Id is out of range!");
        return;
    }
    mPrevEnvSound = mCurEnvSound;
    mCurEnvSound = id;
    if (mPrevEnvSound != -1)
    {
        slot(mPrevEnvSound).mEnvState = -1;
        mFadeOutVolume = mFadeInVolume;
    }
    if (mCurEnvSound != -1)
    {
        CSfxSlot& s = slot(mCurEnvSound);
        s.mEnvState = 1;
        if (SoundDevice::channelIsActive(toDevice(s.mChannel)) == SoundDevice::CHANNEL_STOPPED)
        {
            mFadeInVolume = 0.0f;
            playSound(mCurEnvSound, 0, loop, tag);
            applyVolume(mCurEnvSound, 0.0f);
        }
    }
    Log::print("\nSFX_CORE: addEnvSound [%d]", id);
}

void CSfxCore::updateEnvSound()
{
    const float dt = std::min(static_cast<float>(gApp.mFrameMs) / 1000.0f, kMaxFrameSeconds);
    if (mCurEnvSound != -1 && (mCurEnvSound < 0 || mCurEnvSound > kEnvSoundCount))
    {
        Log::print("mERROR: CurEnvSound damaged (value=%d)\n!", mCurEnvSound);
        mCurEnvSound = -1;
        return;
    }
    // Previous is -1 or an id that addEnvSound accepted as current before.
    if (mPrevEnvSound < -1 || mPrevEnvSound > kEnvSoundCount)
        mPrevEnvSound = -1;

    bool masterChanged = false;
    if (mEnvSpeed != 0.0f)
    {
        mEnvCurrent += dt * mEnvSpeed;
        if ((mEnvSpeed < 0.0f && mEnvCurrent < mEnvTarget) ||
            (mEnvSpeed > 0.0f && mEnvCurrent > mEnvTarget))
        {
            mEnvCurrent = mEnvTarget;
            mEnvSpeed = 0.0f;
        }
        masterChanged = true;
    }

    bool fadingIn = false;
    if (mCurEnvSound != -1 && slot(mCurEnvSound).mEnvState == 1)
    {
        fadingIn = true;
        mFadeInVolume += dt * kEnvFadePerSecond;
        if (mFadeInVolume > 100.0f)
        {
            mFadeInVolume = 100.0f;
            slot(mCurEnvSound).mEnvState = 0;
            // Only the environment sounds themselves: a slot of the first
            // sixteen may hold another sound when one of them did not load.
            for (int envId : mEnvSoundIds)
                if (envId != -1 && envId != mCurEnvSound && slot(envId).mUsed)
                {
                    stopSound(envId);
                    slot(envId).mEnvState = 0;
                }
            mPrevEnvSound = -1;
        }
    }

    bool fadingOut = false;
    if (mPrevEnvSound != -1)
    {
        fadingOut = slot(mPrevEnvSound).mEnvState == -1;
        mFadeOutVolume -= dt * kEnvFadePerSecond;
        if (mFadeOutVolume < 0.0f)
        {
            slot(mPrevEnvSound).mEnvState = 0;
            if (mEnabled && slot(mPrevEnvSound).mUsed)
                stopSound(mPrevEnvSound);
            mFadeOutVolume = -1.0f;
        }
    }

    if (mCurEnvSound != -1 && (masterChanged || fadingIn) && slot(mCurEnvSound).mUsed)
        applyVolume(mCurEnvSound, mFadeInVolume * mEnvCurrent);
    if (mPrevEnvSound != -1 && (masterChanged || fadingOut) && slot(mPrevEnvSound).mUsed)
        applyVolume(mPrevEnvSound, mFadeOutVolume * mEnvCurrent);
}

int CSfxCore::findSound(const std::string& text)
{
    for (int id = 1; id < kSlotCount; ++id)
    {
        const CSfxSlot& s = slot(id);
        if (s.mUsed && std::strstr(s.mName, text.c_str()))
            return id;
    }
    return 0;
}

float CSfxCore::getLevel(int id, float time)
{
    // No sound (-1, or a slot that holds none, such as the 0 of a talk
    // point without voice) has no table: full loudness, and nothing logged,
    // since the lip layer asks every frame.
    if (id == -1)
        return 1.0f;
    if (id < 0 || id >= kSlotCount)
    {
        Log::print("\nSFX_CORE: Id is out of range!");
        return 1.0f;
    }
    const CSfxSlot& s = slot(id);
    if (!s.mUsed)
        return 1.0f;
    const std::vector<CSfxLevel>& levels = s.mLevels;
    if (!s.mLevelsLoaded || levels.empty())
        return 1.0f;
    const float last = levels.back().time;
    if (time > last)
    {
        if (!s.mLoop)
            return 0.0f;
        if (!(last > 0.0f))
            return 0.0f; // a table without length cannot repeat
        time = std::fmod(time, last);
        if (time == 0.0f)
            time = last;
    }
    for (size_t i = 0; i + 1 < levels.size(); ++i)
    {
        const CSfxLevel& a = levels[i];
        const CSfxLevel& b = levels[i + 1];
        if (a.time <= time && time <= b.time)
        {
            if (b.time == a.time)
                return a.level;
            return a.level + (time - a.time) / (b.time - a.time) * (b.level - a.level);
        }
    }
    return 0.0f;
}

std::string CSfxCore::encodeLevels(const std::vector<CSfxLevel>& levels)
{
    std::string out;
    out.reserve(4 + levels.size() * 8);
    appendU32(out, static_cast<uint32_t>(levels.size()));
    for (const CSfxLevel& pair : levels)
    {
        appendFloat(out, pair.level);
        appendFloat(out, pair.time);
    }
    return out;
}

bool CSfxCore::decodeLevels(const uint8_t* data, size_t size, std::vector<CSfxLevel>& levels)
{
    // The count must fit the file: a damaged count would read far past it.
    if (size < 4 || (size - 4) / 8 < readU32(data))
        return false;
    const uint32_t count = readU32(data);
    std::vector<CSfxLevel> read;
    read.reserve(count);
    for (uint32_t i = 0; i < count; ++i)
    {
        const uint8_t* pair = data + 4 + static_cast<size_t>(i) * 8;
        const CSfxLevel level{readFloat(pair + 4), readFloat(pair)};
        // Levels move a character's lips: a value that is no number would
        // reach the animation.
        if (!std::isfinite(level.time) || !std::isfinite(level.level))
            return false;
        read.push_back(level);
    }
    levels.insert(levels.end(), read.begin(), read.end());
    return true;
}

bool CSfxCore::loadLevels(int id)
{
    if (id < 1 || id >= kSlotCount)
        return false;
    CSfxSlot& s = slot(id);
    const std::string fileName = std::string(s.mName) + ".lvl";
    if (!resourceExists(fileName))
        return false;
    std::vector<uint8_t> bytes;
    if (!readResource(fileName, bytes) || !decodeLevels(bytes.data(), bytes.size(), s.mLevels))
    {
        Log::print("\nERROR: Levels file %s is damaged!", fileName.c_str());
        return false;
    }
    Log::print("\nLoaded levels for %s from file", s.mName);
    s.mLevelsLoaded = 1;
    return true;
}

void CSfxCore::saveLevels(int id)
{
    if (id < 1 || id >= kSlotCount)
        return;
    const CSfxSlot& s = slot(id);
    const std::string fileName = Platform::normalisePath(std::string(s.mName) + ".lvl");
    // Replaced as a whole: a run cut short never leaves a half table that
    // the next run would read.
    const std::string bytes = encodeLevels(s.mLevels);
    std::string error;
    if (Platform::replaceFile(fileName, bytes.data(), bytes.size(), &error) != Platform::REPLACE_OK)
    {
        Log::print("\nWARNING: Can't write levels file %s (%s)", fileName.c_str(), error.c_str());
        return;
    }
    Log::print("\nSave levels for %s from file", s.mName);
}

void CSfxCore::scanLevels(int id)
{
    if (id < 1 || id >= kSlotCount)
        return;
    if (loadLevels(id))
        return;
    CSfxSlot& s = slot(id);
    SoundDevice::SampleInfo info;
    if (s.mStream || !SoundDevice::sampleGetInfo(toDevice(s.mHandle), info))
    {
        Log::print("\nERROR: Scan levels of '%d' failed. memFlag in loadSound should be 1!", id);
        return;
    }
    if (info.bitsPerSample != 16 || info.isFloat || info.channels != 1 || info.frequency <= 0)
        return;

    const uint32_t started = Platform::milliseconds();
    s.mLevelsLoaded = 1;
    std::vector<uint8_t> bytes;
    SoundDevice::sampleGetData(toDevice(s.mHandle), bytes);
    const size_t count = bytes.size() / 2;
    const float frequency = static_cast<float>(info.frequency);
    std::vector<CSfxLevel>& levels = s.mLevels;
    levels.push_back(CSfxLevel{0.0f, 0.0f});
    int largest = 0;
    float nextWindow = 0.0f;
    for (size_t n = 0; n < count; ++n)
    {
        int16_t value;
        std::memcpy(&value, bytes.data() + n * 2, sizeof(value));
        largest = std::max(largest, static_cast<int>(value));
        const float time = static_cast<float>(n) / frequency;
        if (time > nextWindow)
        {
            levels.push_back(CSfxLevel{time, largest / 32768.0f > kScanThreshold ? 1.0f : 0.0f});
            largest = 0;
            nextWindow = time + kScanWindowSeconds;
        }
    }
    levels.push_back(CSfxLevel{static_cast<float>(count) / frequency, 0.0f});

    float loudest = 0.0f;
    for (const CSfxLevel& pair : levels)
        loudest = std::max(loudest, pair.level);
    if (loudest > 0.0f)
        for (CSfxLevel& pair : levels)
            pair.level /= loudest;
    for (size_t k = 2; k + 2 < levels.size(); ++k)
        levels[k].level = 0.05f * levels[k + 2].level + 0.2f * levels[k + 1].level +
                          0.5f * levels[k].level + 0.2f * levels[k - 1].level +
                          0.05f * levels[k - 2].level;

    Log::print("\nScaning levels of %d kBytes takes %d msec", static_cast<int>(bytes.size() / 1024),
               static_cast<int>(Platform::milliseconds() - started));
    saveLevels(id);
}

int CSfxCore::getSoundLength(const std::string& name)
{
    const int id = findSound(name);
    if (id > 0 && slot(id).mLevelsLoaded && !slot(id).mLevels.empty())
        return static_cast<int>(slot(id).mLevels.back().time * 1000.0f);

    const std::string fileName = name + ".ogg";
    if (!resourceExists(fileName))
        return -1;
    std::vector<uint8_t> bytes;
    if (!readResource(fileName, bytes))
    {
        Log::print("\nError! There is no file\n");
        return 0;
    }
    const size_t size = bytes.size();
    const uint8_t* data = bytes.data();
    if (size < 4 || std::memcmp(data, "OggS", 4) != 0)
    {
        Log::print("\nError! File is no OGG\n");
        return 0;
    }
    // The identification header: packet type 1, "vorbis", version, channels, rate.
    size_t pos = 5;
    while (pos + 6 <= size && std::memcmp(data + pos, "vorbis", 6) != 0)
        ++pos;
    if (pos + 6 > size || data[pos - 1] != 1)
    {
        Log::print("Error! Packet type != -1\n");
        return 0;
    }
    pos += 6;
    if (pos + 9 > size)
        return -1;
    const uint32_t rate = readU32(data + pos + 5);
    if (rate == 0)
        return -1;
    pos += 9;
    // The last page carries the stream's length in samples.
    for (;;)
    {
        while (pos + 4 <= size && std::memcmp(data + pos, "OggS", 4) != 0)
            ++pos;
        if (pos + 14 > size)
            return -1;
        const uint8_t headerType = data[pos + 5];
        if (headerType >= 4)
        {
            const int64_t granule = static_cast<int64_t>(static_cast<uint64_t>(readU32(data + pos + 6)) |
                                                         (static_cast<uint64_t>(readU32(data + pos + 10)) << 32));
            // A damaged position must not overflow into a plausible length.
            const int64_t ms = granule >= 0 && granule <= INT64_MAX / 1000
                                   ? granule * 1000 / static_cast<int64_t>(rate)
                                   : -1;
            return ms >= 0 && ms <= INT32_MAX ? static_cast<int>(ms) : -1;
        }
        pos += 4;
    }
}

int CSfxCore::cacheVoice(const std::string& name)
{
    return getSoundLength(name);
}

void CSfxCore::setListener(uint32_t handle)
{
    mListener = handle;
    Log::print("\nSFX_CORE: Listener %d assigned", static_cast<int>(handle));
}
