// The ten knobs on the headless engine: random positions at the first
// visit, the knobs set at their angles at once, clicks (through the real
// knob pieces) that turn a knob on by 120 degrees and save, the win only
// once the frame has started the game and every knob has come to rest, the
// skip, the frame's codes and a damaged save.
#include "06_minigame_28.h"
#include "ZoneFixture.h"

#include <OgreMath.h>

#include <algorithm>
#include <set>

namespace
{
using tq::Told;
typedef sc_06_minigame_28 Game;

class Knobs0628 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"00_minigame_starter", "00_minigame_interf", "interface"});
        for (int k = 0; k < 10; ++k)
            knobs[k] = prop(std::string("06_02_vertelka_") + (k < 9 ? "0" : "") + std::to_string(k + 1),
                            "06_02_vertelka.sc");
    }

    static void save(const std::vector<int>& positions, int end = 0)
    {
        CVirtualScript::saveGameArray(10, 6, 28, positions.data(), &end);
    }
    static std::vector<int> saved()
    {
        std::vector<int> positions(10);
        int end = 0;
        CVirtualScript::loadGameArray(10, 6, 28, positions.data(), &end);
        return positions;
    }

    void create()
    {
        game = prop("06_minigame_28", "06_minigame_28.sc");
        engine.frame();
        forgetTold();
    }
    void start()
    {
        engine.notify(game, 1200, spy("00_minigame_starter"));
        engine.frames(2);
    }
    void click(int k)
    {
        engine.click(knobs[k]);
        engine.frames(2);
    }

    Game* script() { return tq::HeadlessEngine::scriptOf<Game>(game); }
    /// The knob's turn about z in degrees, -180..180.
    float angle(int k) { return Ogre::Degree(knobs[k]->getNode()->getOrientation().getRoll()).valueDegrees(); }

    CObject* knobs[10] = {};
    CObject* game = nullptr;
};

TEST_F(Knobs0628, TheFirstVisitDrawsPositionsAndTheKnobsStandAtThemAtOnce)
{
    CVirtualScript::randomSeed(7);
    create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(6, 28));
    const std::vector<int> positions = saved();
    std::set<int> seen;
    for (int k = 0; k < 10; ++k)
    {
        EXPECT_GE(positions[k], 0);
        EXPECT_LE(positions[k], 2);
        seen.insert(positions[k]);
        EXPECT_NEAR(angle(k), positions[k] == 2 ? -120.0f : positions[k] * 120.0f, 1e-3f) << k;
    }
    EXPECT_GT(seen.size(), 1u);
    EXPECT_NE(script()->timer, 0);
}

