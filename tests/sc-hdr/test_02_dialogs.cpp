// The dialog player on the headless engine: steps in order with their voices,
// cuts and notifications, the player's clicks, the end notifications and the
// answer to the requester, the stop code, ids without content (answered at
// once) and a dialog asked for while another plays (played after it).
#include "02_cam_move.h"
#include "02_dialogs.h"
#include "HeadlessEngine.h"
#include "Input.h"
#include "SfxCore.h"
#include "TestSupport.h"

#include "../platform/SoundTestHelpers.h"

#include <OgreLight.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::RecordingScript;

const float kDt = 0.05f;

class Dialogs : public ::testing::Test
{
protected:
    /// Voices 10920 and 10921 of 0.3 s (the lines of dialog 1051) in the
    /// media folder, sound on a loopback device, location 1.
    void SetUp() override
    {
        ASSERT_TRUE(tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=media\n"));
        ASSERT_EQ(std::system(("mkdir -p '" + dir.file("media") + "'").c_str()), 0);
        for (const char* voice : {"10920", "10921"})
            ASSERT_TRUE(sndtest::makeTone(dir.file("media/") + voice + ".ogg", 22050, 1, 0.3, 440.0, 0.3));
        ASSERT_TRUE(SoundDevice::initLoopback(sndtest::kRate, 1));
        engine.reset(new tq::HeadlessEngine("resources.cfg"));
        CSfxCore::init();
        CVirtualScript::setVarI("cur_loc", 1);
        gApp.mInput = new CInput(nullptr, -1, "");
    }

    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    /// The recorders that stand for the other scripts, and the player.
    void start(bool recordCamera = true)
    {
        for (const char* name : {"00_game_interface", "00_sfx_env", "01_01_scene", "01_04_scene", "asker"})
            engine->addRecorder(name);
        if (recordCamera)
            engine->addRecorder("01_cam_move");
        player = engine->addObject("02_dialogs", "02_dialogs.sc");
        engine->frame(kDt);
        script = tq::HeadlessEngine::scriptOf<sc_02_dialogs>(player);
        ASSERT_NE(script, nullptr);
        RecordingScript::calls().clear();
    }

    /// The request of a dialog, handled in the next frame.
    void ask(int id)
    {
        engine->notify(player, id, gApp.findObject("asker"));
        engine->frame(kDt);
    }

    /// A press and release of the left (0) or right (1) button or Escape (2).
    void release(std::initializer_list<int> buttons)
    {
        for (int b : buttons)
            press(b, true);
        engine->frame(kDt);
        for (int b : buttons)
            press(b, false);
        engine->frame(kDt);
    }

    static void press(int button, bool down)
    {
        if (button == 0)
            gApp.mInput->mLeftDown = down;
        else if (button == 1)
            gApp.mInput->mRightDown = down;
        else
            gApp.mInput->mKeyDown[1] = down ? 1 : 0;
    }

    static std::vector<std::string> got(const std::string& name)
    {
        std::vector<std::string> result;
        for (const std::string& call : RecordingScript::callsOf(name))
            if (call.find(',') != std::string::npos)
                result.push_back(call.substr(10, call.size() - 11));
        return result;
    }

    static int dialogStarted() { return CVirtualScript::getConfigI("is_dialog_start"); }

    /// An object whose node carries a light, hidden.
    static void hiddenObject(tq::HeadlessEngine& engine, const std::string& name)
    {
        Ogre::Light* light = gApp.mSceneMgr->createLight(name + "_light");
        light->setVisible(false);
        engine.addObject(name)->getNode()->attachObject(light);
    }
    static bool shown(const std::string& name) { return gApp.mSceneMgr->getLight(name + "_light")->getVisible(); }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CObject* player = nullptr;
    sc_02_dialogs* script = nullptr;
};

TEST_F(Dialogs, LinesFollowTheirVoicesWithCutsAndTheAnswerAtTheEnd)
{
    start();
    ask(1051);
    // The cut reaches the camera mover within the send.
    EXPECT_EQ(got("01_cam_move"), std::vector<std::string>{"5171,0"});
    EXPECT_EQ(dialogStarted(), 1);
    const int first = script->mSteps[0].voice;
    const int second = script->mSteps[1].voice;
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_NEAR(script->mSteps[0].voiceLen, 300, 20);
    EXPECT_NE(CSfxCore::slot(first).mChannel, -1);

    engine->frame(kDt);
    EXPECT_EQ(got("00_sfx_env"), std::vector<std::string>{"60,0"});
    EXPECT_EQ(got("00_game_interface"), std::vector<std::string>{"101,0"});

    engine->frames(8, kDt);
    EXPECT_EQ(got("01_cam_move"), (std::vector<std::string>{"5171,0", "5172,0"}));
    EXPECT_EQ(got("01_04_scene"), std::vector<std::string>{"200,0"});
    EXPECT_EQ(CSfxCore::slot(first).mChannel, -1);
    EXPECT_NE(CSfxCore::slot(second).mChannel, -1);
    EXPECT_TRUE(got("asker").empty());

    engine->frames(8, kDt);
    EXPECT_EQ(got("01_cam_move"), (std::vector<std::string>{"5171,0", "5172,0", "5172,0"}));
    EXPECT_EQ(got("asker"), std::vector<std::string>{"1051," + std::to_string(player->getHandle())});
    EXPECT_EQ(got("00_sfx_env"), (std::vector<std::string>{"60,0", "100,0"}));
    EXPECT_EQ(got("00_game_interface"), (std::vector<std::string>{"101,0", "100,0"}));
    EXPECT_EQ(CSfxCore::slot(second).mChannel, -1);
    EXPECT_EQ(dialogStarted(), 0);
    EXPECT_EQ(script->mStepCount, 0);
}

TEST_F(Dialogs, StepsWithoutVoiceWaitForAReleaseOfAButtonOrEscape)
{
    start();
    // Location 1's other lines have no voice file here.
    EXPECT_NE(engine->log().find("\nERROR: Add sound 1-9-1 to cache failed!"), std::string::npos);
    ask(1000);
    engine->frames(20, kDt);
    EXPECT_EQ(script->mStep, 1);

    struct Case
    {
        std::initializer_list<int> buttons;
        int step;
    };
    const Case cases[] = {{{0}, 2}, {{1}, 3}, {{2}, 4}, {{0, 1}, 6}, {{0, 2}, 8}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.step);
        release(c.buttons);
        EXPECT_EQ(script->mStep, c.step);
    }
    EXPECT_EQ(got("01_cam_move"), (std::vector<std::string>{"5122,0", "5121,0", "5121,0"}));
    EXPECT_EQ(got("01_01_scene"), (std::vector<std::string>{"400,0", "500,0"}));
    // A button held down does nothing until it is released.
    press(0, true);
    engine->frames(3, kDt);
    EXPECT_EQ(script->mStep, 8);
    press(0, false);
    engine->frame(kDt);
    EXPECT_EQ(script->mStep, 9);
    release({0});
    engine->frame(kDt);
    EXPECT_EQ(got("asker"), std::vector<std::string>{"1000," + std::to_string(player->getHandle())});
    EXPECT_EQ(got("01_cam_move").back(), "5123,0");
}

