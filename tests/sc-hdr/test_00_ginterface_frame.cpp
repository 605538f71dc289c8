// The in-game interface's frame work and guidance: the tutorial's steps
// shown once each, pointing at a hot spot or a button and closed by them;
// the sparkles that fly from the cursor; the inventory lens at the bottom
// of the screen; the skip button's charge; the hover texts of the buttons;
// a press that hides the hint panel and hurries a fade; and the
// development keys.
#include "GInterfaceFixture.h"

#include <ois/OISKeyboard.h>

#include <gtest/gtest.h>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Frame : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "00_hint", "tutorial", "interface", "01_cam_move"});
        start();
        notify(555);
        notify(550);
        forgetTold();
    }
};

TEST_F(Frame, TutorialStepsPointTheWayOnceEach)
{
    CObject* paper = prop("01_az_gazeta04_02_msz");
    CVirtualScript::setVarI("cur_loc", 1);
    CVirtualScript::setVarI("cur_cam", 1);
    gi->tutorialInit(1);
    gi->tutorialNotify(0);
    engine.frames(1);
    // Entering at camera 1 with nothing examined: the newspaper.
    EXPECT_EQ(told("tutorial"), (Told{"1 from 00_game_interface"}));
    EXPECT_EQ(gi->tutorialAzObj, h(paper));
    EXPECT_EQ(var("tutorial_task_00"), 1);
    EXPECT_EQ(var("tutorial_state"), 1);
    gi->tutorialNotify(0); // one step at a time
    engine.frames(1);
    EXPECT_TRUE(told("tutorial").empty());

    notify(777, paper); // the newspaper clicked: the window goes
    EXPECT_EQ(told("tutorial"), (Told{"100"}));
    notify(1, spy("tutorial")); // the window says it was read
    EXPECT_EQ(gi->tutorialStateOn, 0);
    EXPECT_EQ(gi->tutorialAzObj, 0u);

    // Then the part to pick, then the turn arrow; never a step again.
    CObject* part = prop("01_az_detal_03");
    gi->tutorialNotify(0);
    engine.frames(1);
    EXPECT_EQ(told("tutorial"), (Told{"2 from 00_game_interface"}));
    EXPECT_EQ(gi->tutorialAzObj, h(part));
    notify(2, spy("tutorial"));
    gi->tutorialNotify(0);
    engine.frames(1);
    EXPECT_EQ(told("tutorial"), (Told{"4 from 00_game_interface"}));
    EXPECT_EQ(gi->needForTutorial(1, 1), 1);
    EXPECT_EQ(gi->needForTutorial(1, 0), 0);
    EXPECT_EQ(gi->needForTutorial(0, 0), 1);

    // With the tutorial switched off in the window only step 7 follows.
    CVirtualScript::setVarI("tutorial_on", 0);
    notify(4, spy("tutorial"));
    EXPECT_EQ(told("tutorial"), (Told{"8 from 00_game_interface"}));
    notify(8, spy("tutorial"));
    gi->idleTime = 30.0f;
    gi->tutorialNotify(0);
    engine.frames(1);
    EXPECT_TRUE(told("tutorial").empty());
}

TEST_F(Frame, NoStepWhileADialogRunsOrTheCameraMoves)
{
    gi->tutorialInit(1);
    gi->idleTime = 25.0f;
    CVirtualScript::setConfigI("is_dialog_start", 1);
    gi->tutorialNotify(0);
    CVirtualScript::setConfigI("is_dialog_start", 0);
    CVirtualScript::setVarI("is_camera_moving", 1);
    gi->tutorialNotify(0);
    engine.frames(1);
    EXPECT_TRUE(told("tutorial").empty());
    CVirtualScript::setVarI("is_camera_moving", 0);
    gi->tutorialNotify(0); // idle long enough: the hint button
    engine.frames(1);
    EXPECT_EQ(told("tutorial"), (Told{"6 from 00_game_interface"}));
    EXPECT_EQ(gi->tutorialMid, 0);
    EXPECT_EQ(gi->tutorialId, GI::ID_HELP);
}