TEST_F(Knobs0628, AClickTurnsAKnobOnByAThirdAndSavesIt)
{
    save({0, 1, 2, 0, 0, 0, 0, 0, 0, 0});
    create();
    click(0);
    click(2);
    EXPECT_EQ(saved(), (std::vector<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Halfway through the second turn (the ease runs a little past the
    // end): knob 0 rises towards 120, knob 2 goes on from 240 (-120) to 0,
    // never back through 120.
    float lowest = 0.0f;
    float highest = -360.0f;
    for (int f = 0; f < 9; ++f)
    {
        engine.frame(0.1f);
        lowest = std::min(lowest, angle(2));
        highest = std::max(highest, angle(2));
        EXPECT_GT(angle(0), 0.0f);
        EXPECT_TRUE(script()->knobs[0].moving) << f;
    }
    EXPECT_GE(lowest, -120.0f);
    EXPECT_LE(highest, 15.0f);
    engine.frames(2, 0.1f);
    EXPECT_FALSE(script()->knobs[0].moving);
    EXPECT_NEAR(angle(0), 120.0f, 1e-3f);
    EXPECT_NEAR(angle(2), 0.0f, 1e-3f);
    EXPECT_NEAR(angle(1), 120.0f, 1e-3f); // untouched
}

TEST_F(Knobs0628, KnobsSixAndSevenMayAlsoStandAtTheThirdPosition)
{
    struct Case
    {
        int k;
        int pos;
        bool ok;
    };
    const Case cases[] = {{0, 0, true}, {0, 1, false}, {0, 2, false}, {4, 2, false}, {5, 2, true},
                          {6, 2, true}, {6, 1, false}, {7, 2, false}, {9, 0, true}};
    for (const Case& c : cases)
        EXPECT_EQ(Game::isOk(c.k, c.pos), c.ok) << c.k << " at " << c.pos;
}

TEST_F(Knobs0628, ARightArrangementWinsOnlyOnceStarted)
{
    save({0, 0, 0, 0, 0, 2, 2, 0, 0, 0});
    create();
    engine.frames(5);
    EXPECT_TRUE(told("00_minigame_interf").empty());
    engine.clearLog();
    start();
    EXPECT_EQ(told("00_minigame_interf"), (Told{"1100 from 06_minigame_28"}));
    EXPECT_TRUE(told("interface").empty()); // no hint unless asked for
    EXPECT_NE(engine.log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(script()->timer, 0);
    EXPECT_EQ(script()->started, 0);
    EXPECT_EQ(CVirtualScript::getVarI("6_28_variable_game_end"), 1);

    // Won, the knobs stay as they stand.
    click(3);
    engine.frames(3);
    EXPECT_EQ(saved()[3], 0);
    EXPECT_NEAR(angle(3), 0.0f, 1e-3f);

    engine.notify(game, 1100, spy("00_minigame_interf"));
    engine.notify(game, 2000);
    engine.notify(game, 2010);
    engine.frames(2);
    EXPECT_EQ(told("00_minigame_starter"), (Told{"1200 from 06_minigame_28"}));
    EXPECT_EQ(told("interface"), (Told{"100", "16028"}));
}

TEST_F(Knobs0628, TheLastKnobWinsWhenItsTurnEnds)
{
    save({0, 0, 0, 2, 0, 1, 0, 0, 0, 0});
    create();
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    start();
    EXPECT_EQ(told("interface"), (Told{"16028"}));
    click(5);
    click(3);
    engine.frames(9, 0.1f);
    EXPECT_TRUE(told("00_minigame_interf").empty());
    engine.frames(3, 0.1f);
    EXPECT_EQ(told("00_minigame_interf"), (Told{"1100 from 06_minigame_28"}));
    EXPECT_NEAR(angle(3), 0.0f, 1e-3f);
    EXPECT_NEAR(angle(5), -120.0f, 1e-3f);
    EXPECT_EQ(saved(), (std::vector<int>{0, 0, 0, 0, 0, 2, 0, 0, 0, 0}));
}

TEST_F(Knobs0628, TheSkipTurnsEveryKnobHome)
{
    save({1, 2, 0, 1, 2, 1, 2, 0, 1, 2});
    create();
    engine.notify(game, 2500);
    engine.frame();
    EXPECT_EQ(saved(), std::vector<int>(10, 0));
    engine.frames(12, 0.1f);
    for (int k = 0; k < 10; ++k)
        EXPECT_NEAR(angle(k), 0.0f, 1e-3f) << k;
    EXPECT_TRUE(told("00_minigame_interf").empty()); // not started: no win yet
    start();
    EXPECT_EQ(told("00_minigame_interf"), (Told{"1100 from 06_minigame_28"}));
}

TEST_F(Knobs0628, AWonGameStandsStillAndADamagedPositionGoesHome)
{
    save({0, 5, 0, -1, 0, 2, 0, 0, 0, 0}, 1);
    create();
    EXPECT_NE(engine.log().find("\nWARNING: saved value [6_28_variable_1] = 5 is out of range"), std::string::npos);
    EXPECT_NE(engine.log().find("[6_28_variable_3] = -1"), std::string::npos);
    EXPECT_EQ(script()->timer, 0);
    EXPECT_NEAR(angle(1), 0.0f, 1e-3f);
    EXPECT_NEAR(angle(5), -120.0f, 1e-3f);
}
} // namespace
