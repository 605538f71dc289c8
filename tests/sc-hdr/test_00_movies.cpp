// The voices and room loops script on the headless engine and the loopback
// sound device, with test tones as the sounds of a location: the cache, the
// voice codes, the loops that every notification re-checks and their fades
// over frames, the stop code of cut scenes and the music loudness it sends.
#include "00_movies.h"
#include "HeadlessEngine.h"
#include "SfxCore.h"
#include "TestSupport.h"

#include "../platform/SoundTestHelpers.h"
#include "platform/SoundDevice.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::RecordingScript;

// Each sound is a tone of its own frequency.
struct Tone
{
    const char* name;
    double frequency;
};
const Tone kTones[] = {
    {"03_24", 300}, // a cut-scene sound
    {"03_33", 400}, // the loop that only room 6 switches
    {"03_43", 500}, // a loop of room 7 that is also played as a voice
    {"03_44", 600}, // the loop of room 2
    {"00_01", 700}, // a shared sound
    {"01_24", 800}, // the loop of location 1
    {"04_23", 900}, // loops of locations 4 and 6
    {"04_26", 1000},
    {"06_11", 1100},
    {"06_14", 1200},
};
const double kAmplitude = 0.5;

class Movies : public ::testing::Test
{
protected:
    void SetUp() override
    {
        media = dir.file("media");
        ASSERT_EQ(std::system(("mkdir -p '" + media + "'").c_str()), 0);
        for (const Tone& t : kTones)
            ASSERT_TRUE(sndtest::makeTone(media + "/" + t.name + ".ogg", sndtest::kRate, 1, 3.0, t.frequency,
                                          kAmplitude));
        ASSERT_TRUE(tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=" + media + "\n"));
    }

    /// The engine with sound on the loopback device, a recorder as
    /// "00_sfx_env", and the script in location loc.
    void start(int loc, bool sound = true)
    {
        gApp.mSound = sound;
        gApp.mAppState.mOptions["SoundVolume"].value = "100";
        if (sound)
        {
            ASSERT_TRUE(SoundDevice::initLoopback(sndtest::kRate, 1));
        }
        engine.reset(new tq::HeadlessEngine(dir.file("resources.cfg")));
        CSfxCore::init();
        engine->addRecorder("00_sfx_env");
        CVirtualScript::setVarI("cur_loc", loc);
        object = engine->addObject("00_movies", "00_movies.sc");
        engine->frame();
        movies = tq::HeadlessEngine::scriptOf<sc_00_movies>(object);
        ASSERT_NE(movies, nullptr);
        RecordingScript::calls().clear();
    }

    /// Moves the player and sends code: a frame of 100 ms handles it and
    /// then runs one fade step, a short frame delivers what the script sent.
    void notifyAt(int room, int cam, int code = 100)
    {
        CVirtualScript::setVarI("cur_room", room);
        CVirtualScript::setVarI("cur_cam", cam);
        engine->notify(object, code);
        engine->frame(0.1f);
        engine->frame(0.001f);
    }

    int index(int code) { return movies->getId(code); }
    int mode(int code) { return movies->mMode[index(code)]; }
    float volume(int code) { return movies->mVolume[index(code)]; }
    CSfxSlot& slot(int code) { return CSfxCore::slot(movies->mId[index(code)]); }
    bool playing(int code) { return slot(code).mChannel != -1; }

    /// The codes "00_sfx_env" got since the last call.
    std::vector<std::string> music()
    {
        std::vector<std::string> codes;
        for (const std::string& call : RecordingScript::callsOf("00_sfx_env"))
            if (call.find(',') != std::string::npos)
                codes.push_back(call.substr(10, call.find(',') - 10));
        RecordingScript::calls().clear();
        return codes;
    }

    tq::TempDir dir;
    std::string media;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CObject* object = nullptr;
    sc_00_movies* movies = nullptr;
};

TEST_F(Movies, TheCacheHoldsTheLocationsSoundsAndWhatItBorrows)
{
    start(3);
    // Numbered sounds that exist, the shared ones, then the 18 borrowed
    // sounds of location 3, which are not tested for and fail to load here.
    ASSERT_EQ(movies->mCount, 4 + 1 + 18);
    const int first[] = {3024, 3033, 3043, 3044, 1, 1006, 1008};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(movies->mCode[i], first[i]) << i;
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_NE(movies->mId[i], -1) << i;
        EXPECT_EQ(movies->mMode[i], sc_00_movies::MODE_SILENT);
        EXPECT_FLOAT_EQ(movies->mTarget[i], 1.0f);
    }
    EXPECT_EQ(movies->mId[5], -1);
    EXPECT_STREQ(CSfxCore::slot(movies->mId[3]).mName, "03_44.ogg");
    EXPECT_NE(engine->log().find("\nERROR: Add sound 01_06 to cache failed!"), std::string::npos);
    EXPECT_NE(engine->log().find("\nERROR: Add sound 05_16 to cache failed!"), std::string::npos);
    EXPECT_NE(movies->mTimer, -1);

