// The gear puzzle on the headless engine: boards drawn at random, gears
// dragged onto pins and back to the tray, which gears turn, the win and the
// trembling board, the hint's answer, and a damaged saved board.
#include "00_interface.h"
#include "01_minigame_32.h"
#include "PuzzleBoardFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::RecordingScript;

const float kDepth = 112.337f;

// A board of known places: the chain runs to the right from pin 0 in steps
// of 11.48; pin 8 hangs above pin 0, pin 9 below between pins 1 and 2
// (closer than 11.28 to pin 2), the other decoys far from the chain.
const int kDirections[18] = {0, 8, 8, 8, 8, 8, 8, 8, 0, 12, 16, 0, 0, 0, 16, 0, 0, 0};
const int kParents[18] = {0, 0, 1, 2, 3, 4, 5, 6, 0, 1, 9, 2, 11, 12, 10, 13, 8, 16};

class Gears : public ::testing::Test, public tq::PuzzleBoardFixture
{
protected:
    void SetUp() override { material("01_01_game_select"); }

    /// Saves the known board with the gears on the given pins (-1: tray).
    static void saveBoard(const std::vector<int>& gearPins, int solved = 0)
    {
        int state[50] = {};
        for (int p = 1; p < 18; ++p)
        {
            state[2 * p] = kDirections[p];
            state[2 * p + 1] = kParents[p];
        }
        for (int g = 0; g < 8; ++g)
            state[36 + g] = gearPins[g];
        CVirtualScript::saveGameArray(50, 1, 32, state, &solved);
    }

    /// Places of the known board's pins.
    static vec3 pin(int p)
    {
        if (p == 0)
            return vec3(-20, -10, -kDepth);
        vec3 v;
        sc_01_minigame_32::getPos3(pin(kParents[p]), kDirections[p], v);
        return v;
    }

    static vec3 tray(int g)
    {
        vec3 v;
        sc_01_minigame_32::getPos(g, v);
        return v;
    }

    void load()
    {
        std::vector<Piece> pieces;
        for (int p = 0; p < 18; ++p)
            pieces.push_back({"01_01_pipka_" + twoDigits(p), vec3::ZERO});
        for (int g = 0; g < 8; ++g)
            pieces.push_back({"01_01_gear_" + twoDigits(g), vec3::ZERO});
        pieces.push_back({"01_01_game_fon", vec3(0, 0, -kDepth - 1)});
        pieces.push_back({"01_01_game_select", vec3::ZERO});
        self = loadBoard("01_minigame_32", pieces);
        script = tq::HeadlessEngine::scriptOf<sc_01_minigame_32>(self);
        ASSERT_NE(script, nullptr);
    }

    void start()
    {
        engine->notify(self, 1200);
        ticks(2);
        RecordingScript::calls().clear();
    }

    /// Drags gear g (its piece focused) from one board point to another
    /// and lets it settle.
    void drag(int g, const vec3& from, const vec3& to)
    {
        engine->notify(self, 10000 + g);
        aim(from, true);
        tick();
        aim(to, true);
        tick();
        aim(to, false);
        tick();
        engine->notify(self, 20000 + g);
        ticks(8);
    }

    static std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
    static vec3 gearAt(int g) { return position("01_01_gear_" + twoDigits(g)); }
    static int var(int i) { return CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(1, 32, i)); }

    CObject* self = nullptr;
    sc_01_minigame_32* script = nullptr;
};

float distance(const vec3& a, const vec3& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
}

TEST_F(Gears, BoardsAreDrawnWithAChainToTheUpperRightAndDecoysThatDoNotTouchIt)
{
    load();
    const int decoyParent[10] = {0, 1, 9, 2, 11, 12, 10, 13, 8, 16};
    for (uint32_t seed = 1; seed <= 12; ++seed)
    {
        SCOPED_TRACE(seed);
        CVirtualScript::randomSeed(seed);
        script->genData();
        const int* s = script->state;
        vec3 at[18];
        at[0] = vec3(-20, -10, -kDepth);
        for (int p = 1; p < 18; ++p)
        {
            ASSERT_GE(s[2 * p], 0);
            ASSERT_LT(s[2 * p], 32);
            ASSERT_EQ(s[2 * p + 1], p < 8 ? p - 1 : decoyParent[p - 8]) << p;
            sc_01_minigame_32::getPos3(at[s[2 * p + 1]], s[2 * p], at[p]);
            EXPECT_TRUE(at[p].x >= -30 && at[p].x <= 30 && at[p].y >= -17 && at[p].y <= 30) << p;
        }
        EXPECT_GE(at[7].x, 0.0f);
        EXPECT_GE(at[7].y, 0.0f);
        for (int p = 2; p < 8; ++p)
            for (int q = 0; q < p - 1; ++q)
                EXPECT_GE(distance(at[p], at[q]), 12.88f - 1e-3f) << p << " " << q;
        for (int p = 8; p < 18; ++p)
        {
            const int parent = s[2 * p + 1];
            for (int q = 0; q < p; ++q)
            {
                const float d = distance(at[p], at[q]);
                EXPECT_GE(d, 7.84f - 1e-3f) << p << " " << q;
                if (q < parent)
                {
                    EXPECT_GE(d, 12.88f - 1e-3f) << p << " " << q;
                }
                if (q != parent)
                {
                    EXPECT_FALSE(d >= 10.08f + 1e-3f && d < 12.88f - 1e-3f) << p << " " << q << " " << d;
                }
            }
        }
        const int gearPins[8] = {0, -1, -1, -1, -1, -1, -1, 7};
        for (int g = 0; g < 8; ++g)
        {
            EXPECT_EQ(s[36 + g], gearPins[g]) << g;
            EXPECT_EQ(var(36 + g), gearPins[g]) << g;
        }
        EXPECT_EQ(var(-1), 0);
    }
}