TEST_F(Dialogs, TheStopCodeEndsWithoutCameraReturnOrAnswer)
{
    start();
    ask(1051);
    const int voice = script->mSteps[0].voice;
    engine->frame(kDt);
    engine->clearLog();
    engine->notify(player, 10000, gApp.findObject("asker"));
    engine->frame(kDt);
    EXPECT_NE(engine->log().find("\n\nSTOP DIALOG\n"), std::string::npos);
    EXPECT_EQ(CSfxCore::slot(voice).mChannel, -1);
    engine->frames(20, kDt);
    EXPECT_EQ(got("01_cam_move"), std::vector<std::string>{"5171,0"});
    EXPECT_TRUE(got("asker").empty());
    EXPECT_EQ(got("00_sfx_env"), (std::vector<std::string>{"60,0", "100,0"}));
    EXPECT_EQ(got("00_game_interface"), (std::vector<std::string>{"101,0", "100,0"}));
    EXPECT_EQ(dialogStarted(), 0);
}

TEST_F(Dialogs, IdsWithoutContentAreAnsweredAtOnceWithAWarning)
{
    start();
    for (int id : {1001, 2030, 7000})
    {
        SCOPED_TRACE(id);
        RecordingScript::calls().clear();
        engine->clearLog();
        ask(id);
        EXPECT_NE(engine->log().find("\n\nUnknown dialog id! " + std::to_string(id)), std::string::npos);
        EXPECT_NE(engine->log().find("there is no dialog " + std::to_string(id)), std::string::npos);
        EXPECT_EQ(dialogStarted(), 0);
        engine->frames(3, kDt);
        EXPECT_EQ(got("00_sfx_env"), std::vector<std::string>{"100,0"});
        EXPECT_EQ(got("00_game_interface"), std::vector<std::string>{"100,0"});
        EXPECT_EQ(got("asker"), std::vector<std::string>{std::to_string(id) + "," + std::to_string(player->getHandle())});
        EXPECT_TRUE(got("01_cam_move").empty());
    }
}

