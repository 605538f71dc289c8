// The loader: its code table and the scenes it posts, the fades counted in
// frames, the answers to the requester, the acceleration, the request that
// waits while a fade-out runs, and the press-a-key wait that the real
// in-game interface opens and ends in play.
#include "00_loader.h"
#include "GInterfaceFixture.h"
#include "HeadlessEngine.h"
#include "Input.h"
#include "RealLoader.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::HeadlessEngine;
using tq::RecordingScript;
typedef CVirtualScript API;

/// 250 ms frames: every fade step below is an exact binary fraction.
const float kFrame = 0.25f;

class Loader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine.reset(new HeadlessEngine());
        gApp.mOverlaySystem = new Ogre::OverlaySystem();
        gApp.mInput = new CInput(nullptr, -1, std::string());
        Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
        for (const char* name : {"LoaderOverlay", "loadingWindow", "loadingWindow2", "loadingWindow3"})
            overlays.create(name);
        Ogre::MaterialPtr black = Ogre::MaterialManager::getSingleton().create("interf/00_black", "General");
        black->getTechnique(0)->getPass(0)->createTextureUnitState();
        requester = engine->addRecorder("requester");
        other = engine->addRecorder("other");
        gameInterface = engine->addRecorder("00_game_interface");
    }
    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
        engine.reset();
    }

    /// A loader object created with the option "game_state", run until its
    /// first fade-in has ended.
    CObject* makeLoader(const std::string& name, int gameState = 0)
    {
        API::setConfigI("game_state", gameState);
        CObject* loader = engine->addObject(name, "00_loader.sc");
        engine->frames(4, kFrame);
        RecordingScript::calls().clear();
        return loader;
    }
    static sc_00_loader* script(CObject* loader) { return HeadlessEngine::scriptOf<sc_00_loader>(loader); }

    /// The notifications with sender that a recorder got: "code,sender".
    static std::vector<std::string> answers(const std::string& label)
    {
        std::vector<std::string> result;
        for (const std::string& call : RecordingScript::callsOf(label))
            if (call.find(',') != std::string::npos)
                result.push_back(call.substr(10, call.size() - 11));
        return result;
    }
    static std::string answer(int code, CObject* sender)
    {
        return std::to_string(code) + "," + std::to_string(sender ? sender->getHandle() : 0);
    }

    /// Runs frames until a scene load is queued; its name ("" when none came
    /// within maxFrames).  The queued unload and load are dropped, so that
    /// the test's objects live on.
    std::string runUntilLoad(int maxFrames, int* frames = nullptr)
    {
        for (int i = 1; i <= maxFrames; ++i)
        {
            engine->frame(kFrame);
            std::string scene;
            int loads = 0;
            for (const CMessage& msg : gApp.mMessages)
                if (msg.type == MSG_LOADSCENE)
                {
                    scene = msg.sceneName();
                    ++loads;
                }
            if (loads > 0)
            {
                EXPECT_EQ(loads, 1) << scene;
                dropSceneChange();
                if (frames)
                    *frames = i;
                return scene;
            }
        }
        return std::string();
    }

    /// Drops the queued scene change (the objects' destroy records, the
    /// unload and the load); notifications stay queued.
    static void dropSceneChange()
    {
        std::vector<CMessage> kept;
        for (const CMessage& msg : gApp.mMessages)
            if (msg.type != MSG_DESTROY && msg.type != MSG_UNLOADSCENE && msg.type != MSG_LOADSCENE)
                kept.push_back(msg);
        gApp.mMessages.swap(kept);
    }

    static float blackAlpha()
    {
        Ogre::MaterialPtr black = Ogre::MaterialManager::getSingleton().getByName("interf/00_black");
        return black->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getAlphaBlendMode().alphaArg2;
    }
    static bool shown(const char* overlay)
    {
        return Ogre::OverlayManager::getSingleton().getByName(overlay)->isVisible();
    }

    tq::TempDir dir;
    std::unique_ptr<HeadlessEngine> engine;
    CObject* requester = nullptr;
    CObject* other = nullptr;
    CObject* gameInterface = nullptr;
};

