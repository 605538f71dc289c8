// The sound system on the headless engine and OpenAL Soft's loopback device:
// loading, volume groups, playback, the environment cross-fade, loudness
// tables and voice lengths, measured on what the device renders.
#include "Application.h"
#include "Log.h"
#include "SfxCore.h"
#include "TestSupport.h"

#include "../platform/SoundTestHelpers.h"
#include "platform/Platform.h"
#include "platform/SoundDevice.h"

#include <OgreResourceGroupManager.h>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using sndtest::peak;
using sndtest::render;
using sndtest::toneLevel;

namespace
{
const double kAmplitude = 0.5;
const double kTolerance = 0.03;
const float kSoundVolume = 80.0f; // groups 1 to 3
const float kMusicVolume = 50.0f; // group 0: the environment loops

int countOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1))
        ++count;
    return count;
}

class SfxCore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=media\n"));
        media = dir.file("media");
        ASSERT_EQ(std::system(("mkdir -p '" + media + "'").c_str()), 0);
        gApp.mAppState.mOptions["SoundVolume"].value = "80";
        gApp.mAppState.mOptions["MusicVolume"].value = "50";
    }

    /// Files first, then the engine: OGRE indexes the media folder once.
    void start(bool sound = true)
    {
        gApp.mSound = sound;
        ASSERT_TRUE(SoundDevice::initLoopback(sndtest::kRate, 1));
        ASSERT_TRUE(gApp.setupHeadless("resources.cfg"));
        Log::captureBegin();
        CSfxCore::init();
    }

    void tone(const std::string& name, double seconds, double frequency, int rate = 44100,
              double on = 0.0, double off = 0.0)
    {
        ASSERT_TRUE(sndtest::makeTone(media + "/" + name + ".ogg", rate, 1, seconds, frequency,
                                      kAmplitude, on, off));
    }

    /// One frame of the environment update followed by its sound.
    std::vector<double> envFrames(int frames, int frameMs = 30)
    {
        std::vector<double> block;
        for (int i = 0; i < frames; ++i)
        {
            gApp.mFrameMs = frameMs;
            CSfxCore::updateEnvSound();
            const std::vector<double> part = render(0.03);
            block.insert(block.end(), part.begin(), part.end());
        }
        return block;
    }

    tq::TempDir dir;
    std::string media;
};

TEST_F(SfxCore, WithoutSoundEverythingIsQuietlyIgnored)
{
    tone("fx_a", 0.5, 500);
    start(false);
    EXPECT_EQ(CSfxCore::isEnabled(), 0);
    EXPECT_NE(Log::captured().find("\nERROR: Bass initalization failed. Sound disabled."),
              std::string::npos);
    EXPECT_EQ(CSfxCore::loadSound("fx_a", 1), -1);
    CSfxCore::playSound(1, 1, 0, 0);
    CSfxCore::stopSound(1);
    CSfxCore::applyVolume(1, 50);
    CSfxCore::freeSound(1);
    CSfxCore::setGroupVolume(1, 10);
    CSfxCore::pauseOutput();
    CSfxCore::resumeOutput();
    EXPECT_EQ(Log::captured().find("SFX_CORE"), std::string::npos);
}