    // A sound that failed to load and a code out of the cache are ignored.
    notifyAt(1, 1, 1006);
    notifyAt(1, 1, 4444);
    EXPECT_EQ(movies->mMode[5], sc_00_movies::MODE_SILENT);

    // Leaving the scene frees what was loaded.
    const int id = movies->mId[0];
    CMessage destroy;
    destroy.target = object;
    destroy.type = MSG_DESTROY;
    gApp.postMessage(destroy);
    engine->frame();
    EXPECT_FALSE(CSfxCore::slot(id).mUsed);
}

TEST_F(Movies, CachesOfOtherLocations)
{
    start(0);
    struct Case
    {
        int loc;
        int count;
        int firstCode;
    };
    // Location 1 holds its loop and the shared sound; a location without
    // sounds of its own only the shared one.
    const Case cases[] = {{1, 2, 1024}, {0, 1, 1}, {7, 1, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.loc);
        CVirtualScript::setVarI("cur_loc", c.loc);
        sc_00_movies other;
        other.initVoiceCache();
        EXPECT_EQ(other.mCount, c.count);
        EXPECT_EQ(other.mCode[0], c.firstCode);
    }
}

TEST_F(Movies, VoicesPlayOnceAndLoopsFollowTheRoom)
{
    start(3);

    // Room 2: its loop starts from silence, in group 1, looping; every
    // other loop of the list is sent out, and the music stays full.
    notifyAt(2, 1);
    EXPECT_EQ(music(), std::vector<std::string>{"100"});
    EXPECT_EQ(mode(3044), sc_00_movies::MODE_FADE);
    EXPECT_TRUE(playing(3044));
    EXPECT_EQ(slot(3044).mLoop, 1);
    EXPECT_EQ(slot(3044).mGroup, 1);
    EXPECT_EQ(mode(3043), sc_00_movies::MODE_SILENT);
    EXPECT_EQ(mode(3033), sc_00_movies::MODE_SILENT); // only room 6 switches it

    // It fades in at 1.0 a second, in whole percent.
    engine->frames(4, 0.1f);
    EXPECT_NEAR(volume(3044), 0.5f, 1e-4f);
    EXPECT_NEAR(slot(3044).mVolume, 50.0f, 1.0f);
    sndtest::render(0.2);
    EXPECT_NEAR(sndtest::toneLevel(sndtest::render(0.1), 600), 0.5 * kAmplitude, 0.03);
    engine->frames(6, 0.1f);
    EXPECT_EQ(mode(3044), sc_00_movies::MODE_PLAYING);
    EXPECT_FLOAT_EQ(volume(3044), 1.0f);
    EXPECT_NEAR(sndtest::toneLevel(sndtest::render(0.1), 600), kAmplitude, 0.03);

    // A voice plays once; the loop goes on.
    notifyAt(2, 1, 3024);
    EXPECT_EQ(mode(3024), sc_00_movies::MODE_PLAYING);
    EXPECT_TRUE(playing(3024));
    EXPECT_EQ(slot(3024).mLoop, 0);
    EXPECT_EQ(slot(3024).mGroup, 1);

    // The stop code re-checks the loops and stops the cut-scene sounds:
    // the loop of the room is not among them.
    const int loopChannel = slot(3044).mChannel;
    notifyAt(2, 1, 10000);
    EXPECT_EQ(mode(3024), sc_00_movies::MODE_SILENT);
    EXPECT_FALSE(playing(3024));
    EXPECT_EQ(mode(3044), sc_00_movies::MODE_PLAYING);
    EXPECT_EQ(slot(3044).mChannel, loopChannel);
    EXPECT_EQ(music(), (std::vector<std::string>{"100", "100"}));

    // Room 7: the loop of room 2 fades out and stops, room 7's starts.
    notifyAt(7, 1);
    EXPECT_EQ(mode(3044), sc_00_movies::MODE_FADE_OUT);
    EXPECT_EQ(mode(3043), sc_00_movies::MODE_FADE);
    engine->frames(4, 0.1f);
    EXPECT_NEAR(volume(3044), 0.5f, 1e-4f);
    EXPECT_TRUE(playing(3044));

    // Back in room 2 while it fades: it turns back from where it is,
    // without a restart.
    notifyAt(2, 1);
    EXPECT_EQ(mode(3044), sc_00_movies::MODE_FADE);
    EXPECT_EQ(slot(3044).mChannel, loopChannel);
    engine->frames(2, 0.1f);
    EXPECT_NEAR(volume(3044), 0.8f, 2e-3f);

    // Away again: silent after its fade, and stopped.
    notifyAt(5, 1);
    engine->frames(9, 0.1f);
    EXPECT_EQ(mode(3044), sc_00_movies::MODE_SILENT);
    EXPECT_FALSE(playing(3044));
    EXPECT_EQ(slot(3044).mVolume, 0.0f);
}

