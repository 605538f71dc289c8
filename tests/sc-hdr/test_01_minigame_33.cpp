// The combination lock on the headless engine: a new lock and a saved one,
// switches dragged from slot to slot, checks refused, wrong and right, the
// bar that fills and drops every switch after four wrong checks, the text,
// pause, hint, close, and a damaged saved lock.
#include "01_minigame_33.h"
#include "PuzzleBoardFixture.h"
#include "Message.h"

#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

namespace
{
using tq::Calls;
using tq::RecordingScript;
using tq::note;
using tq::notes;

const char* const kOverlays = R"(
template container Panel(CounterComment)
{
    metrics_mode relative
}
)";

vec3 slot(int i, int p)
{
    vec3 v;
    sc_01_minigame_33::setPos(i, p, v);
    return v;
}

class Lock : public ::testing::Test, public tq::PuzzleBoardFixture
{
protected:
    void SetUp() override
    {
        overlayScript(kOverlays);
        text(6045, "Checks");
        for (int i = 0; i < 4; ++i)
            material("01_01_game_lamp_light_0" + std::to_string(i));
        material("01_01_game_button");
        material("01_01_game_lamp");
    }

    /// Saves a lock as a game saved it: right slots, current slots, checks.
    static void saveLock(std::vector<int> values, int won = 0)
    {
        CVirtualScript::saveGameArray(9, 1, 33, values.data(), &won);
    }

    void load()
    {
        std::vector<Piece> pieces;
        for (int i = 0; i < 4; ++i)
        {
            pieces.push_back({"01_01_game_tumbler_0" + std::to_string(i), slot(i, 0)});
            pieces.push_back({"01_01_game_lamp_light_0" + std::to_string(i), vec3(0, 30, -100)});
        }
        pieces.push_back({"01_01_game_lamp", vec3(20, 10, -100)});
        self = loadBoard("01_minigame_33", pieces);
        script = tq::HeadlessEngine::scriptOf<sc_01_minigame_33>(self);
        ASSERT_NE(script, nullptr);
    }

    /// 1200 from the starter, and the first tick of the game.
    void start()
    {
        engine->notify(self, 1200);
        ticks(2);
        RecordingScript::calls().clear();
    }

    /// The button's piece reports a release; the tick of that frame runs
    /// after it.
    void pressButton()
    {
        engine->notify(self, 45000);
        tick();
    }

    static std::string lampTexture(int i)
    {
        return unit("01_01_game_lamp_light_0" + std::to_string(i))->getTextureName();
    }

    static int var(int i) { return CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(1, 33, i)); }

    CObject* self = nullptr;
    sc_01_minigame_33* script = nullptr;
};

TEST_F(Lock, ANewLockIsDrawnAndSavedWithRightSlotsAboveTheBottom)
{
    CVirtualScript::randomSeed(7);
    load();
    ASSERT_TRUE(CVirtualScript::isGameEndSet(1, 33));
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_GE(var(i), 1) << i;
        EXPECT_LE(var(i), 4) << i;
        EXPECT_EQ(var(4 + i), 0) << i;
    }
    EXPECT_EQ(var(8), 0);
    EXPECT_EQ(var(-1), 0);
    // The board waits hidden, the text is made but not shown.
    EXPECT_FALSE(shown("01_01_game_tumbler_00"));
    EXPECT_EQ(caption("Minigame33TextContainer"), "Checks");
    EXPECT_EQ(caption(""), "Checks");
    EXPECT_FALSE(overlay("Minigame33Text")->isVisible());

    start();
    EXPECT_TRUE(shown("01_01_game_tumbler_00"));
    EXPECT_EQ(node("01_minigame_33.scene")->getParent(), node("Camera"));
    EXPECT_TRUE(overlay("Minigame33Text")->isVisible());
    EXPECT_EQ(materialOf("01_01_game_lamp_light_02"), "01_01_game_lamp_light_02");
}

TEST_F(Lock, DestroyTakesTheTextAway)
{
    load();
    CMessage msg;
    msg.target = self;
    msg.type = MSG_DESTROY;
    gApp.postMessage(msg);
    tick();
    EXPECT_EQ(element("Minigame33TextContainer"), nullptr);
    EXPECT_EQ(element(""), nullptr);
}