TEST_F(SfxCore, EnvironmentSoundsTakeTheFirstSlotsAndAreShared)
{
    tone("00_env_01", 1.0, 500);
    tone("00_env_02", 1.0, 1500);
    tone("00_env_03", 1.0, 1000);
    start();
    ASSERT_EQ(CSfxCore::isEnabled(), 1);
    const std::string log = Log::captured();
    for (int i = 1; i <= 3; ++i)
    {
        EXPECT_EQ(CSfxCore::mEnvSoundIds[i - 1], i);
        EXPECT_NE(log.find("\nSFX_CORE: Sound 00_env_0" + std::to_string(i) + " loaded (id: " +
                           std::to_string(i) + ")"),
                  std::string::npos);
        EXPECT_TRUE(CSfxCore::slot(i).mStream);
    }
    EXPECT_EQ(CSfxCore::mEnvSoundIds[3], -1);
    EXPECT_NE(log.find("\nSFX_CORE: Couldn't load file 00_env_16.ogg! Error code: "),
              std::string::npos);

    Log::captureBegin();
    EXPECT_EQ(CSfxCore::loadSound("00_env_03", 0), 3);
    EXPECT_NE(Log::captured().find("\nSFX_CORE: Use env cache for 00_env_03 file"), std::string::npos);
    EXPECT_FALSE(CSfxCore::slot(4).mUsed);
    // Too short to carry a number: an ordinary load, not a read past its end.
    EXPECT_EQ(CSfxCore::loadSound("00_env", 0), -1);
    EXPECT_NE(Log::captured().find("Couldn't load file 00_env.ogg!"), std::string::npos);

    // A freed environment sound is no longer handed out from the cache.
    CSfxCore::freeSound(2);
    EXPECT_EQ(CSfxCore::mEnvSoundIds[1], -1);
    EXPECT_EQ(CSfxCore::loadSound("00_env_02", 0), -1);
}

TEST_F(SfxCore, SampleSoundsAtGroupTimesSlotVolume)
{
    tone("fx_a", 2.0, 500);
    start();
    const int id = CSfxCore::loadSound("fx_a", 1);
    ASSERT_EQ(id, 1); // no environment sound loaded: the first slot
    EXPECT_NE(Log::captured().find("\nSFX_CORE: Sound fx_a loaded (id: 1)"), std::string::npos);

    struct Step
    {
        const char* what;
        int group;
        float slotVolume;
        float groupVolume;
        double expected;
    };
    const Step steps[] = {
        {"sound group at SoundVolume", 1, 100, -1, kSoundVolume / 100},
        {"own volume halves it", 1, 50, -1, kSoundVolume / 100 * 0.5},
        {"group volume re-applied", 1, 50, 25, 0.25 * 0.5},
        {"group 0 follows MusicVolume", 0, 100, -1, kMusicVolume / 100},
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.what);
        CSfxCore::playSound(id, step.group, 0, 0);
        CSfxCore::applyVolume(id, step.slotVolume);
        if (step.groupVolume >= 0)
            CSfxCore::setGroupVolume(step.group, step.groupVolume);
        EXPECT_NEAR(toneLevel(render(0.2), 500), kAmplitude * step.expected, kTolerance);
    }
    EXPECT_EQ(CSfxCore::slot(id).mGroup, 0);
}

TEST_F(SfxCore, LoopsWhenAskedAndStops)
{
    tone("fx_a", 0.3, 500);
    start();
    const int sample = CSfxCore::loadSound("fx_a", 1);
    const int stream = CSfxCore::loadSound("fx_a", 0);
    ASSERT_GT(sample, 0);
    ASSERT_GT(stream, sample);
    for (int id : {sample, stream})
    {
        SCOPED_TRACE(id);
        CSfxCore::playSound(id, 1, 1, 0);
        std::vector<double> block = render(1.0);
        EXPECT_NEAR(toneLevel(block, 500), kAmplitude * kSoundVolume / 100, kTolerance);
        CSfxCore::stopSound(id);
        EXPECT_EQ(CSfxCore::slot(id).mChannel, -1);
        EXPECT_LT(peak(render(0.1), 0.05), 0.001);

        // Played once after a loop: heard once.
        CSfxCore::playSound(id, 1, 0, 0);
        const SoundDevice::Handle channel = CSfxCore::slot(id).mChannel;
        block = render(0.6);
        EXPECT_LT(peak(block, 0.1), 0.001);
        EXPECT_EQ(SoundDevice::channelIsActive(channel), SoundDevice::CHANNEL_STOPPED);
    }
}

TEST_F(SfxCore, PauseAndResumeHoldAllOutput)
{
    tone("fx_a", 2.0, 500);
    start();
    const int id = CSfxCore::loadSound("fx_a", 1);
    CSfxCore::playSound(id, 1, 0, 0);
    render(0.1);
    CSfxCore::pauseOutput();
    EXPECT_EQ(SoundDevice::channelIsActive(CSfxCore::slot(id).mChannel), SoundDevice::CHANNEL_PAUSED);
    // The mixer lets the last few milliseconds out; then nothing.
    EXPECT_LT(peak(render(0.3), 0.25), 0.001);
    CSfxCore::resumeOutput();
    EXPECT_NEAR(toneLevel(render(0.2), 500), kAmplitude * kSoundVolume / 100, kTolerance);
}

