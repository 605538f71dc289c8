// The hint button of the in-game interface: a press behind a black screen,
// the camera cut to what a find task waits for (find tasks first), the
// glow that rises and falls, a use task's item picture growing in, the end
// by a click with the way back, the laser cannon's switch, the refill of a
// spent hint, and the presses that do nothing.
#include "GInterfaceFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Hints : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "01_cam_move", "00_hint", "interface"});
        material("pe/help_magic");
        material("00_ginterface/item/help");
        part = prop("01_az_detal_01");
        lock = prop("01_az_zamok");
        start();
    }
    /// A find thread (room 2, camera 5) and a use thread (room 3, camera 7)
    /// that may both take hints.
    void twoThreads(bool withFind = true)
    {
        gi->threadAdd();
        if (withFind)
            gi->taskAddFindObj1(102, "01_az_detal_01", 2, 5);
        else
            gi->taskAddGetParam("never", 1);
        gi->threadAdd();
        gi->taskAddUseObj1(104, "01_az_zamok", 3, 7);
        notify(555);
        notify(550);
        gi->setThreadActiveForHelp(1, 1);
        gi->invAddTask(104, 0, 1, 0, 0);
        forgetTold();
    }
    float glow() { return unit("pe/help_magic")->getColourBlendMode().colourArg2.r; }

    CObject* part = nullptr;
    CObject* lock = nullptr;
};

TEST_F(Hints, AHintCutsToAFindAndGoesBackAfterAClick)
{
    CVirtualScript::setVarI("help_num", 2);
    twoThreads();
    gi->menuItemOnPress(0, GI::ID_HELP);
    engine.frames(1);
    EXPECT_EQ(told("00_loader"), (Told{"777 from 00_game_interface"}));
    EXPECT_EQ(gi->hintState, 1);
    EXPECT_EQ(gi->interfaceActive, 0);

    // The screen is black: the camera cuts to the part.
    notify(777, spy("00_loader"));
    EXPECT_EQ(gi->hintState, 2);
    EXPECT_EQ(told("01_cam_move"), (Told{"5205", "600"}));
    EXPECT_EQ(gi->hintObject, h(part));
    EXPECT_EQ(var("help_num"), 1);
    EXPECT_EQ(var("fonarik_detach_from_mouse"), 1);
    EXPECT_EQ(gi->helpItemShown, 0); // a find shows no item
    EXPECT_NE(engine.log().find("Help `01_az_detal_01` thread-0 pick-0"), std::string::npos);

    // Dark for the first fifth, bright at the middle.
    ticks(10);
    EXPECT_FLOAT_EQ(glow(), 0.0f);
    ticks(70);
    EXPECT_GT(glow(), 0.9f);

    clickAt(0.5f, 0.5f);
    EXPECT_EQ(gi->hintState, 3);
    engine.frames(1);
    // The press also hurries the loader's fade.
    EXPECT_EQ(told("00_loader"), (Told{"2222", "777 from 00_game_interface"}));
    notify(777, spy("00_loader"));
    EXPECT_EQ(told("01_cam_move"), (Told{"5000", "600"}));
    EXPECT_EQ(gi->hintState, 0);
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(var("fonarik_detach_from_mouse"), 0);
}

TEST_F(Hints, AUseHintShowsTheItemGrowingInAndEndsByItself)
{
    CVirtualScript::setVarI("help_num", 1);
    CVirtualScript::setVarI("hint_respawn_time", 60);
    twoThreads(false);
    gi->helpPress();
    notify(777, spy("00_loader"));
    EXPECT_EQ(told("01_cam_move"), (Told{"5307", "600"}));
    EXPECT_EQ(gi->helpItemShown, 1);
    EXPECT_EQ(unit("00_ginterface/item/help")->getTextureName().find("00_inv_104_00_rtt"), 0u);
    EXPECT_EQ(var("help_num"), 0);
    EXPECT_EQ(gi->counters[GI::kHintCounter].wanted, 0);

    ticks(40); // half way through the eight seconds
    const float f = static_cast<float>(gApp.mGameClock - gi->hintStartTime) / 8000.0f;
    EXPECT_NEAR(gi->helpOverlay.size.x, 0.125f * (0.8f + 0.3f * f), 0.01f);
    EXPECT_NEAR(unit("00_ginterface/item/help")->getAlphaBlendMode().alphaArg2, f, 0.02f);

    ticks(125); // past the eight seconds
    EXPECT_EQ(gi->hintState, 3);
}