TEST_F(Loader, CodeTablePostsTheScenesAndSetsTheVariables)
{
    struct Case
    {
        int code;
        int gameState;
        int flashback;
        const char* scene;    ///< "" for none
        int gameStateAfter;
        int curLocAfter;      ///< "cur_loc" was 5 before
        bool windowShown;     ///< the loading window at the end of the fade-out
    };
    const Case cases[] = {
        {1001, 0, 0, "01_location_start.scene", -11, 1, true},
        {1003, 100, 0, "03_location_start.scene", 100, 3, true},
        {1007, 0, 2, "07_location_start_02.scene", -11, 7, true},
        {1007, 0, 0, "07_location_start_00.scene", -11, 7, true},
        {1050, 0, 0, "07_minigame_start_00.scene", -11, 5, false},
        {1050, 100, 0, "07_minigame_start_00.scene", 100, 50, false},
        {5002, 50, 0, "02_location_start.scene", 50, 2, true},
        {10003, 100, 0, "03_location_start.scene", 100, 5, true},
        {1100, 100, 0, "00_interface_start.scene", 0, 5, false},
        {1101, 100, 0, "00_interface_start.scene", 0, 5, false},
        {1200, 1, 0, "00_interface_start.scene", 50, 5, false},
        {1300, 100, 0, "00_interface_start.scene", 60, 5, false},
        {1000, 0, 0, "", 0, 5, false},
        {1099, 0, 0, "", 0, 5, false},
        {5000, 0, 0, "", 0, 5, false},
        {5099, 0, 0, "", 0, 5, false},
        {10000, 0, 0, "", 0, 5, false},
        {10099, 0, 0, "", 0, 5, false},
    };
    CObject* menu = engine->addRecorder("interface");
    int n = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.code);
        CObject* loader = makeLoader("loader_" + std::to_string(n++), c.gameState);
        API::setVarI("cur_loc", 5);
        API::setVarI("prev_loc", 0);
        API::setVarI("flashback", c.flashback);
        API::setVarI("survey_end", 0);
        engine->notify(loader, c.code, requester);
        EXPECT_EQ(runUntilLoad(60), c.scene);
        engine->frame(kFrame);
        EXPECT_EQ(API::getConfigI("game_state"), c.gameStateAfter);
        EXPECT_EQ(API::getVarI("cur_loc"), c.curLocAfter);
        // A scene change below 100 remembers where the player was.
        const bool change = c.scene[0] != 0 && c.code < 10000;
        EXPECT_EQ(API::getVarI("prev_loc"), change ? 5 : 0);
        EXPECT_EQ(shown("loadingWindow"), c.windowShown);
        EXPECT_EQ(API::getVarI("survey_end"), c.code == 1300 ? 1 : 0);
        EXPECT_EQ(answers("interface"), c.code == 1300 ? std::vector<std::string>{answer(100, nullptr)}
                                                       : std::vector<std::string>());
        EXPECT_TRUE(answers("requester").empty());
    }
    (void)menu;
}

TEST_F(Loader, OneLongFrameToTheMenuPostsTheSceneOnce)
{
    CObject* loader = makeLoader("00_loader");
    engine->notify(loader, 1100, requester);
    engine->frame(kFrame);
    // A whole second in one frame: past full black at once.
    engine->frame(1.0f);
    int loads = 0;
    for (const CMessage& msg : gApp.mMessages)
        loads += msg.type == MSG_LOADSCENE ? 1 : 0;
    EXPECT_EQ(loads, 1);
    dropSceneChange();
    EXPECT_FALSE(shown("loadingWindow"));
}

TEST_F(Loader, WhileTheLoadingWindowWaitsTheMenuStillLoadsOnceWithoutIt)
{
    // In play the loading window of a new location stands at full until a
    // key; a request for the menu then passes 0.5 and 1.0 in one step.
    CObject* loader = makeLoader("00_loader", 100);
    EXPECT_TRUE(shown("loadingWindow"));
    engine->notify(loader, 1100, requester);
    int frames = 0;
    EXPECT_EQ(runUntilLoad(5, &frames), "00_interface_start.scene");
    EXPECT_EQ(frames, 1);
    EXPECT_FALSE(shown("loadingWindow"));
    EXPECT_EQ(blackAlpha(), 1.0f);
}

TEST_F(Loader, FadeToBlackAnswersTwiceInTheSeventhFrameAndStaysBlackUntil102)
{
    CObject* loader = makeLoader("00_loader");
    EXPECT_FALSE(shown("LoaderOverlay"));
    engine->notify(loader, 101, requester);
    // The request is handled in the first frame; from the second on a step
    // of 0.25 a frame, whose fifth passes 1.0; the answers come a frame later.
    engine->frames(6, kFrame);
    EXPECT_TRUE(shown("LoaderOverlay"));
    EXPECT_TRUE(answers("requester").empty());
    engine->frame(kFrame);
    EXPECT_EQ(answers("requester"), (std::vector<std::string>{answer(101, nullptr), answer(101, loader)}));
    EXPECT_EQ(blackAlpha(), 1.0f);

    engine->frames(10, kFrame);
    EXPECT_EQ(answers("requester").size(), 2u);
    EXPECT_EQ(blackAlpha(), 1.0f);

    // Back from black at 0.5: the still running timer steps in the same
    // frame, 0.25 a frame, below 0 in the fifth; no answer.
    engine->notify(loader, 102, requester);
    engine->frames(3, kFrame);
    EXPECT_TRUE(shown("LoaderOverlay"));
    EXPECT_EQ(blackAlpha(), 0.25f * 0.25f * (3.0f - 2.0f * 0.25f));
    engine->frames(2, kFrame);
    EXPECT_FALSE(shown("LoaderOverlay"));
    EXPECT_EQ(blackAlpha(), 0.0f);
    EXPECT_EQ(answers("requester").size(), 2u);
}