TEST_F(Lock, ASavedLockIsKeptAndShownAsSaved)
{
    saveLock({2, 3, 4, 1, 1, 2, 3, 4, 2});
    load();
    EXPECT_EQ(var(0), 2);
    start();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(position("01_01_game_tumbler_0" + std::to_string(i)).positionEquals(slot(i, 1 + i), 1e-3f)) << i;
    // Two checks made: the bar is half full.
    EXPECT_NEAR(node("01_01_game_lamp")->getScale().y, 0.5f, 1e-5f);
    EXPECT_NEAR(unit("01_01_game_lamp")->getTextureVScale(), 2.0f, 1e-4f);
}

TEST_F(Lock, ASwitchIsDraggedFromSlotToSlotAndStaysInTheTopSlot)
{
    saveLock({1, 1, 1, 1, 0, 0, 0, 0, 0});
    load();
    start();
    engine->notify(self, 10001);
    aim(slot(1, 0), true);
    tick();
    EXPECT_EQ(script->selected, 1);
    EXPECT_EQ(script->drag.state, 1);
    // Two slots up with the button held: dragged into slot 2.
    aim(slot(1, 2), true);
    tick();
    EXPECT_EQ(script->drag.state, 2);
    EXPECT_EQ(script->saved[5], 2);
    // Far above the top: slot 4.
    aim(slot(1, 4) + vec3(0, 40, 0), true);
    tick();
    EXPECT_EQ(script->saved[5], 4);
    aim(slot(1, 4) + vec3(0, 40, 0), false);
    tick();
    EXPECT_EQ(script->selected, -1);
    EXPECT_EQ(script->drag.state, 0);
    ticks(10);
    EXPECT_TRUE(position("01_01_game_tumbler_01").positionEquals(slot(1, 4), 1e-3f));
    // Let go, the switch no longer follows the cursor.
    aim(slot(1, 0), false);
    ticks(3);
    EXPECT_EQ(script->saved[5], 4);
    engine->notify(self, 2000);
    tick();
    EXPECT_EQ(var(5), 4);
}

TEST_F(Lock, AClickGrabsTheFocusedSwitchOnlyAndItFollowsUntilDropped)
{
    saveLock({1, 1, 1, 1, 0, 0, 0, 0, 0});
    load();
    start();
    // Nothing focused: a press grabs nothing.
    aim(slot(2, 0), true);
    tick();
    EXPECT_EQ(script->selected, -1);
    aim(slot(2, 0), false);
    tick();

    engine->notify(self, 10002);
    aim(slot(2, 0), true);
    tick();
    aim(slot(2, 0), false);
    tick();
    EXPECT_EQ(script->drag.state, 1);
    // Moving without the button: it follows slot by slot.
    aim(slot(2, 3), false);
    tick();
    EXPECT_EQ(script->saved[6], 3);
    // A later press, a move and a release drop it.
    aim(slot(2, 3), true);
    tick();
    aim(slot(2, 1), true);
    tick();
    aim(slot(2, 1), false);
    tick();
    EXPECT_EQ(script->selected, -1);
    EXPECT_EQ(script->saved[6], 1);
}

TEST_F(Lock, ACheckWithASwitchAtTheBottomIsRefused)
{
    saveLock({1, 2, 3, 4, 1, 2, 0, 4, 1});
    load();
    start();
    const std::string before = lampTexture(0);
    pressButton();
    EXPECT_EQ(script->saved[8], 1);
    EXPECT_EQ(lampTexture(0), before);
    EXPECT_FLOAT_EQ(script->barTo, 0.25f);
}

