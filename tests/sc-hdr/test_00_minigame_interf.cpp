// The result display of the mini-games: the show of the result text over
// frames, its one echo to the game (at the end of the show or at a new
// press), the starter's clear-up, restarts and codes it must ignore.
#include "00_minigame_interf.h"
#include "HeadlessEngine.h"
#include "SpyNotes.h"
#include "Input.h"
#include "TestSupport.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using tq::RecordingScript;
using tq::Calls;
using tq::note;
using tq::notes;


// One tick of the show is a frame of 0.1 s: the show (1 / 0.15 s) takes
// 67 ticks.
const float kTick = 0.1f;

class MinigameInterf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gApp.mInput = new CInput(nullptr, -1, std::string());
        // The text areas of the result, as the interface's overlay holds them.
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* overlay = manager.create("GameInterfaceOverlay");
        auto* frame = static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "MinigameTextFrame"));
        for (const char* name : {"MinigameText", "MinigameTextBack"})
        {
            auto* text = static_cast<Ogre::TextAreaOverlayElement*>(manager.createOverlayElement("TextArea", name));
            text->setCharHeight(0.5f);
            frame->addChild(text);
        }
        overlay->add2D(frame);
        game = engine.addRecorder("game");
        gameInterface = engine.addRecorder("00_game_interface");
        interf = engine.addObject("00_minigame_interf", "00_minigame_interf.sc");
        engine.frame();
        script = tq::HeadlessEngine::scriptOf<sc_00_minigame_interf>(interf);
        RecordingScript::calls().clear();
        engine.clearLog();
    }
    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    static Ogre::TextAreaOverlayElement* text(const char* name)
    {
        return static_cast<Ogre::TextAreaOverlayElement*>(
            Ogre::OverlayManager::getSingleton().getOverlayElement(name));
    }

    /// A press and a release, each on a frame of its own.
    void press()
    {
        gApp.mInput->mLeftDown = true;
        engine.frame(kTick);
        gApp.mInput->mLeftDown = false;
        engine.frame(kTick);
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    tq::OverlayScope overlays;
    CObject* game = nullptr;
    CObject* gameInterface = nullptr;
    CObject* interf = nullptr;
    sc_00_minigame_interf* script = nullptr;
};

TEST_F(MinigameInterf, ShowGrowsTheTextAndEchoesOnceWhenItEnds)
{
    EXPECT_FALSE(text("MinigameText")->isVisible());
    engine.notify(interf, 1100, game);
    engine.frame(kTick);
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 1);
    EXPECT_TRUE(text("MinigameText")->isVisible());
    EXPECT_TRUE(text("MinigameTextBack")->isVisible());
    EXPECT_TRUE(Ogre::OverlayManager::getSingleton().getByName("GameInterfaceOverlay")->isVisible());
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [00_anim_obj_minigame] by name!"), std::string::npos);

    engine.frames(30, kTick); // phase 0.45
    EXPECT_NEAR(text("MinigameText")->getCharHeight(), 0.03f + 0.07f * 0.45f, 0.002f);
    EXPECT_NEAR(text("MinigameTextBack")->getCharHeight(), 0.032f + 0.07f * 0.45f, 0.002f);
    EXPECT_FLOAT_EQ(text("MinigameText")->getLeft(), 0.5f);
    EXPECT_TRUE(notes("game").empty());

    engine.frames(35, kTick); // phase 0.975
    EXPECT_TRUE(notes("game").empty());
    engine.frames(5, kTick);
    EXPECT_EQ(notes("game"), Calls{note(1100, interf)});
    EXPECT_EQ(notes("00_game_interface"), Calls{note(103, nullptr)});
    EXPECT_FALSE(text("MinigameText")->isVisible());
    EXPECT_FALSE(text("MinigameTextBack")->isVisible());
    EXPECT_EQ(script->timer, 0);
    EXPECT_EQ(script->status.state, 2);
    // Ending stays on until the starter has brought the camera back.
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 1);

    engine.frames(20, kTick);
    EXPECT_EQ(notes("game").size(), 1u);
    engine.notify(interf, 100);
    engine.frame(kTick);
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 0);
}

TEST_F(MinigameInterf, ANewPressEchoesAtOnceAndTheShowGoesOn)
{
    // The button still held from the winning move does not count.
    gApp.mInput->mLeftDown = true;
    engine.notify(interf, 1100, game);
    engine.frames(5, kTick);
    EXPECT_TRUE(notes("game").empty());
    gApp.mInput->mLeftDown = false;
    engine.frame(kTick);

    press();
    EXPECT_EQ(notes("game"), Calls{note(1100, interf)});
    EXPECT_TRUE(text("MinigameText")->isVisible());
    press();
    engine.frames(70, kTick);
    EXPECT_EQ(notes("game").size(), 1u);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(103, nullptr)});
}

TEST_F(MinigameInterf, StartersClearStopsTheShowAtOnce)
{
    engine.notify(interf, 1100, game);
    engine.frames(10, kTick);
    engine.notify(interf, 100);
    engine.frame(kTick);
    EXPECT_EQ(script->timer, 0);
    EXPECT_FALSE(text("MinigameText")->isVisible());
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 0);
    engine.frames(80, kTick);
    press();
    EXPECT_TRUE(notes("game").empty());
    EXPECT_TRUE(notes("00_game_interface").empty());
}

TEST_F(MinigameInterf, RestartAnswersOnlyTheNewGameOnItsOwnPace)
{
    CObject* other = engine.addRecorder("other");
    engine.frame(kTick);
    engine.notify(interf, 1100, game);
    engine.frames(40, kTick);
    engine.notify(interf, 1100, other);
    engine.frames(60, kTick);
    // One timer only: the restarted show is not over after 6 s.
    EXPECT_TRUE(notes("other").empty());
    engine.frames(10, kTick);
    EXPECT_EQ(notes("other"), Calls{note(1100, interf)});
    EXPECT_TRUE(notes("game").empty());
    EXPECT_EQ(notes("00_game_interface").size(), 1u);
    press();
    EXPECT_EQ(notes("other").size(), 1u);
}

TEST_F(MinigameInterf, OtherCodesChangeNothing)
{
    CVirtualScript::setConfigI("minigame_ending", 7);
    for (int code : {1, 99, 101, 999, -1, -1100})
    {
        engine.notify(interf, code, game);
        engine.frame(kTick);
    }
    EXPECT_EQ(CVirtualScript::getConfigI("minigame_ending"), 7);
    EXPECT_EQ(script->timer, 0);
    EXPECT_EQ(script->status.state, 0);
    EXPECT_FALSE(text("MinigameText")->isVisible());
    EXPECT_TRUE(notes("game").empty());
}
} // namespace