TEST_F(Loader, RoundTripsAnswerAtBlackAndClearAfterTwoFramesOfDelay)
{
    struct Case
    {
        int code;
        int answerFrame;   ///< frame after the request in which the answer arrives
        int clearFrame;    ///< frame in which the black is gone
    };
    // At speed 1.2: 0.3 a frame from frame 2, past 1.0 in frame 5, answered
    // in 6; frames 5 and 6 count down the delay; back at 2 x 1.2 x 0.25 =
    // 0.6 a frame: clear in frame 8.
    const Case cases[] = {{777, 6, 8}, {888, 6, 8}, {666, 6, 8}};
    int n = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.code);
        CObject* loader = makeLoader("loader_" + std::to_string(n++));
        engine->notify(loader, c.code, requester);
        for (int frame = 1; frame <= c.clearFrame; ++frame)
        {
            engine->frame(kFrame);
            EXPECT_EQ(answers("requester").size(), frame >= c.answerFrame ? 1u : 0u) << frame;
            if (frame == c.clearFrame - 2)
            {
                EXPECT_EQ(blackAlpha(), 1.0f);
            }
        }
        EXPECT_EQ(answers("requester"), std::vector<std::string>{answer(c.code, nullptr)});
        EXPECT_EQ(blackAlpha(), 0.0f);
        EXPECT_FALSE(shown("LoaderOverlay"));
        RecordingScript::calls().clear();
    }
    EXPECT_EQ(Ogre::OverlayManager::getSingleton().getByName("LoaderOverlay")->getZOrder(), 100);
}

TEST_F(Loader, Code1500WaitsAtBlackFor1501)
{
    CObject* loader = makeLoader("00_loader");
    engine->notify(loader, 1500, requester);
    // 0.5 x 0.25 = 0.125 a frame from frame 2: past 1.0 in frame 10,
    // answered in 11.
    engine->frames(10, kFrame);
    EXPECT_TRUE(answers("requester").empty());
    engine->frame(kFrame);
    EXPECT_EQ(answers("requester"), std::vector<std::string>{answer(1500, nullptr)});
    engine->frames(10, kFrame);
    EXPECT_EQ(answers("requester").size(), 1u);
    EXPECT_EQ(blackAlpha(), 1.0f);

    RecordingScript::calls().clear();
    engine->notify(loader, 1501, other);
    engine->frames(2, kFrame);
    EXPECT_EQ(blackAlpha(), 1.0f);
    // Then 0.25 a frame: below 0 in the fifth step, answered a frame later.
    engine->frames(5, kFrame);
    EXPECT_EQ(blackAlpha(), 0.0f);
    EXPECT_TRUE(answers("other").empty());
    engine->frame(kFrame);
    EXPECT_EQ(answers("other"), std::vector<std::string>{answer(1501, nullptr)});
    EXPECT_TRUE(answers("requester").empty());
}

TEST_F(Loader, AccelerationNeedsAnEnableBeforeTheRequest)
{
    struct Case
    {
        std::vector<int> codes;  ///< sent after the first step of a 1500 fade
        int answerFrame;
    };
    // Without acceleration 0.125 a frame from frame 2: past 1.0 in frame 10,
    // answered in 11.  With it the step of frame 2 is 0.625 and frame 3
    // passes 1.0: answered in 4.
    const Case cases[] = {{{2223, 2222}, 4}, {{2222}, 11}, {{2223}, 11}, {{2222, 2223}, 11}};
    int n = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(n);
        CObject* loader = makeLoader("loader_" + std::to_string(n++));
        engine->notify(loader, 1500, requester);
        engine->frame(kFrame);
        for (int code : c.codes)
            engine->notify(loader, code);
        int frame = 1;
        while (answers("requester").empty() && frame < 20)
        {
            engine->frame(kFrame);
            ++frame;
        }
        EXPECT_EQ(frame, c.answerFrame);
        RecordingScript::calls().clear();
    }
}