TEST_F(SfxCore, IdsThatHoldNoSoundAreLoggedNotUsed)
{
    tone("fx_a", 0.5, 500);
    start();
    ASSERT_EQ(CSfxCore::loadSound("fx_a", 1), 1);
    typedef void (*Operation)(int id);
    const struct
    {
        const char* name;
        Operation run;
    } operations[] = {
        {"freeSound", [](int id) { CSfxCore::freeSound(id); }},
        {"stopSound", [](int id) { CSfxCore::stopSound(id); }},
        {"playSound", [](int id) { CSfxCore::playSound(id, 1, 0, 0); }},
        {"applyVolume", [](int id) { CSfxCore::applyVolume(id, 50); }},
    };
    const struct
    {
        int id;
        const char* line;
    } ids[] = {
        {256, "\nSFX_CORE: Id is out of range!"},
        {-7, "\nSFX_CORE: Id is out of range!"},
        {0, "\nSFX_CORE: Id is already fried!"},
        {200, "\nSFX_CORE: Id is already fried!"},
        {-1, nullptr},
    };
    for (const auto& operation : operations)
        for (const auto& id : ids)
        {
            SCOPED_TRACE(std::string(operation.name) + " " + std::to_string(id.id));
            Log::captureBegin();
            operation.run(id.id);
            if (id.line)
                EXPECT_EQ(Log::captured(), id.line);
            else
                EXPECT_EQ(Log::captured(), "");
        }

    // The loudness of a slot without sound is asked every frame by a talk
    // point without voice: full loudness, nothing logged.  A bad id is.
    for (const auto& id : ids)
    {
        SCOPED_TRACE("getLevel " + std::to_string(id.id));
        Log::captureBegin();
        EXPECT_EQ(CSfxCore::getLevel(id.id, 0.5f), 1.0f);
        const bool outOfRange = id.id < -1 || id.id >= CSfxCore::kSlotCount;
        EXPECT_EQ(Log::captured(), outOfRange ? id.line : "");
    }

    Log::captureBegin();
    CSfxCore::playSound(1, 4, 0, 0);
    CSfxCore::setGroupVolume(-1, 50);
    EXPECT_EQ(countOf(Log::captured(), "is out of range!"), 2);
    EXPECT_EQ(CSfxCore::slot(1).mChannel, -1);
}

TEST_F(SfxCore, MissingDamagedAndOverlongNamesAreRefused)
{
    ASSERT_TRUE(tq::writeFile(media + "/bad_a.ogg", std::string(3000, 'z')));
    start();
    struct Case
    {
        std::string name;
        int memFlag;
        const char* line;
    };
    const std::string longest(123, 'n'); // with ".ogg" the name fills 127 characters
    const Case cases[] = {
        {"missing", 1, "\nSFX_CORE: File missing.ogg doesn't exist!"},
        {"missing", 0, "\nSFX_CORE: Couldn't load file missing.ogg! Error code: 5"},
        {"bad_a", 1, "\nSFX_CORE: Couldn't load file bad_a.ogg! Error code: 6"},
        {"bad_a", 0, "\nSFX_CORE: Couldn't load file bad_a.ogg! Error code: 6"},
        {longest, 1, "doesn't exist!"},
        {longest + "x", 1, "\nSFX_CORE: Sound name nnnn"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name + " " + std::to_string(c.memFlag));
        Log::captureBegin();
        EXPECT_EQ(CSfxCore::loadSound(c.name, c.memFlag), -1);
        EXPECT_NE(Log::captured().find(c.line), std::string::npos) << Log::captured();
    }
    EXPECT_NE(Log::captured().find("x is too long!"), std::string::npos);
    for (int id = 1; id < CSfxCore::kSlotCount; ++id)
        EXPECT_FALSE(CSfxCore::slot(id).mUsed);
}

