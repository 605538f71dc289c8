// The background music script on the headless engine and the loopback sound
// device, with the game's generated environment sounds: the environment
// codes, the play list, the track timers and the music loudness over frames.
#include "00_sfx_env.h"
#include "HeadlessEngine.h"
#include "SfxCore.h"
#include "TestSupport.h"

#include "platform/SoundDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace
{
class SfxEnv : public ::testing::Test
{
protected:
    /// The game's sixteen environment sounds but the skipped one, then the
    /// engine and the sound system on the loopback device.
    void start(int skipped = 0)
    {
        const std::string media = dir.file("media");
        std::string command = "mkdir -p '" + media + "'";
        for (int i = 1; i <= 16; ++i)
        {
            char name[32];
            std::snprintf(name, sizeof(name), "00_env_%02d.ogg", i);
            if (i != skipped)
                command += " && cp '" TQ_GAME_DIR "/media/" + std::string(name) + "' '" + media + "/'";
        }
        ASSERT_EQ(std::system(command.c_str()), 0);
        ASSERT_TRUE(tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=" + media + "\n"));
        gApp.mSound = true;
        ASSERT_TRUE(SoundDevice::initLoopback(44100, 1));
        engine.reset(new tq::HeadlessEngine(dir.file("resources.cfg")));
        CSfxCore::init();
        ASSERT_EQ(CSfxCore::isEnabled(), 1);
    }

    /// The script's object, created and run for one frame.
    sc_00_sfx_env* addScript()
    {
        object = engine->addObject("00_sfx_env", "00_sfx_env.sc");
        engine->frame();
        return tq::HeadlessEngine::scriptOf<sc_00_sfx_env>(object);
    }

    /// The track whose sound is the current environment sound; -1 none.
    static int currentTrack()
    {
        for (int i = 0; i < CSfxCore::kEnvSoundCount; ++i)
            if (CSfxCore::mEnvSoundIds[i] != -1 && CSfxCore::mEnvSoundIds[i] == CSfxCore::mCurEnvSound)
                return i + 1;
        return -1;
    }

    static std::vector<int> list(const sc_00_sfx_env* env) { return std::vector<int>(env->mPl, env->mPl + 10); }

    static int count(const std::string& text, const std::string& part)
    {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CObject* object = nullptr;
};

/// The six entries between the base pair and the closing pair.
std::set<int> middle(const std::vector<int>& pl)
{
    return std::set<int>(pl.begin() + 2, pl.begin() + 8);
}

TEST_F(SfxEnv, NewGameStartsTrackFourAndWalksItsPlayList)
{
    start();
    sc_00_sfx_env* env = addScript();
    ASSERT_NE(env, nullptr);
    EXPECT_EQ(CVirtualScript::getVarI("sfx_var"), 1004);
    EXPECT_EQ(currentTrack(), 4);
    EXPECT_EQ(env->mCurTrack, 4);
    EXPECT_EQ(env->mInterval, 100000);
    const std::vector<int> pl = list(env);
    EXPECT_EQ(pl[0], 4);
    EXPECT_EQ(pl[1], 8);
    EXPECT_EQ(pl[8], 4);
    EXPECT_EQ(pl[9], 8);
    EXPECT_EQ(middle(pl), (std::set<int>{1, 2, 3, 5, 6, 7}));
    EXPECT_NE(engine->log().find("\n\n* * * PLAY LIST * * *\n0. track = 4\n1. track = 8\n2. track = "),
              std::string::npos);
    // The environment sound loops: a short track never falls silent.
    EXPECT_EQ(CSfxCore::slot(CSfxCore::mCurEnvSound).mLoop, 1);

    // Five seconds before the end of track 4 (105 s) the list moves on to
    // its second entry, 95.5 s later to the third.
    engine->frames(99, 1.0f);
    EXPECT_EQ(currentTrack(), 4);
    engine->frames(2, 1.0f);
    EXPECT_EQ(currentTrack(), 8);
    EXPECT_EQ(env->mPlIndex, 1);
    EXPECT_EQ(env->mInterval, 45400 - 5000);
    engine->frames(41, 1.0f);
    EXPECT_EQ(currentTrack(), pl[2]);
}

TEST_F(SfxEnv, ASavedEnvironmentIsResumedWithAFreshList)
{
    start();
    gApp.mAppState.mOptions["game_state"].value = "3";
    CVirtualScript::setVarI("sfx_var", 1010);
    sc_00_sfx_env* env = addScript();
    ASSERT_NE(env, nullptr);
    EXPECT_EQ(CVirtualScript::getVarI("sfx_var"), 1010);
    EXPECT_EQ(currentTrack(), 10);
    EXPECT_EQ(env->mInterval, 8100); // 13.1 s less the cross-fade
    // A base of 9 or more is its own sister: six distinct tracks of 1..8.
    const std::vector<int> pl = list(env);
    EXPECT_EQ(pl[0], 10);
    EXPECT_EQ(pl[1], 10);
    EXPECT_EQ(middle(pl).size(), 6u);
    EXPECT_GE(*middle(pl).begin(), 1);
    EXPECT_LE(*middle(pl).rbegin(), 8);

    // Nothing saved: nothing plays and no list is drawn.
    CSfxCore::addEnvSound(-1, 0, 0);
    CVirtualScript::setVarI("sfx_var", 0);
    engine->clearLog();
    sc_00_sfx_env* quiet = tq::HeadlessEngine::scriptOf<sc_00_sfx_env>(engine->addObject("quiet", "00_sfx_env.sc"));
    engine->frame();
    ASSERT_NE(quiet, nullptr);
    EXPECT_EQ(quiet->mCurTrack, -1);
    EXPECT_EQ(engine->log().find("PLAY LIST"), std::string::npos);
}

TEST_F(SfxEnv, EnvironmentCodes)
{
    start();
    sc_00_sfx_env* env = addScript();
    ASSERT_NE(env, nullptr);

    // 1003: a new base track with a mixed list.
    engine->clearLog();
    engine->notify(object, 1003);
    engine->frame();
    EXPECT_NE(engine->log().find("======= 1004 1003"), std::string::npos);
    EXPECT_EQ(CVirtualScript::getVarI("sfx_var"), 1003);
    EXPECT_EQ(currentTrack(), 3);
    EXPECT_EQ(env->mInterval, 90500);
    std::vector<int> pl = list(env);
    EXPECT_EQ((std::vector<int>{pl[0], pl[1], pl[8], pl[9]}), (std::vector<int>{3, 7, 3, 7}));
    EXPECT_EQ(middle(pl), (std::set<int>{1, 2, 4, 5, 6, 8}));

    // The same environment again changes nothing, not even the list.
    env->plGoNext();
    env->plGoNext();
    engine->clearLog();
    engine->notify(object, 1003);
    engine->frame();
    EXPECT_NE(engine->log().find("======= 1003 1003"), std::string::npos);
    EXPECT_EQ(engine->log().find("setSfxEnv"), std::string::npos);
    EXPECT_EQ(list(env), pl);
    EXPECT_EQ(env->mPlIndex, 2);

    // 5000 + track: the value 1000 + track with the base track alone; the
    // index is left where it was.
    engine->notify(object, 5006);
    engine->frame();
    EXPECT_EQ(CVirtualScript::getVarI("sfx_var"), 1006);
    EXPECT_EQ(currentTrack(), 6);
    EXPECT_EQ(list(env), std::vector<int>(10, 6));
    EXPECT_EQ(env->mPlIndex, 2);

    // A track of 100 or more starts nothing and makes no timer; the music
    // that plays goes on.
    engine->clearLog();
    engine->notify(object, 1100);
    engine->frame();
    EXPECT_EQ(CVirtualScript::getVarI("sfx_var"), 1100);
    EXPECT_EQ(currentTrack(), 6);
    EXPECT_EQ(env->mCurTrack, 6);
    EXPECT_EQ(engine->log().find("createTimer"), std::string::npos);

    // Codes of 101 to 1000 name no track at all.
    engine->clearLog();
    engine->notify(object, 1000);
    engine->frame();
    EXPECT_EQ(currentTrack(), 6);
    EXPECT_EQ(engine->log().find("createTimer"), std::string::npos);

    // Tracks 13 to 16 have a sound but no length: they play on, no timer.
    engine->clearLog();
    engine->notify(object, 1014);
    engine->frame();
    EXPECT_EQ(currentTrack(), 14);
    EXPECT_EQ(env->mCurTrack, 14);
    EXPECT_NE(engine->log().find("\n\nsetSfxEnv(14)"), std::string::npos);
    EXPECT_EQ(engine->log().find("createTimer"), std::string::npos);
}

TEST_F(SfxEnv, ARepeatedTrackIsNotRestartedButTimedAgain)
{
    start();
    sc_00_sfx_env* env = addScript();
    ASSERT_NE(env, nullptr);
    engine->notify(object, 5010); // track 10 alone: 8.1 s a round
    engine->frame();
    const int id = CSfxCore::mCurEnvSound;
    const int channel = CSfxCore::slot(id).mChannel;
    engine->clearLog();
    engine->frames(20, 0.5f);
    EXPECT_EQ(count(engine->log(), "\n\nsetSfxEnv(10)"), 1);
    EXPECT_EQ(count(engine->log(), "\ncreateTimer"), 1);
    EXPECT_EQ(CSfxCore::mCurEnvSound, id);
    EXPECT_EQ(CSfxCore::slot(id).mChannel, channel);
    EXPECT_EQ(engine->log().find("addEnvSound"), std::string::npos);
}

TEST_F(SfxEnv, MusicLoudnessMovesTowardsTheCodeAtFourTenthsASecond)
{
    start();
    ASSERT_NE(addScript(), nullptr);
    // Frames of 30 ms (the engine counts whole milliseconds).
    const float frame = 0.0301f;
    engine->frames(200, frame); // track 4 has faded in
    const int id = CSfxCore::mCurEnvSound;
    EXPECT_FLOAT_EQ(CSfxCore::slot(id).mVolume, 100.0f);

    struct Step
    {
        int code;       // 0: no code, only frames
        int frames;     // of 30 ms after it
        float target;
        float speed;    // after the frames
        float current;
    };
    const Step steps[] = {
        {60, 0, 0.6f, -0.4f, 1.0f},
        {0, 10, 0.6f, -0.4f, 0.88f},
        {0, 30, 0.6f, 0.0f, 0.6f}, // stops at the target
        {100, 10, 1.0f, 0.4f, 0.72f},
        {0, 30, 1.0f, 0.0f, 1.0f},
        {100, 0, 1.0f, 0.4f, 1.0f}, // not below the current loudness: rising
        {0, 1, 1.0f, 0.0f, 1.0f},   // and at once at the target
    };
    for (const Step& s : steps)
    {
        SCOPED_TRACE(s.code);
        if (s.code)
        {
            engine->notify(object, s.code);
            engine->frame(0.001f);
        }
        engine->frames(s.frames, frame);
        EXPECT_FLOAT_EQ(CSfxCore::mEnvTarget, s.target);
        EXPECT_NEAR(CSfxCore::mEnvCurrent, s.current, 2e-3f);
        EXPECT_FLOAT_EQ(CSfxCore::mEnvSpeed, s.speed);
        EXPECT_NEAR(CSfxCore::slot(id).mVolume, 100.0f * CSfxCore::mEnvCurrent, 0.3f);
    }
    // A code changes the loudness, not the environment.
    EXPECT_EQ(CVirtualScript::getVarI("sfx_var"), 1004);
}

TEST_F(SfxEnv, ATrackFindsItsOwnSoundWhenAnEarlierOneIsMissing)
{
    // Without 00_env_02 the sounds after it take one slot less: track 3
    // is in slot 2, and slot 3 holds track 4.
    start(2);
    ASSERT_EQ(CSfxCore::mEnvSoundIds[2], 2);
    sc_00_sfx_env* env = addScript();
    ASSERT_NE(env, nullptr);
    engine->notify(object, 1003);
    engine->frame();
    EXPECT_STREQ(CSfxCore::slot(CSfxCore::mCurEnvSound).mName, "00_env_03.ogg");

    // The missing track leaves the music that plays.
    engine->notify(object, 5002);
    engine->frame();
    EXPECT_STREQ(CSfxCore::slot(CSfxCore::mCurEnvSound).mName, "00_env_03.ogg");
    EXPECT_EQ(env->mCurTrack, 2);
}

TEST(SfxEnvList, DrawsAndFamilies)
{
    sc_00_sfx_env env;
    const int family[][2] = {{1, 5}, {4, 8}, {5, 1}, {8, 4}, {9, 9}, {12, 12}};
    for (const auto& f : family)
        EXPECT_EQ(env.plGetFamily(f[0]), f[1]) << f[0];
    // Every number excluded: the last of the 100 draws is taken anyway.
    const int all[] = {1};
    EXPECT_EQ(env.getRandomNotNumbers(1, 1, all, 1), 1);
    const int some[] = {1, 2, 3, 4};
    for (int i = 0; i < 50; ++i)
    {
        const int r = env.getRandomNotNumbers(1, 5, some, 4);
        EXPECT_EQ(r, 5);
    }
    // The list wraps after its tenth entry.
    env.plGenerate(2, 1);
    env.mPlIndex = 9;
    EXPECT_EQ(env.plGoNext(), 2);
    EXPECT_EQ(env.mPlIndex, 0);
}
} // namespace