TEST_F(Loader, ARequestDuringAFadeOutWaitsForItsEnd)
{
    CObject* loader = makeLoader("00_loader", 0);
    engine->notify(loader, 777, requester);
    engine->frames(2, kFrame);
    // One request waits; a later one takes its place, with a warning.
    engine->notify(loader, 666, other);
    engine->notify(loader, 888, other);
    engine->frames(12, kFrame);
    EXPECT_NE(engine->log().find("\nWARNING: 00_loader: code 666 waits for the running fade-out"), std::string::npos);
    EXPECT_NE(engine->log().find("\nWARNING: 00_loader: code 666 replaced by 888 while a fade-out runs"),
              std::string::npos);
    // The first request keeps its answer; the waiting one is answered after
    // it, and nothing changed the options behind the first.
    EXPECT_EQ(answers("requester"), std::vector<std::string>{answer(777, nullptr)});
    EXPECT_EQ(answers("other"), std::vector<std::string>{answer(888, nullptr)});
    EXPECT_EQ(API::getConfigI("game_state"), 0);
    EXPECT_EQ(script(loader)->state, 0);
    for (const CMessage& msg : gApp.mMessages)
        EXPECT_NE(msg.type, MSG_LOADSCENE);
}

TEST_F(Loader, ARequestWaitingWhenTheSceneChangesGoesWithIt)
{
    CObject* loader = makeLoader("00_loader", 0);
    engine->notify(loader, 1003, requester);
    engine->frame(kFrame);
    ASSERT_EQ(script(loader)->state, 2);
    engine->notify(loader, 777, other);
    EXPECT_EQ(runUntilLoad(20), "03_location_start.scene");
    engine->frames(3, kFrame);
    EXPECT_TRUE(answers("other").empty());
    EXPECT_NE(engine->log().find("\nWARNING: 00_loader: code 777 dropped, the scene changes"), std::string::npos);
}

// The loading window of a new location with the real in-game interface:
// the interface's 1111 (every picture drawn) lets the window wait for the
// player, whose key or new click starts play (555) and, once the black has
// gone, hands it the mouse (550).
class LoaderAndInterface : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_hint", "interface", "01_cam_move", "journal", "00_sfx_env"});
        loader = tq::RealLoader::add(engine, 100);
    }

    /// A key (else the left button) held from before the interface's 1111.
    void heldThrough1111(bool key)
    {
        EXPECT_TRUE(shown("loadingWindow"));
        EXPECT_TRUE(shown("loadingWindow2"));
        Ogre::OverlayManager::getSingleton().getByName("loadingWindow3")->show();
        // Nothing ends the wait before the interface is there.
        mInput->mKeyDown[30] = 1;
        engine.frames(3, kFrame);
        mInput->mKeyDown[30] = 0;
        EXPECT_EQ(script()->state, 0);
        EXPECT_EQ(script()->alpha, 1.0f);

        if (key)
            mInput->mKeyDown[30] = 1;
        else
            mInput->mLeftDown = true;
        engine.frame(kFrame);
        start();
        engine.frames(4, kFrame);
        EXPECT_EQ(script()->keyWait, 1); // the interface's 1111 came
        if (!key)
        {
            // A button held since before is no new press.
            EXPECT_EQ(script()->state, 0);
            EXPECT_EQ(gi->started, 0);
            mInput->mLeftDown = false;
            engine.frame(kFrame);
            mInput->mLeftDown = true;
            engine.frames(4, kFrame);
        }
        EXPECT_EQ(gi->started, 1);
        engine.frames(2);
        EXPECT_EQ(gi->interfaceActive, 1); // the 550 at the end of the fade
        EXPECT_EQ(blackAlpha(), 0.0f);
        EXPECT_FALSE(shown("loadingWindow3"));
        EXPECT_FALSE(shown("loadingWindow"));
        mInput->mKeyDown[30] = 0;
        mInput->mLeftDown = false;
    }

    sc_00_loader* script() { return tq::HeadlessEngine::scriptOf<sc_00_loader>(loader); }
    static float blackAlpha()
    {
        Ogre::MaterialPtr black = Ogre::MaterialManager::getSingleton().getByName("interf/00_black");
        return black->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getAlphaBlendMode().alphaArg2;
    }
    static bool shown(const char* overlay) { return Ogre::OverlayManager::getSingleton().getByName(overlay)->isVisible(); }

    CObject* loader = nullptr;
};

TEST_F(LoaderAndInterface, AKeyHeldWhenTheInterfaceIsReadyStartsPlay)
{
    heldThrough1111(true);
}

TEST_F(LoaderAndInterface, AButtonHeldFromBeforeWaitsForANewClick)
{
    heldThrough1111(false);
}
} // namespace