TEST_F(SfxCore, EnvironmentCrossFadesUnderTheMasterLevel)
{
    tone("00_env_01", 1.0, 500);
    tone("00_env_02", 1.0, 1500);
    start();
    const double full = kAmplitude * kMusicVolume / 100;

    CSfxCore::addEnvSound(1, 1, 0);
    CSfxCore::addEnvSound(1, 1, 0);
    EXPECT_EQ(countOf(Log::captured(), "\nSFX_CORE: addEnvSound [1]"), 1);
    EXPECT_EQ(CSfxCore::slot(1).mGroup, 0);
    EXPECT_LT(peak(render(0.03), 0.03), 0.001); // starts silent

    // A long frame moves the fade as a frame of 30 ms.
    envFrames(1, 100);
    EXPECT_FLOAT_EQ(CSfxCore::mFadeInVolume, 0.6f);

    // 1.5 s in: 30 of 100.
    std::vector<double> block = envFrames(49);
    EXPECT_NEAR(CSfxCore::mFadeInVolume, 30.0f, 0.01f);
    EXPECT_NEAR(toneLevel(block, 500, 0.03), full * 0.30, kTolerance);

    // The second fades in while the first fades out from where it was.
    CSfxCore::addEnvSound(2, 1, 0);
    EXPECT_NEAR(CSfxCore::mFadeOutVolume, 30.0f, 0.01f);
    EXPECT_EQ(CSfxCore::slot(1).mEnvState, -1);
    EXPECT_EQ(CSfxCore::slot(2).mEnvState, 1);
    block = envFrames(25); // 0.75 s: 15 up, 15 down
    EXPECT_NEAR(toneLevel(block, 500, 0.03), full * 0.15, kTolerance);
    EXPECT_NEAR(toneLevel(block, 1500, 0.03), full * 0.15, kTolerance);

    block = envFrames(30); // the first has faded out and stopped
    EXPECT_EQ(SoundDevice::channelIsActive(CSfxCore::slot(1).mHandle), SoundDevice::CHANNEL_STOPPED);
    EXPECT_LT(toneLevel(block, 500, 0.03), 0.002);
    EXPECT_EQ(CSfxCore::slot(1).mEnvState, 0);

    block = envFrames(120); // 5 s after its start the second is at full level
    EXPECT_EQ(CSfxCore::mFadeInVolume, 100.0f);
    EXPECT_EQ(CSfxCore::slot(2).mEnvState, 0);
    EXPECT_EQ(CSfxCore::mPrevEnvSound, -1);
    EXPECT_NEAR(toneLevel(block, 1500, 0.03), full, kTolerance);

    // The environment script lowers the master to half at 0.4 per second.
    CSfxCore::mEnvTarget = 0.5f;
    CSfxCore::mEnvSpeed = -0.4f;
    envFrames(30);
    EXPECT_NEAR(CSfxCore::mEnvCurrent, 1.0f - 0.4f * 0.9f, 0.001f);
    block = envFrames(20);
    EXPECT_EQ(CSfxCore::mEnvCurrent, 0.5f);
    EXPECT_EQ(CSfxCore::mEnvSpeed, 0.0f);
    EXPECT_NEAR(toneLevel(block, 1500, 0.03), full * 0.5, kTolerance);
}

TEST_F(SfxCore, DamagedEnvironmentStateIsLoggedAndCleared)
{
    start();
    CSfxCore::mCurEnvSound = 40;
    Log::captureBegin();
    CSfxCore::addEnvSound(3, 1, 0);
    EXPECT_EQ(Log::captured(), "mERROR: CurEnvSound damaged (value=40)!");
    EXPECT_EQ(CSfxCore::mCurEnvSound, 40);
    gApp.mFrameMs = 16;
    CSfxCore::updateEnvSound();
    EXPECT_NE(Log::captured().find("mERROR: CurEnvSound damaged (value=40)\n!"), std::string::npos);
    EXPECT_EQ(CSfxCore::mCurEnvSound, -1);

    // An id beyond the environment slots is refused, not made current.
    Log::captureBegin();
    CSfxCore::addEnvSound(300, 1, 0);
    EXPECT_EQ(Log::captured(), "\nSFX_CORE: Id is out of range!");
    EXPECT_EQ(CSfxCore::mCurEnvSound, -1);
}

