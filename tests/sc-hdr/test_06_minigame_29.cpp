// The laser pillars on the headless engine: random positions off home at
// the first visit, clicks (through the real pillar pieces) that turn a
// pillar on by a quarter and save, the beam passed along the chain of
// usable pillars standing home, the beams cut short by the next pillar,
// the win told to the game interface once all four glow, and a damaged
// save.
#include "06_minigame_29.h"
#include "ZoneFixture.h"

#include <OgreMath.h>

#include <cmath>
#include <vector>

namespace
{
using tq::Told;
typedef sc_06_minigame_29 Game;

class Pillars0629 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"00_game_interface"});
        for (int k = 0; k < 4; ++k)
        {
            pillars[k] = prop("06_05_stolbik_0" + std::to_string(k + 1), "06_05_stolbik.sc");
            lasers[k] = prop("06_05_lazer_0" + std::to_string(k + 1));
        }
    }

    /// Positions of pillars 0..3, then their usable flags.
    static void save(const std::vector<int>& state, int end = 0)
    {
        CVirtualScript::saveGameArray(8, 6, 29, state.data(), &end);
    }
    static std::vector<int> saved()
    {
        std::vector<int> state(8);
        int end = 0;
        CVirtualScript::loadGameArray(8, 6, 29, state.data(), &end);
        return state;
    }

    void create()
    {
        game = prop("06_minigame_29", "06_minigame_29.sc");
        engine.frames(2);
        forgetTold();
    }
    void click(int k)
    {
        engine.click(pillars[k]);
        engine.frames(2);
    }

    Game* script() { return tq::HeadlessEngine::scriptOf<Game>(game); }
    float angle(int k) { return Ogre::Degree(pillars[k]->getNode()->getOrientation().getRoll()).valueDegrees(); }
    float glow(int k) { return script()->pillars[k].glow; }
    /// The beam driven by pillar k's record: lasers 2, 3, 4, then 1.
    float beam(int k) { return lasers[(k + 1) % 4]->getNode()->getScale().x; }

    CObject* pillars[4] = {};
    CObject* lasers[4] = {};
    CObject* game = nullptr;
};

TEST_F(Pillars0629, TheFirstVisitTurnsEveryPillarAwayFromHome)
{
    for (uint32_t seed : {1u, 5u, 77u})
    {
        CVirtualScript::randomSeed(seed);
        CVirtualScript::setVarI("6_29_variable_game_end", 0);
        CVirtualScript::setVarI("6_29_variable_4", 1);
        Game g;
        g.genData();
        const std::vector<int> state = saved();
        for (int k = 0; k < 4; ++k)
        {
            EXPECT_GE(state[k], 1) << seed;
            EXPECT_LE(state[k], 3) << seed;
            EXPECT_EQ(state[4 + k], 0) << seed;
        }
    }
    create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(6, 29));
    const std::vector<int> state = saved();
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_NEAR(std::remainder(angle(k) - state[k] * 90.0f, 360.0f), 0.0f, 1e-3f) << k;
        EXPECT_EQ(glow(k), 0.0f);
    }
}

TEST_F(Pillars0629, AClickTurnsAPillarOnByAQuarterAndSavesIt)
{
    save({3, 1, 0, 2, 0, 0, 0, 0});
    create();
    click(0);
    click(1);
    EXPECT_EQ(saved(), (std::vector<int>{0, 2, 0, 2, 0, 0, 0, 0}));
    // From the last quarter (-90) on to home, never back through 180.
    for (int f = 0; f < 9; ++f)
    {
        engine.frame(0.1f);
        EXPECT_GE(angle(0), -90.0f) << f;
        EXPECT_LE(angle(0), 10.0f) << f;
    }
    engine.frames(2, 0.1f);
    EXPECT_NEAR(angle(0), 0.0f, 1e-3f);
    EXPECT_NEAR(std::fabs(angle(1)), 180.0f, 1e-3f);
}

TEST_F(Pillars0629, TheBeamRunsOnOnlyPastUsablePillarsStandingHome)
{
    save({0, 1, 0, 0, 1, 0, 0, 0});
    create();
    engine.frames(4, 0.1f);
    // Pillar 0 is lit; pillar 1 is not usable yet: the beam stays long.
    EXPECT_EQ(glow(0), 1.0f);
    EXPECT_EQ(glow(1), 0.0f);
    EXPECT_EQ(beam(0), 1.0f);
    EXPECT_NEAR(beam(3), 0.71f, 1e-5f); // cut while pillar 0 is usable

    engine.notify(game, 60001);
    engine.frames(5, 0.1f);
    EXPECT_EQ(saved()[5], 1);
    EXPECT_NEAR(beam(0), 0.19f, 1e-5f);
    EXPECT_EQ(glow(1), 1.0f); // lit though it stands off home
    EXPECT_EQ(glow(2), 0.0f);
    EXPECT_EQ(beam(1), 1.0f);

    engine.notify(game, 60002);
    engine.frames(4, 0.1f);
    EXPECT_EQ(glow(2), 0.0f); // pillar 1 stands off home

    // Turning pillar 0 away puts out the chain behind it at once.
    click(0);
    engine.frame(0.1f);
    EXPECT_GT(glow(1), 0.0f);
    EXPECT_LT(glow(1), 1.0f);
    EXPECT_EQ(script()->pillars[1].lit, 0);
    EXPECT_GT(beam(0), 0.19f);
    engine.frames(3, 0.1f);
    EXPECT_EQ(glow(1), 0.0f);
    EXPECT_EQ(beam(0), 1.0f);
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Pillars0629, AllFourAlightAndHomeTellTheGameInterface)
{
    save({0, 3, 0, 0, 1, 1, 1, 1});
    create();
    engine.frames(4, 0.1f);
    EXPECT_EQ(glow(1), 1.0f);
    EXPECT_EQ(glow(2), 0.0f);
    click(1);
    engine.frames(11, 0.1f);
    EXPECT_NEAR(angle(1), 0.0f, 1e-3f);
    EXPECT_TRUE(told("00_game_interface").empty());
    engine.frames(2, 0.1f);
    EXPECT_TRUE(told("00_game_interface").empty()); // the glow still rises
    engine.frames(3, 0.1f);
    EXPECT_EQ(told("00_game_interface"), (Told{"111 from 06_minigame_29"}));
    EXPECT_EQ(CVirtualScript::getVarI("6_29_variable_game_end"), 1);
    EXPECT_EQ(script()->timer, 0);

    // Won, the pillars stay as they stand.
    click(2);
    engine.frames(3);
    EXPECT_EQ(saved()[2], 0);
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Pillars0629, ADamagedSaveIsRepairedAndAWonGameTellsAgain)
{
    save({0, 9, 0, 0, 1, 1, 4, 1}, 1);
    create();
    EXPECT_NE(engine.log().find("\nWARNING: saved value [6_29_variable_1] = 9 is out of range"), std::string::npos);
    EXPECT_NE(engine.log().find("[6_29_variable_6] = 4"), std::string::npos);
    EXPECT_EQ(script()->state[6], 0);
    engine.notify(game, 60002);
    engine.frames(8, 0.1f);
    EXPECT_EQ(told("00_game_interface"), (Told{"111 from 06_minigame_29"}));
}
} // namespace