TEST_F(Gears, AFreshBoardTurnsTheFirstGearOnlyAndTraysTheOthers)
{
    saveBoard({0, -1, -1, -1, -1, -1, -1, 7});
    load();
    start();
    EXPECT_EQ(script->gears[0].turn, 1);
    EXPECT_EQ(script->gears[7].turn, 0);
    for (int g = 1; g < 7; ++g)
    {
        EXPECT_TRUE(gearAt(g).positionEquals(tray(g), 1e-3f)) << g;
        EXPECT_EQ(script->gears[g].turn, 0) << g;
    }
    EXPECT_TRUE(gearAt(7).positionEquals(pin(7), 1e-3f));
    for (int p = 0; p < 18; ++p)
        EXPECT_TRUE(position("01_01_pipka_" + twoDigits(p)).positionEquals(pin(p), 1e-3f)) << p;
    EXPECT_NEAR(node("01_01_pipka_04")->getScale().y, 3.0124f * 0.7f, 1e-5f);
    EXPECT_NEAR(node("01_01_gear_04")->getScale().x, 0.7f, 1e-6f);
    // Turning 30 degrees a second, from 16.
    const float before = script->turnAngle;
    ticks(10);
    EXPECT_NEAR(script->turnAngle - before, 15.0f, 1e-3f);
    const vec3 angles = CVirtualScript::quatToEulerDeg(node("01_01_gear_00")->getOrientation());
    EXPECT_NEAR(angles.z, script->turnAngle + 16.0f, 1e-2f);
}

TEST_F(Gears, AGearDroppedOnAPinHangingFromATurningGearTurnsTheOtherWay)
{
    saveBoard({0, -1, -1, -1, -1, -1, -1, 7});
    load();
    start();
    drag(3, tray(3), pin(1));
    EXPECT_EQ(script->state[36 + 3], 1);
    EXPECT_EQ(script->gears[3].turn, -1);
    EXPECT_TRUE(gearAt(3).positionEquals(pin(1), 1e-3f));
    // Pin 8 hangs from pin 0 too: a decoy's gear turns as well.
    drag(5, tray(5), pin(8));
    EXPECT_EQ(script->state[36 + 5], 8);
    EXPECT_EQ(script->gears[5].turn, -1);
    engine->notify(self, 2000);
    ticks(2);
    EXPECT_EQ(var(39), 1);
    EXPECT_EQ(notes("interface"), Calls{note(100, nullptr)});
}

TEST_F(Gears, RefusedDropsGoBackToTheTray)
{
    saveBoard({0, 2, -1, -1, -1, -1, -1, 7});
    load();
    start();
    struct Case
    {
        const char* what;
        vec3 to;
    } cases[] = {
        {"an occupied pin", pin(2)},
        {"a pin too near an occupied one", pin(9)},
        {"away from every pin", vec3(10, 20, -kDepth)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        drag(4, tray(4), c.to);
        EXPECT_EQ(script->state[36 + 4], -1);
        EXPECT_TRUE(gearAt(4).positionEquals(tray(4), 1e-3f));
    }
    // With pin 2 free again, pin 9 takes the gear.
    drag(1, pin(2), tray(1));
    drag(4, tray(4), pin(9));
    EXPECT_EQ(script->state[36 + 4], 9);
}

TEST_F(Gears, OnlyGearsOneToSixCanBePicked)
{
    saveBoard({0, -1, -1, -1, -1, -1, -1, 7});
    load();
    start();
    for (int g : {0, 7})
    {
        drag(g, g == 0 ? pin(0) : pin(7), vec3(10, 20, -kDepth));
        EXPECT_EQ(script->selectedGear, -1);
        EXPECT_EQ(script->state[36 + g], g);
    }
    // Nothing focused: a press picks nothing.
    aim(tray(2), true);
    tick();
    EXPECT_EQ(script->selectedGear, -1);
    EXPECT_EQ(script->drag.state, 0);
    // A piece that is no gear of the board is not taken for one.
    engine->notify(self, 10012);
    ticks(2);
    EXPECT_EQ(script->focusedGear, -1);
}

TEST_F(Gears, TakingAGearOffTheChainStopsTheGearsBelowIt)
{
    saveBoard({0, 1, 2, 3, -1, -1, -1, 7});
    load();
    start();
    EXPECT_EQ(script->gears[3].turn, -1);
    drag(2, pin(2), vec3(10, 20, -kDepth));
    EXPECT_EQ(script->gears[1].turn, -1);
    EXPECT_EQ(script->gears[2].turn, 0);
    EXPECT_EQ(script->gears[3].turn, 0);
}

TEST_F(Gears, TheCompletedChainWinsAndTheBoardTrembles)
{
    saveBoard({0, 1, 2, 3, 4, 5, -1, 7});
    load();
    start();
    engine->clearLog();
    drag(6, tray(6), pin(6));
    EXPECT_EQ(script->solved, 1);
    EXPECT_EQ(script->gears[7].turn, -1);
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);
    tick();
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, self)});
    // Six seconds later the board shakes 0.25 up and down.
    float highest = 0.0f;
    for (int i = 0; i < 140; ++i)
    {
        tick();
        highest = std::max(highest, std::fabs(position("01_01_game_fon").y));
    }
    EXPECT_GT(highest, 0.2f);
    EXPECT_LE(highest, 0.25f + 1e-4f);
    // Clicks are ignored now.
    drag(6, pin(6), tray(6));
    EXPECT_EQ(script->state[36 + 6], 6);
    engine->notify(self, 1300);
    tick();
    EXPECT_EQ(var(-1), 1);
    EXPECT_EQ(node("01_minigame_32.scene")->getParent(), gApp.mSceneMgr->getRootSceneNode());
}