TEST_F(Lock, AWrongCheckLightsEachLampAndFillsAQuarter)
{
    saveLock({1, 2, 3, 4, 1, 2, 1, 4, 0});
    load();
    start();
    pressButton();
    EXPECT_EQ(script->saved[8], 1);
    EXPECT_EQ(script->won, 0);
    const char* expected[4] = {"green", "green", "red", "green"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(lampTexture(i).rfind(std::string("03_01_game_light_") + expected[i], 0), 0u) << lampTexture(i);
    // The lamps flash up and go dark over 2.5 s; the bar takes a second.
    ticks(24);
    EXPECT_NEAR(script->lamps[0].phase, 0.5f, 1e-4f);
    EXPECT_NEAR(script->barValue, 0.25f, 1e-5f);
    ticks(26);
    EXPECT_FLOAT_EQ(script->lamps[0].phase, 1.0f);
    EXPECT_TRUE(notes("00_minigame_interf").empty());
}

TEST_F(Lock, TheFourthWrongCheckDropsEverySwitchOnceTheBarIsFull)
{
    saveLock({1, 2, 3, 4, 2, 2, 2, 2, 3});
    load();
    start();
    pressButton();
    EXPECT_EQ(script->saved[8], 4);
    // A fifth press before the reset counts nothing.
    pressButton();
    EXPECT_EQ(script->saved[8], 4);
    ticks(10);
    EXPECT_EQ(script->saved[4], 2);
    ticks(12);
    EXPECT_EQ(script->saved[8], 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(script->saved[4 + i], 0) << i;
    ticks(25);
    EXPECT_NEAR(script->barValue, 0.0f, 1e-5f);
    EXPECT_TRUE(position("01_01_game_tumbler_03").positionEquals(slot(3, 0), 1e-3f));
}

TEST_F(Lock, TheRightCombinationWinsAndTheFrameTakesItBack)
{
    saveLock({1, 2, 3, 4, 1, 2, 3, 4, 3});
    load();
    start();
    engine->clearLog();
    pressButton();
    tick();
    EXPECT_EQ(script->won, 1);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, self)});
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);
    // No reset follows the fourth check that wins; the button is dead.
    ticks(25);
    EXPECT_EQ(script->saved[8], 4);
    EXPECT_EQ(script->saved[4], 1);
    pressButton();
    EXPECT_EQ(script->saved[8], 4);

    engine->notify(self, 1100);
    ticks(2);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, self)});
    engine->notify(self, 1300);
    tick();
    EXPECT_EQ(var(-1), 1);
    EXPECT_FALSE(shown("01_01_game_tumbler_00"));
    EXPECT_EQ(node("01_minigame_33.scene")->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_FALSE(overlay("Minigame33Text")->isVisible());
}

TEST_F(Lock, PauseStopsTheLockAndCloseStopsItsTick)
{
    saveLock({1, 1, 1, 1, 1, 1, 1, 1, 0});
    load();
    start();
    engine->notify(self, 1400);
    engine->notify(self, 15000);
    ticks(3);
    EXPECT_EQ(script->buttonGlow, 0.0f);
    engine->notify(self, 1500);
    ticks(3);
    EXPECT_NEAR(script->buttonGlow, 0.45f, 1e-4f);
    engine->notify(self, 25000);
    engine->notify(self, 1300);
    tick();
    const float glow = script->buttonGlow;
    ticks(3);
    EXPECT_EQ(script->buttonGlow, glow);
}

TEST_F(Lock, HintSaveAndTheHintAtStart)
{
    saveLock({1, 1, 1, 1, 1, 1, 1, 1, 0});
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    load();
    engine->notify(self, 1200);
    ticks(2);
    EXPECT_EQ(notes("interface"), Calls{note(16044, nullptr)});
    RecordingScript::calls().clear();
    engine->notify(self, 10001);
    aim(slot(1, 1), true);
    tick();
    aim(slot(1, 3), true);
    tick();
    engine->notify(self, 2010);
    engine->notify(self, 2000);
    ticks(2);
    EXPECT_EQ(notes("interface"), (Calls{note(16044, nullptr), note(100, nullptr)}));
    EXPECT_EQ(var(5), 3);
}

TEST_F(Lock, ADamagedSavedLockIsPutRightWithAWarning)
{
    saveLock({0, 2, 9, 4, -3, 2, 7, 4, 12});
    load();
    start();
    EXPECT_NE(engine->log().find("\nWARNING: 01_minigame_33: saved value 12 at 8 out of range"), std::string::npos);
    EXPECT_NE(engine->log().find("\nWARNING: 01_minigame_33: saved value 0 at 0 out of range"), std::string::npos);
    const int targets[4] = {1, 2, 4, 4};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(script->saved[i], targets[i]) << i;
    // The count is held at four: the bar is full and the switches fall.
    EXPECT_EQ(script->saved[8], 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(script->saved[4 + i], 0) << i;
}
} // namespace