TEST_F(Movies, AVoiceThatIsALoopCodeIsOnlyReaimedAndRoomBoundLoopsKeepTheirState)
{
    start(3);
    // In room 7, where 3043 is a loop: played as a voice (once), then the
    // re-check only re-aims it.
    notifyAt(7, 1, 3043);
    EXPECT_EQ(mode(3043), sc_00_movies::MODE_FADE);
    EXPECT_EQ(slot(3043).mLoop, 0);

    // 3033 only changes in room 6: camera 1 full, camera 4 at 0.3, and
    // off once the button was used.
    struct Step
    {
        int room;
        int cam;
        int used;
        int mode;
        float target;
    };
    const Step steps[] = {
        {6, 1, 0, sc_00_movies::MODE_FADE, 1.0f},
        {6, 4, 0, sc_00_movies::MODE_FADE, 0.3f},
        {2, 1, 0, sc_00_movies::MODE_PLAYING, 0.3f}, // left as it is: it reached 0.3
        {6, 3, 0, sc_00_movies::MODE_FADE_OUT, 0.3f},
        {6, 1, 1, sc_00_movies::MODE_FADE_OUT, 0.3f},
        {6, 1, 0, sc_00_movies::MODE_FADE, 1.0f},
    };
    for (const Step& s : steps)
    {
        SCOPED_TRACE(std::to_string(s.room) + "/" + std::to_string(s.cam));
        CVirtualScript::setVarI("03_06_az_knopka1@used", s.used);
        notifyAt(s.room, s.cam);
        EXPECT_EQ(mode(3033), s.mode);
        EXPECT_FLOAT_EQ(movies->mTarget[index(3033)], s.target);
    }
}