class SfxLevels : public SfxCore
{
protected:
    // A voice of 3 s: 0.5 s spoken, 1 s silent, twice.
    void voice(const std::string& name) { tone(name, 3.0, 300, 22050, 0.5, 1.0); }

    std::vector<CSfxLevel> readLvl(const std::string& path)
    {
        const std::string bytes = tq::readFile(path);
        std::vector<CSfxLevel> table;
        uint32_t count = 0;
        if (bytes.size() < 4)
            return table;
        std::memcpy(&count, bytes.data(), 4);
        for (uint32_t i = 0; i < count && 4 + 8 * (i + 1) <= bytes.size(); ++i)
        {
            CSfxLevel pair;
            std::memcpy(&pair.level, bytes.data() + 4 + 8 * i, 4);
            std::memcpy(&pair.time, bytes.data() + 8 + 8 * i, 4);
            table.push_back(pair);
        }
        return table;
    }
};

TEST_F(SfxLevels, ScanOfAVoiceFollowsItsSyllablesAndIsSaved)
{
    voice("voice");
    start();
    const int id = CSfxCore::loadSound("voice", 1);
    ASSERT_GT(id, 0);
    const std::string log = Log::captured();
    EXPECT_NE(log.find("\nScaning levels of 129 kBytes takes "), std::string::npos);
    EXPECT_NE(log.find("\nSave levels for voice.ogg from file"), std::string::npos);

    const std::vector<CSfxLevel>& table = CSfxCore::slot(id).mLevels;
    ASSERT_GE(table.size(), 20u);
    EXPECT_EQ(table.front().time, 0.0f);
    EXPECT_EQ(table.front().level, 0.0f);
    EXPECT_FLOAT_EQ(table.back().time, 3.0f);
    EXPECT_EQ(table.back().level, 0.0f);

    const struct
    {
        float time;
        float low, high;
    } points[] = {{0.25f, 0.9f, 1.0f}, {1.0f, 0.0f, 0.1f}, {1.75f, 0.9f, 1.0f},
                  {2.6f, 0.0f, 0.1f},  {3.5f, 0.0f, 0.0f}};
    for (const auto& p : points)
    {
        SCOPED_TRACE(p.time);
        const float level = CSfxCore::getLevel(id, p.time);
        EXPECT_GE(level, p.low);
        EXPECT_LE(level, p.high);
    }
    EXPECT_EQ(CSfxCore::getLevel(-1, 0.25f), 1.0f);
    EXPECT_EQ(CSfxCore::getSoundLength("voice"), 3000);

    // The file holds the same table, level before time.
    const std::vector<CSfxLevel> saved = readLvl(dir.file("voice.ogg.lvl"));
    ASSERT_EQ(saved.size(), table.size());
    for (size_t i = 0; i < saved.size(); ++i)
    {
        EXPECT_EQ(saved[i].time, table[i].time);
        EXPECT_EQ(saved[i].level, table[i].level);
    }

    // Loaded again from the file: the same table, no scan.
    const std::vector<CSfxLevel> scanned = table;
    CSfxCore::freeSound(id);
    EXPECT_TRUE(CSfxCore::slot(id).mLevels.empty());
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir.path(), "FileSystem", "General");
    Log::captureBegin();
    const int again = CSfxCore::loadSound("voice", 1);
    EXPECT_EQ(again, id);
    EXPECT_NE(Log::captured().find("\nLoaded levels for voice.ogg from file"), std::string::npos);
    EXPECT_EQ(Log::captured().find("Scaning"), std::string::npos);
    const std::vector<CSfxLevel>& loaded = CSfxCore::slot(again).mLevels;
    ASSERT_EQ(loaded.size(), scanned.size());
    for (size_t i = 0; i < loaded.size(); ++i)
    {
        EXPECT_EQ(loaded[i].time, scanned[i].time);
        EXPECT_EQ(loaded[i].level, scanned[i].level);
    }
}