TEST_F(Dialogs, ADialogAskedForWhileAnotherPlaysFollowsItAndBothAreAnswered)
{
    start();
    engine->addRecorder("second_asker");
    engine->frame(kDt);
    ask(1051);
    engine->notify(player, 7000, gApp.findObject("second_asker")); // no content: answered after 1051
    engine->frame(kDt);
    EXPECT_EQ(script->mDialogId, 1051);
    EXPECT_TRUE(got("second_asker").empty());
    engine->frames(20, kDt);
    const std::string by = "," + std::to_string(player->getHandle());
    EXPECT_EQ(got("asker"), std::vector<std::string>{"1051" + by});
    EXPECT_EQ(got("second_asker"), std::vector<std::string>{"7000" + by});
    EXPECT_TRUE(script->mWaiting.empty());

    // Two real dialogs in a row: the second plays in full after the first.
    RecordingScript::calls().clear();
    ask(1051);
    engine->notify(player, 1051, gApp.findObject("second_asker"));
    engine->frames(20, kDt);
    EXPECT_EQ(got("asker"), std::vector<std::string>{"1051" + by});
    EXPECT_TRUE(got("second_asker").empty());
    EXPECT_EQ(script->mDialogId, 1051); // the second one plays
    engine->frames(20, kDt);
    EXPECT_EQ(got("second_asker"), std::vector<std::string>{"1051" + by});
    EXPECT_EQ(dialogStarted(), 0);
}

TEST_F(Dialogs, ASingleLineIsSkippedOnceByItsButton)
{
    start();
    ask(1002);
    EXPECT_EQ(script->mSteps[0].text, 10102);
    EXPECT_EQ(script->mSkip, 1);
    engine->frames(10, kDt);
    EXPECT_EQ(got("00_game_interface"), std::vector<std::string>{"201,0"});
    EXPECT_TRUE(got("00_sfx_env").empty());

    script->mSkipX = 0.5f;
    script->mSkipY = 0.9f;
    gApp.mInput->mCursorX = 0.52f;
    gApp.mInput->mCursorY = 0.85f;
    engine->frame(kDt);
    EXPECT_EQ(script->mSkipHover, 1);
    engine->clearLog();
    release({0});
    engine->frames(2, kDt);
    EXPECT_EQ(got("00_game_interface"), (std::vector<std::string>{"201,0", "200,0"}));
    EXPECT_EQ(got("asker"), std::vector<std::string>{"1002," + std::to_string(player->getHandle())});
    EXPECT_EQ(engine->log().find("Unknown dialog id!"), std::string::npos);
}

TEST_F(Dialogs, StepsWithoutLineRunAtOnce)
{
    for (const char* name : {"03_03_glazok", "02_lord", "04_villain"})
        hiddenObject(*engine, name);
    start();
    ask(3062);
    // Step 1 (no line) showed the persons, then the first line played.
    EXPECT_TRUE(shown("03_03_glazok"));
    EXPECT_TRUE(shown("02_lord"));
    EXPECT_TRUE(shown("04_villain"));
    EXPECT_EQ(script->mStep, 2);
    EXPECT_EQ(got("01_cam_move"), std::vector<std::string>{"5433,0"});
    release({0});
    // Step 3 (no line) hid the spy-hole at once on the way to the next line.
    EXPECT_FALSE(shown("03_03_glazok"));
    EXPECT_EQ(script->mStep, 4);
    EXPECT_EQ(got("01_cam_move"), (std::vector<std::string>{"5433,0", "5434,0"}));
}

TEST_F(Dialogs, TheCameraGoesBackWithTheRealMover)
{
    CVirtualScript::setVarI("cur_loc", 4);
    CObject* mover = engine->addObject("01_cam_move", "02_cam_move.sc");
    start(false);
    ASSERT_NE(tq::HeadlessEngine::scriptOf<sc_02_cam_move>(mover), nullptr);
    const auto place = [] {
        return std::make_pair(CVirtualScript::getVarI("cur_room"), CVirtualScript::getVarI("cur_cam"));
    };
    EXPECT_EQ(place(), std::make_pair(1, 1));

    // One line with a cut: 60/101 at the start, back with 5000 at the end.
    ask(2051);
    EXPECT_EQ(place(), std::make_pair(2, 12));
    engine->frame(kDt);
    EXPECT_EQ(got("00_game_interface"), std::vector<std::string>{"101,0"});
    release({0});
    EXPECT_EQ(place(), std::make_pair(1, 1));

    // 5000 goes back to the camera before the last change: after the cuts
    // 421, 422, 423 and 422 that is 423.
    ask(3060);
    EXPECT_EQ(place(), std::make_pair(4, 21));
    release({0});
    EXPECT_EQ(place(), std::make_pair(4, 22));
    release({0});
    release({0});
    EXPECT_EQ(script->mStepCount, 0);
    EXPECT_EQ(place(), std::make_pair(4, 23));

    // A dialog that stays at its last cut.
    ask(5057);
    release({0});
    release({0});
    release({0});
    EXPECT_EQ(place(), std::make_pair(3, 15));
    EXPECT_EQ(script->mStepCount, 0);
}
} // namespace