TEST_F(Movies, LoopsOfLocationsFourAndSix)
{
    // Each step moves the player (and sets a flag) and is followed by one
    // fade step: a loop that is on fades towards its loudness, one that is
    // switched off fades out, one that was never on stays silent.
    struct Step
    {
        int room;
        int cam;
        const char* flag;
        int value;
        int code;
        int mode;
        float target;
    };
    const Step loc4[] = {
        {3, 2, nullptr, 0, 4023, sc_00_movies::MODE_FADE, 0.5f},
        {3, 9, nullptr, 0, 4023, sc_00_movies::MODE_FADE, 1.0f},
        {3, 4, nullptr, 0, 4023, sc_00_movies::MODE_FADE_OUT, 1.0f},
        {4, 8, nullptr, 0, 4026, sc_00_movies::MODE_FADE, 0.3f},
        {2, 1, nullptr, 0, 4026, sc_00_movies::MODE_FADE, 0.3f}, // only room 4 switches it
        {4, 1, "4_21_variable_game_end", 1, 4026, sc_00_movies::MODE_FADE_OUT, 0.3f},
        {4, 1, nullptr, 0, 4023, sc_00_movies::MODE_SILENT, 1.0f},
    };
    const Step loc6[] = {
        {2, 5, nullptr, 0, 6011, sc_00_movies::MODE_FADE, 0.2f},
        {2, 1, nullptr, 0, 6011, sc_00_movies::MODE_FADE, 0.5f},
        {4, 6, nullptr, 0, 6014, sc_00_movies::MODE_FADE, 1.0f},
        {4, 6, nullptr, 0, 3043, sc_00_movies::MODE_FADE, 1.0f}, // borrowed from location 3
        {4, 6, "06_04_az_Valun_msz@moved", 1, 6014, sc_00_movies::MODE_FADE_OUT, 1.0f},
        {8, 1, nullptr, 0, 3043, sc_00_movies::MODE_FADE, 1.0f},
        {5, 1, nullptr, 0, 3043, sc_00_movies::MODE_FADE_OUT, 1.0f},
    };
    struct Location
    {
        int loc;
        const Step* steps;
        size_t count;
    };
    const Location locations[] = {{4, loc4, sizeof(loc4) / sizeof(Step)}, {6, loc6, sizeof(loc6) / sizeof(Step)}};
    start(4);
    for (const Location& l : locations)
    {
        CVirtualScript::setVarI("cur_loc", l.loc);
        if (l.loc != 4)
        {
            object = engine->addObject("00_movies_" + std::to_string(l.loc), "00_movies.sc");
            engine->frame();
            movies = tq::HeadlessEngine::scriptOf<sc_00_movies>(object);
            ASSERT_NE(movies, nullptr);
        }
        for (size_t i = 0; i < l.count; ++i)
        {
            const Step& s = l.steps[i];
            SCOPED_TRACE(std::to_string(l.loc) + ": step " + std::to_string(i));
            if (s.flag)
                CVirtualScript::setVarI(s.flag, s.value);
            notifyAt(s.room, s.cam);
            ASSERT_NE(index(s.code), -1);
            EXPECT_EQ(mode(s.code), s.mode);
            EXPECT_FLOAT_EQ(movies->mTarget[index(s.code)], s.target);
        }
    }
}

TEST_F(Movies, LocationRulesAndMusicLoudness)
{
    // Location 1: the generator hums at camera 1 while it is on.
    start(1);
    notifyAt(1, 1);
    EXPECT_EQ(mode(1024), sc_00_movies::MODE_SILENT);
    EXPECT_FALSE(playing(1024));
    CVirtualScript::setVarI("generator@on", 1);
    notifyAt(1, 1);
    EXPECT_EQ(mode(1024), sc_00_movies::MODE_FADE);
    EXPECT_TRUE(playing(1024));
    engine->frames(5, 0.1f);
    notifyAt(3, 2);
    EXPECT_EQ(mode(1024), sc_00_movies::MODE_FADE_OUT);
    engine->frames(6, 0.1f);
    EXPECT_FALSE(playing(1024));
    // Sent out and back in before a fade step: the loop starts all the same.
    movies->stopSoundSlow(1024, 1.0f);
    movies->playSoundSlow(1024, 1.0f, 1.0f);
    EXPECT_TRUE(playing(1024));
    music();

    // Location 5 lowers the music in some places and switches its view.
    struct Case
    {
        int room;
        int cam;
        int fishOver;
        const char* code;
    };
    const Case cases[] = {
        {2, 3, 0, "10"}, {2, 14, 0, "10"}, {2, 3, 1, "100"}, {2, 1, 0, "100"},
        {4, 1, 0, "10"}, {5, 2, 0, "10"},  {7, 1, 0, "10"},  {3, 1, 0, "100"},
    };
    CVirtualScript::setVarI("cur_loc", 5);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.room) + "/" + std::to_string(c.cam));
        CVirtualScript::setConfigI("fish_game@game_over", c.fishOver);
        engine->clearLog();
        notifyAt(c.room, c.cam);
        EXPECT_EQ(music(), std::vector<std::string>{c.code});
        // The view of the pond exists in the location's scene only.
        EXPECT_NE(engine->log().find("\nERROR: RTT 05_game_rtt not found"), std::string::npos);
    }
}

TEST_F(Movies, WithoutSoundNothingLoadsAndNothingBreaks)
{
    start(3, false);
    EXPECT_EQ(movies->mCount, 23);
    for (int i = 0; i < movies->mCount; ++i)
        EXPECT_EQ(movies->mId[i], -1);
    notifyAt(2, 1, 3024);
    notifyAt(2, 1, 10000);
    engine->frames(3, 0.1f);
    EXPECT_EQ(mode(3044), sc_00_movies::MODE_SILENT);
}
} // namespace