TEST_F(SfxLevels, AFailedSaveKeepsTheOldFileWholeAndLeavesNoTemporaryFile)
{
    voice("voice");
    ASSERT_TRUE(tq::writeFile(dir.file("voice.ogg.lvl"), "an older table"));
    start();
    // A disk that takes 16 bytes a file: the new table fills up half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int id = CSfxCore::loadSound("voice", 1);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);
    ASSERT_GT(id, 0);
    EXPECT_NE(Log::captured().find("\nWARNING: Can't write levels file voice.ogg.lvl ("), std::string::npos)
        << Log::captured();
    EXPECT_EQ(tq::readFile(dir.file("voice.ogg.lvl")), "an older table");
    EXPECT_FALSE(Platform::fileExists(dir.file("voice.ogg.lvl.tmp")));
}

TEST(LevelsFile, ReadsWhatItWritesAndRefusesWhatCannotBeATable)
{
    const std::vector<CSfxLevel> table = {{0.0f, 0.0f}, {0.1f, 1.0f}, {0.2f, 0.5f}};
    const std::string bytes = CSfxCore::encodeLevels(table);
    ASSERT_EQ(bytes.size(), 4u + 3 * 8);
    std::string tooMany = bytes;
    tooMany[0] = 4;
    std::string notANumber = bytes;
    const float nan = std::nanf("");
    std::memcpy(&notANumber[4 + 8 + 4], &nan, 4);
    const struct
    {
        const char* label;
        std::string bytes;
        bool read;
    } cases[] = {{"whole", bytes, true},
                 {"with bytes after the table", bytes + "xyz", true},
                 {"cut", bytes.substr(0, bytes.size() - 1), false},
                 {"count beyond the file", tooMany, false},
                 {"a time that is no number", notANumber, false},
                 {"no count", "abc", false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.label);
        std::vector<CSfxLevel> read = {{9.0f, 9.0f}};
        EXPECT_EQ(CSfxCore::decodeLevels(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size(), read),
                  c.read);
        ASSERT_EQ(read.size(), c.read ? 4u : 1u);
        if (c.read)
            for (size_t i = 0; i < table.size(); ++i)
            {
                EXPECT_EQ(read[i + 1].time, table[i].time);
                EXPECT_EQ(read[i + 1].level, table[i].level);
            }
    }
}

TEST_F(SfxLevels, FreedSlotStartsTheNextSoundWithAnEmptyTable)
{
    voice("voice");
    voice("other");
    start();
    const int id = CSfxCore::loadSound("voice", 1);
    const size_t size = CSfxCore::slot(id).mLevels.size();
    CSfxCore::freeSound(id);
    EXPECT_EQ(CSfxCore::loadSound("other", 1), id);
    EXPECT_EQ(CSfxCore::slot(id).mLevels.size(), size);
    EXPECT_EQ(CSfxCore::slot(id).mLevels.front().time, 0.0f);
}

TEST_F(SfxLevels, StreamsAndNonMonoSoundsAreNotScanned)
{
    voice("voice");
    ASSERT_TRUE(sndtest::makeTone(media + "/duo.ogg", 22050, 2, 0.5, 300, 0.5));
    start();
    const int stream = CSfxCore::loadSound("voice", 0);
    EXPECT_NE(Log::captured().find("\nERROR: Scan levels of '" + std::to_string(stream) +
                                   "' failed. memFlag in loadSound should be 1!"),
              std::string::npos);
    const int stereo = CSfxCore::loadSound("duo", 1);
    ASSERT_GT(stereo, 0);
    EXPECT_FALSE(CSfxCore::slot(stereo).mLevelsLoaded);
    EXPECT_EQ(CSfxCore::getLevel(stereo, 0.1f), 1.0f);
    EXPECT_FALSE(tq::readFile(dir.file("duo.ogg.lvl")).size());
}