TEST_F(Frame, SparklesFlyTwoAtATime)
{
    mInput->mCursorX = 0.5f;
    mInput->mCursorY = 0.5f;
    ticks(1);
    for (int i = 0; i < 3; ++i)
        engine.notify(mObject, 800);
    engine.frames(1);
    EXPECT_EQ(gi->picks[0].active, 1);
    EXPECT_EQ(gi->picks[1].active, 1);
    // From the cursor to the bottom left corner: 0.62 long, 0.89 seconds.
    EXPECT_NEAR(1.0f / gi->picks[0].speed, 0.889f, 0.001f);
    EXPECT_GT(gi->picks[0].downStop, 0);
    ticks(17);
    EXPECT_EQ(gi->picks[0].active, 1);
    EXPECT_EQ(gi->picks[0].upStop, -1);
    ticks(1);
    EXPECT_EQ(gi->picks[0].active, 0);
    EXPECT_GT(gi->picks[0].upStop, 0); // the landing burst
    ticks(22);
    EXPECT_EQ(gi->picks[0].upStop, -1);
    EXPECT_EQ(gi->picks[0].downStop, -1);
}

TEST_F(Frame, TheLensGrowsOnlyAtTheScreensBottomInFreePlay)
{
    struct Case
    {
        const char* label;
        float y;
        int disabled, playMode;
        bool grows;
    };
    const Case cases[] = {
        {"at the bottom", 0.9f, 0, 1, true},
        {"exactly at 0.88", 0.88f, 0, 1, false},
        {"inventory off", 0.9f, 1, 1, false},
        {"in a mini-game", 0.9f, 0, 2, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        gi->lensFactor = 0.5f;
        gi->inventoryDisabled = c.disabled;
        gi->playMode = c.playMode;
        mouse(0.3f, c.y, false);
        EXPECT_FLOAT_EQ(gi->lensFactor, c.grows ? 0.65f : 0.35f);
        EXPECT_FLOAT_EQ(gi->lensCentre, -0.2f);
    }
}

TEST_F(Frame, TheSkipButtonChargesOverTheSkipTime)
{
    CVirtualScript::setVarI("skip_minigame_time", 60);
    gi->skipCharge = 0.0f;
    engine.frames(30, 1.0f);
    EXPECT_NEAR(gi->skipCharge, 0.5f + 0.032f / 60.0f, 0.02f);
    EXPECT_EQ(gi->skipLocked, 1);
    const GI::___OVERLAY& line = gi->menus[3].items[GI::ID_SKIP_LINE].main;
    Ogre::OverlayElement* e = element(line.sPan1);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->getWidth(), 0.5f * line.size.x, 0.01f);
    engine.frames(31, 1.0f);
    EXPECT_EQ(gi->skipLocked, 0);
}

TEST_F(Frame, HoverTextsAndPressesTellTheHintPanel)
{
    gi->showHint(0, 2);
    gi->showHint(1, 4);
    gi->invAddTask(102, 2, 0, 5, 0);
    gi->showHint(3, 0);
    engine.frames(1);
    EXPECT_EQ(told("00_hint"), (Told{"100 from 00_game_interface", "2014 from 00_game_interface",
                                     "2102 from 00_game_interface"}));
    EXPECT_EQ(var("hint_counter_need"), 2);
    EXPECT_EQ(var("hint_counter_of"), 5);

    // A press hides the panel and hurries the fade in the same frame.
    mouse(0.5f, 0.3f, true);
    engine.frames(1);
    EXPECT_EQ(told("00_hint"), (Told{"100 from 00_game_interface"}));
    EXPECT_EQ(told("00_loader"), (Told{"2222"}));
}

TEST_F(Frame, DevelopmentKeysWorkOnlyWithCheats)
{
    CVirtualScript::setVarI("cur_loc", 2);
    mInput->mKeyDown[OIS::KC_RSHIFT] = 1;
    mInput->mKeyDown[OIS::KC_PERIOD] = 1;
    ticks(2);
    EXPECT_TRUE(told("00_loader").empty());
    gApp.mCheats = true;
    ticks(2); // every frame while held
    mInput->mKeyDown[OIS::KC_RSHIFT] = 0;
    mInput->mKeyDown[OIS::KC_PERIOD] = 0;
    engine.frames(2);
    EXPECT_EQ(told("00_loader"), (Told{"1003 from 00_game_interface", "1003 from 00_game_interface"}));
    mInput->mKeyDown[OIS::KC_F6] = 1;
    ticks(1);
    mInput->mKeyDown[OIS::KC_F6] = 0;
    engine.frames(2);
    EXPECT_EQ(told("00_loader"), (Told{"1002 from 00_game_interface"}));
    EXPECT_EQ(CVirtualScript::getConfigI("load_from_save"), 1);
}
} // namespace