TEST_F(Hints, PressesThatFindNothingToShowDoNothing)
{
    struct Case
    {
        const char* label;
        int hints, playMode, mini, active;
    };
    const Case cases[] = {
        {"no hint left", 0, 1, 0, 1},
        {"in a mini-game", 2, 2, 0, 1},
        {"in a close-up game", 2, 1, 1, 1},
        {"no thread takes hints", 2, 1, 0, 0},
    };
    twoThreads();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        CVirtualScript::setVarI("help_num", c.hints);
        gi->playMode = c.playMode;
        gi->nearPlaneMini = c.mini ? h(lock) : 0;
        gi->threads[0].active_for_help = c.active;
        gi->threads[1].active_for_help = c.active;
        gi->helpPress();
        engine.frames(1);
        EXPECT_EQ(gi->hintState, 0);
        EXPECT_TRUE(told("00_loader").empty());
    }
}

TEST_F(Hints, ASpentHintComesBackAfterTheRespawnTime)
{
    material("00_ginterface/menuitems/hint");
    CVirtualScript::setVarI("help_num", 0);
    CVirtualScript::setVarI("hint_respawn_time", 60);
    notify(555);
    engine.frames(30, 1.0f);
    EXPECT_EQ(var("help_num"), 0);
    EXPECT_NEAR(var("help_alpha"), 500, 20);
    EXPECT_NEAR(unit("00_ginterface/menuitems/hint")->getTextureVScroll(), 0.19f, 0.01f);
    engine.frames(31, 1.0f);
    EXPECT_EQ(var("help_num"), 1);
    EXPECT_EQ(gi->counterGetCount(GI::kHintCounter), 1);
    EXPECT_EQ(gi->counters[GI::kHintCounter].wanted, 1);
}

TEST_F(Hints, TheLaserCannonPointsAtTheSwitchOfItsCode)
{
    CObject* switch3 = prop("04_04_az_rubilnik_03");
    CVirtualScript::setVarI("4_21_variable_15", 4);
    CVirtualScript::setVarI("4_21_variable_16", 3); // 7 % 5 = 2
    for (int i = 0; i <= 6; ++i)
        CVirtualScript::setVarI("4_21_variable_" + std::to_string(i), i == 2 ? 2 : 9);
    int c = 0, r = 0;
    OBJECT_HANDLE obj = 0;
    gi->getLazerPushkaCam(c, r, obj);
    EXPECT_EQ(obj, h(switch3));
    EXPECT_EQ(r, 4);
    EXPECT_EQ(c, 1);
    const int cams[] = {2, 2, 1, 4, 4, 3, 3, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(GI::rub_cam(i), cams[i]) << i;

    // Its game takes hints only once the cannon was used.
    CObject* cannon = prop("04_04_az_LazernajaPushka_mg");
    gi->threadAdd();
    gi->taskAddClick(h(cannon), 4, 1);
    EXPECT_EQ(gi->taskNeedHelp(gi->threads[0].tasks[0], 0), 0);
    CVirtualScript::setVarI("04_04_az_LazernajaPushka@used", 1);
    EXPECT_EQ(gi->taskNeedHelp(gi->threads[0].tasks[0], 0), 1);
}
} // namespace

namespace
{
// The thread a hint was for moves on while the screen goes black: nothing
// is left to point at, so no hint is spent and the view stays.
TEST_F(Hints, AHintWithNothingLeftToShowSpendsNothingAndStays)
{
    CVirtualScript::setVarI("help_num", 2);
    twoThreads();
    gi->helpPress();
    engine.frames(1);
    ASSERT_EQ(gi->hintState, 1);
    gi->threads[0].active_for_help = 0;
    gi->threads[1].active_for_help = 0;
    forgetTold();
    notify(777, spy("00_loader"));
    EXPECT_EQ(var("help_num"), 2);
    EXPECT_EQ(told("01_cam_move"), (Told{"600"})); // no cut to room 1, camera 1
    EXPECT_EQ(gi->hintState, 0);
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(gi->hintObject, 0u);
    EXPECT_EQ(var("fonarik_detach_from_mouse"), 0);
}
} // namespace