TEST_F(Gears, AGearOnADecoyNeverWins)
{
    // Gears 1..6 on pins 1..5 and the decoy 8: all turn, but no win.
    saveBoard({0, 1, 2, 3, 4, 5, 8, 7});
    load();
    start();
    ticks(10);
    EXPECT_EQ(script->gears[6].turn, -1);
    EXPECT_EQ(script->gears[7].turn, 0);
    EXPECT_EQ(script->solved, 0);
}

TEST_F(Gears, TheHintGoesOutAndItsAnswerReachesTheInterface)
{
    saveBoard({0, -1, -1, -1, -1, -1, -1, 7});
    load();
    start();
    engine->notify(self, 2010);
    ticks(2);
    EXPECT_EQ(notes("interface"), Calls{note(16043, self)});
    // The tip window's click echo alone is not yet the end of the hint.
    engine->notify(self, 16043);
    ticks(2);
    EXPECT_TRUE(notes("00_game_interface").empty());
    engine->notify(self, 26043);
    ticks(2);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(305, self)});
}

TEST_F(Gears, TheRealTipWindowsAnswerReachesTheInterfaceOnce)
{
    realInterface = true;
    saveBoard({0, -1, -1, -1, -1, -1, -1, 7});
    load();
    start();
    CObject* tip = gApp.findObject("interface");
    auto* menu = tq::HeadlessEngine::scriptOf<sc_00_interface>(tip);
    ASSERT_NE(menu, nullptr);
    // Clicked away, then hidden by 5000: either way the game interface
    // hears once that the hint has gone.
    for (bool clicked : {true, false})
    {
        SCOPED_TRACE(clicked);
        engine->notify(self, 2010);
        tq::RealInterface::settle(*engine);
        ASSERT_EQ(menu->mMenus[sc_00_interface::MENU_TIP].state, 2);
        if (clicked)
            tq::RealInterface::click(*engine);
        else
            engine->notify(tip, 5000);
        tq::RealInterface::settle(*engine);
        EXPECT_EQ(notes("00_game_interface"), Calls{note(305, self)});
        // The click's echo focused no gear.
        EXPECT_EQ(script->focusedGear, -1);
        RecordingScript::calls().clear();
    }
}

TEST_F(Gears, AGearHeldAtCloseIsBackInTheTrayAtTheNextStart)
{
    saveBoard({0, 1, -1, -1, -1, -1, -1, 7});
    load();
    start();
    engine->notify(self, 10001);
    aim(pin(1), true);
    tick();
    engine->notify(self, 1300);
    tick();
    EXPECT_EQ(var(37), -1);
    aim(vec3(10, 20, -kDepth), false);
    start();
    EXPECT_EQ(script->selectedGear, -1);
    ticks(8);
    EXPECT_TRUE(gearAt(1).positionEquals(tray(1), 1e-3f));
}

TEST_F(Gears, ADamagedSavedBoardIsPutRightWithAWarning)
{
    saveBoard({0, 40, -1, -1, -1, -1, -1, 7});
    CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(1, 32, 2 * 12 + 1), 30);
    load();
    start();
    EXPECT_EQ(script->state[37], -1);
    EXPECT_EQ(script->state[25], 11);
    EXPECT_NE(engine->log().find("\nWARNING: 01_minigame_32: saved pin 40 of gear 1 replaced by the tray"),
              std::string::npos);
    EXPECT_TRUE(position("01_01_pipka_12").positionEquals(pin(12), 1e-3f));
}
} // namespace