TEST_F(SfxLevels, DamagedLevelsFileIsLoggedAndTheSoundScanned)
{
    voice("voice");
    // A count of 1000 pairs in a file that holds two.
    std::string bytes("\xe8\x03\x00\x00", 4);
    bytes += std::string(16, '\0');
    ASSERT_TRUE(tq::writeFile(media + "/voice.ogg.lvl", bytes));
    start();
    const int id = CSfxCore::loadSound("voice", 1);
    ASSERT_GT(id, 0);
    EXPECT_NE(Log::captured().find("\nERROR: Levels file voice.ogg.lvl is damaged!"), std::string::npos);
    EXPECT_NE(Log::captured().find("\nScaning levels of"), std::string::npos);
    EXPECT_FLOAT_EQ(CSfxCore::slot(id).mLevels.back().time, 3.0f);
}

TEST_F(SfxLevels, LoopingLookupWrapsAndADegenerateTableEnds)
{
    tone("fx_a", 0.5, 500);
    start();
    const int id = CSfxCore::loadSound("fx_a", 1);
    CSfxSlot& s = CSfxCore::slot(id);
    s.mLevelsLoaded = 1;
    s.mLevels = {{0.0f, 0.0f}, {1.0f, 1.0f}, {2.0f, 0.0f}};
    s.mLoop = 1;
    EXPECT_FLOAT_EQ(CSfxCore::getLevel(id, 0.5f), 0.5f);
    EXPECT_FLOAT_EQ(CSfxCore::getLevel(id, 2.5f), 0.5f);
    EXPECT_FLOAT_EQ(CSfxCore::getLevel(id, 1001.0f), 1.0f);
    EXPECT_FLOAT_EQ(CSfxCore::getLevel(id, 4.0f), 0.0f);
    s.mLoop = 0;
    EXPECT_EQ(CSfxCore::getLevel(id, 2.5f), 0.0f);

    // Tables that would loop for ever or divide by zero.
    s.mLoop = 1;
    s.mLevels = {{0.0f, 0.7f}};
    EXPECT_EQ(CSfxCore::getLevel(id, 3.0f), 0.0f);
    s.mLevels = {{1.0f, 0.6f}, {1.0f, 0.9f}, {2.0f, 0.0f}};
    EXPECT_FLOAT_EQ(CSfxCore::getLevel(id, 1.0f), 0.6f);
}

TEST_F(SfxLevels, LengthFromTheOggFileItself)
{
    tone("fx_long", 1.5, 500, 22050);
    // Just enough of a file for each check to be reached.
    const std::string ogg = "OggS";
    const std::string header = std::string("\x01vorbis", 7) + std::string(4, '\0') + "\x01";
    const struct
    {
        const char* name;
        std::string bytes;
    } files[] = {
        {"fx_text", "just some text"},
        {"fx_type", ogg + std::string(20, '\0') + std::string("\x03vorbis", 7)},
        {"fx_rate", ogg + std::string(20, '\0') + header + std::string(4, '\0') + ogg +
                        std::string("\0\x04", 2) + std::string(8, '\x10')},
        {"fx_nolast", ogg + std::string(20, '\0') + header + std::string("\x44\xac\0\0", 4)},
    };
    for (const auto& file : files)
        ASSERT_TRUE(tq::writeFile(media + "/" + file.name + ".ogg", file.bytes));
    start();

    const struct
    {
        const char* name;
        int length;
        const char* line;
    } cases[] = {
        {"fx_long", 1500, nullptr},
        {"fx_missing", -1, nullptr},
        {"fx_text", 0, "\nError! File is no OGG\n"},
        {"fx_type", 0, "Error! Packet type != -1\n"},
        {"fx_rate", -1, nullptr},
        {"fx_nolast", -1, nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Log::captureBegin();
        EXPECT_EQ(CSfxCore::getSoundLength(c.name), c.length);
        EXPECT_EQ(CSfxCore::cacheVoice(c.name), c.length);
        if (c.line)
        {
            EXPECT_NE(Log::captured().find(c.line), std::string::npos);
        }
    }
}
} // namespace
